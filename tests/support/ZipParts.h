#pragma once
// Reads a zip package (a .docx or .xlsx written by the program) back for a
// test: its parts, and the one sheet of a workbook.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <gtest/gtest.h>
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

// The names of the package's parts; empty when it cannot be opened.
inline QStringList zipPartNames(const QString& archivePath) {
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return {};
    QStringList names;
    for (zip_int64_t i = 0, n = zip_get_num_entries(archive, 0); i < n; ++i)
        names << QString::fromUtf8(zip_get_name(archive, zip_uint64_t(i), 0));
    zip_discard(archive);
    return names;
}

struct SheetCell {
    QString text;
    bool isString = false;
    bool hasFormula = false;
    bool isInline = false;
    int style = 0;
};

// The cells of a one-sheet workbook by reference ("A1"), their shared or
// inline strings resolved; the bold flag of each cell style; the column widths.
struct ReadSheet {
    QMap<QString, SheetCell> cells;
    QList<bool> boldStyles;
    QMap<int, double> widths; // by column number, from 1
};

inline ReadSheet readSheet(const QString& path) {
    ReadSheet out;
    QStringList shared;
    {
        // A workbook written row by row has its strings inline, and no such part.
        QXmlStreamReader r(zipPart(path, "xl/sharedStrings.xml").value_or(QByteArray("<sst/>")));
        while (!r.atEnd()) {
            r.readNext();
            if (r.isStartElement() && r.name() == QLatin1String("t"))
                shared << r.readElementText();
        }
        EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
    }
    {
        QList<bool> fontBold;
        QList<int> xfFont;
        QXmlStreamReader r(zipPart(path, "xl/styles.xml").value_or(QByteArray()));
        bool inFonts = false, inCellXfs = false;
        while (!r.atEnd()) {
            r.readNext();
            const auto n = r.name();
            if (r.isStartElement()) {
                if (n == QLatin1String("fonts")) inFonts = true;
                else if (n == QLatin1String("cellXfs")) inCellXfs = true;
                else if (inFonts && n == QLatin1String("font")) fontBold << false;
                else if (inFonts && n == QLatin1String("b")) fontBold.last() = true;
                else if (inCellXfs && n == QLatin1String("xf")) xfFont << r.attributes().value(QLatin1String("fontId")).toInt();
            } else if (r.isEndElement()) {
                if (n == QLatin1String("fonts")) inFonts = false;
                else if (n == QLatin1String("cellXfs")) inCellXfs = false;
            }
        }
        EXPECT_FALSE(r.hasError());
        for (int font : xfFont)
            out.boldStyles << fontBold.value(font);
    }
    const auto xml = zipPart(path, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(xml);
    QXmlStreamReader r(xml.value_or(QByteArray()));
    QString ref;
    while (!r.atEnd()) {
        r.readNext();
        if (!r.isStartElement())
            continue;
        const auto a = r.attributes();
        if (r.name() == QLatin1String("col")) {
            for (int c = a.value(QLatin1String("min")).toInt(); c <= a.value(QLatin1String("max")).toInt(); ++c)
                out.widths[c] = a.value(QLatin1String("width")).toDouble();
        } else if (r.name() == QLatin1String("c")) {
            ref = a.value(QLatin1String("r")).toString();
            SheetCell& cell = out.cells[ref];
            const auto type = a.value(QLatin1String("t"));
            cell.isString = type == QLatin1String("s") || type == QLatin1String("inlineStr");
            cell.isInline = type == QLatin1String("inlineStr");
            cell.style = a.value(QLatin1String("s")).toInt();
        } else if (r.name() == QLatin1String("f")) {
            out.cells[ref].hasFormula = true;
        } else if (r.name() == QLatin1String("t") && out.cells[ref].isInline) {
            out.cells[ref].text += r.readElementText();
        } else if (r.name() == QLatin1String("v")) {
            SheetCell& cell = out.cells[ref];
            const QString v = r.readElementText();
            cell.text = cell.isString ? shared.value(v.toInt()) : v;
        }
    }
    EXPECT_FALSE(r.hasError());
    return out;
}

