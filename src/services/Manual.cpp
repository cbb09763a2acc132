#include "services/Manual.h"

#include "common/HelpCatalogue.h"
#include "common/ProgramFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace Manual {

QList<HelpTopic> Topics() {
    return HelpCatalogue::ManualTopics();
}

bool Write(const QString& path) {
    QString html = QStringLiteral("<h1 style='color:#000080'>Quillora</h1>"
                                  "<p><i>Guida in linea</i></p>");
    for (const HelpTopic& t : Topics()) {
        html += QStringLiteral("<h2 style='color:#000080'>%1</h2>").arg(t.title.trimmed().toHtmlEscaped());
        for (const QString& p : t.paragraphs)
            html += QStringLiteral("<p>%1</p>").arg(p.toHtmlEscaped());
    }
    QFile::remove(path);
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Quillora - Guida"));
    writer.setCreator(QStringLiteral("Quillora"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Verdana"), 10));
    doc.setHtml(html);
    doc.print(&writer);
    return QFile(path).size() > 0;
}

QString BuiltManualPath() { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + ProgramFiles::Manual; }

} // namespace Manual
