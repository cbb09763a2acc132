#pragma once
// For the life of the object: exports go to `folder`, and the print clock (the
// closing lines, the exports' date lines, the dated backup names) stands at
// `now` with "/" between the parts of a date. Everything is put back after.

#include "common/PrintedList.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class ExportScope {
public:
    explicit ExportScope(const QString& folder, const QDateTime& now = QDateTime(QDate(2024, 3, 5), QTime(9, 7, 2)))
        : saved_(qgetenv("QUILLORA_EXPORT_DIR")) {
        qputenv("QUILLORA_EXPORT_DIR", folder.toUtf8());
        SetPrintClock([now] { return now; });
        SetPrintDateSeparator(QStringLiteral("/"));
    }
    ~ExportScope() {
        SetPrintClock({});
        SetPrintDateSeparator(QString());
        if (saved_.isNull())
            qunsetenv("QUILLORA_EXPORT_DIR");
        else
            qputenv("QUILLORA_EXPORT_DIR", saved_);
    }
    ExportScope(const ExportScope&) = delete;
    ExportScope& operator=(const ExportScope&) = delete;

private:
    QByteArray saved_;
};
