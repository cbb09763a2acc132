#include "common/ProgramArchives.h"

#include "common/PayeeRecord.h"
#include "common/PayerRecord.h"
#include "common/ProgramFiles.h"
#include "common/ReasonRecord.h"
#include "common/RecordArchive.h"
#include "common/Settings.h"
#include "common/SlipRecord.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

void settle(const ArchiveFiles& files, int recordLength) {
    const QString path = ProgramFilePath(files.archive);
    if (!QFileInfo(path).isFile())
        return;
    RecordArchive archive(path, ProgramFilePath(files.temp), recordLength);
    archive.OpenArchive();
}

} // namespace

void SettleProgramArchives() {
    settle(ProgramFiles::Payees, PayeeRecord::Length);
    settle(ProgramFiles::Payers, PayerRecord::Length);
    settle(ProgramFiles::Reasons, ReasonRecord::Length);
    // A year's archive is its digits followed by ".ccp".
    static const QRegularExpression yearArchive(QRegularExpression::anchoredPattern(QStringLiteral("([0-9]+)\\.ccp")));
    const QStringList names = QDir(platform::programFolder()).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        const QRegularExpressionMatch year = yearArchive.match(name);
        if (year.hasMatch())
            settle(ProgramFiles::YearArchive(year.captured(1)), SlipRecord::Length);
    }
}
