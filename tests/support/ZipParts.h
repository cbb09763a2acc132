#pragma once
// Reads one part of a zip package (a .docx or .xlsx written by the program)
// back for a test.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <zip.h>

#include <optional>

// One part of a zip package, or nothing when it is missing.
inline std::optional<QByteArray> zipPart(const QString& archivePath, const char* name) {
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return std::nullopt;
    std::optional<QByteArray> out;
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) == 0) {
        if (zip_file_t* file = zip_fopen(archive, name, 0)) {
            QByteArray bytes(static_cast<qsizetype>(stat.size), '\0');
            if (zip_fread(file, bytes.data(), stat.size) == static_cast<zip_int64_t>(stat.size))
                out = bytes;
            zip_fclose(file);
        }
    }
    zip_discard(archive);
    return out;
}
