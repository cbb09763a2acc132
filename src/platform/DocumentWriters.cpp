#include "platform/DocumentWriters.h"

#include "platform/NewFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <xlsxwriter.h>
#include <zip.h>

#include <algorithm>
#include <vector>

#include <cerrno>

#include <locale.h>
#include <sys/mman.h>
#include <unistd.h>

namespace platform {

namespace {

QString exportFolderPath() {
    QString folder = qEnvironmentVariable("QUILLORA_EXPORT_DIR");
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty())
            folder = QDir::homePath() + QStringLiteral("/Documents");
    }
    return folder;
}

} // namespace

QString exportFolder() {
    const QString folder = exportFolderPath();
    QDir().mkpath(folder);
    return folder;
}

void RemoveExportLeftovers() { RemoveNewFileLeftovers(exportFolderPath()); }

namespace {

QString numberedName(const QString& baseName, const QString& extension, int n) {
    return n == 1 ? baseName + extension : baseName + QStringLiteral(" (%1)").arg(n) + extension;
}

// The names a new export is offered: "<base><ext>", "<base> (2)<ext>" ...
NewFile::NameFor numberedNames(const QString& baseName, const QString& extension) {
    return [baseName, extension](int n) { return numberedName(baseName, extension, n); };
}

} // namespace

QString FreeFileName(const QString& folder, const QString& baseName, const QString& extension) {
    const QDir dir(folder);
    int n = 1;
    while (QFileInfo::exists(dir.filePath(numberedName(baseName, extension, n))))
        ++n;
    return numberedName(baseName, extension, n);
}

namespace {

// ------------------------------------------------------------------ texts

// XML 1.0 holds tab, LF, CR, U+0020-U+D7FF, U+E000-U+FFFD and the planes above.
bool xmlAllows(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

// The text without the characters XML cannot hold; a surrogate without its
// partner goes as well.
QString xmlSafe(const QString& text) {
    if (std::all_of(text.begin(), text.end(), [](QChar ch) { return !ch.isSurrogate() && xmlAllows(ch.unicode()); }))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += ch;
            out += text.at(++i);
        } else if (!ch.isSurrogate() && xmlAllows(ch.unicode())) {
            out += ch;
        }
    }
    return out;
}

// Safe text with the five markup characters as entities, for content and
// attribute values alike.
QString xmlEscaped(const QString& text) {
    QString out;
    const QString safe = xmlSafe(text);
    out.reserve(safe.size());
    for (const QChar ch : safe) {
        switch (ch.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        case '\'': out += QLatin1String("&apos;"); break;
        default: out += ch;
        }
    }
    return out;
}

// ------------------------------------------------------------------ files

// A base name that names a file in the folder itself.
bool usableBaseName(const QString& baseName) {
    return !baseName.trimmed().isEmpty() && !baseName.contains(QLatin1Char('/')) && !baseName.contains(QChar(0));
}

// ------------------------------------------------------------------ .docx

QString runProperties(const QString& font, double points, bool bold) {
    // Sizes are half-points, 1 to 1638 points.
    const int halfPoints = std::clamp(static_cast<int>(points * 2 + 0.5), 2, 3276);
    const QString name = xmlEscaped(font);
    QString xml = QStringLiteral("<w:rPr><w:rFonts w:ascii=\"%1\" w:hAnsi=\"%1\" w:cs=\"%1\"/>").arg(name);
    if (bold)
        xml += QLatin1String("<w:b/><w:bCs/>");
    xml += QStringLiteral("<w:sz w:val=\"%1\"/><w:szCs w:val=\"%1\"/></w:rPr>").arg(halfPoints);
    return xml;
}

// A paragraph of one run; tabs and line breaks in the text stay tabs and line
// breaks.
QString paragraphXml(const QString& text, const QString& font, double points, bool bold) {
    const QString props = runProperties(font, points, bold);
    QString xml = QStringLiteral("<w:p><w:pPr>") + props + QStringLiteral("</w:pPr>");
    if (!text.isEmpty()) {
        xml += QStringLiteral("<w:r>") + props;
        QString pending;
        const auto flush = [&] {
            if (!pending.isEmpty())
                xml += QStringLiteral("<w:t xml:space=\"preserve\">") + xmlEscaped(pending) + QStringLiteral("</w:t>");
            pending.clear();
        };
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar ch = text.at(i);
            if (ch == QLatin1Char('\t')) {
                flush();
                xml += QLatin1String("<w:tab/>");
            } else if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
                flush();
                xml += QLatin1String("<w:br/>");
                if (ch == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                    ++i;
            } else {
                pending += ch;
            }
        }
        flush();
        xml += QStringLiteral("</w:r>");
    }
    return xml + QStringLiteral("</w:p>");
}

QString paragraphXml(const DocxParagraph& p) { return paragraphXml(p.text, p.font, p.points, p.bold); }

// A4 with 2 cm margins: the text is 9638 twips wide; labels take a third.
constexpr int kLabelWidth = 3213;
constexpr int kValueWidth = 6425;

QString tableXml(const DocxDocument& document) {
    QString xml = QStringLiteral(
        "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/><w:tblBorders>"
        "<w:top w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
        "<w:left w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
        "<w:bottom w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
        "<w:right w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
        "<w:insideH w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
        "<w:insideV w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
        "</w:tblBorders></w:tblPr>");
    xml += QStringLiteral("<w:tblGrid><w:gridCol w:w=\"%1\"/><w:gridCol w:w=\"%2\"/></w:tblGrid>")
               .arg(kLabelWidth)
               .arg(kValueWidth);
    const auto cell = [&](const QString& text, int width) {
        return QStringLiteral("<w:tc><w:tcPr><w:tcW w:w=\"%1\" w:type=\"dxa\"/></w:tcPr>").arg(width)
               + paragraphXml(text, document.tableFont, document.tablePoints, false) + QStringLiteral("</w:tc>");
    };
    for (const auto& [label, value] : document.tableRows)
        xml += QStringLiteral("<w:tr>") + cell(label, kLabelWidth) + cell(value, kValueWidth) + QStringLiteral("</w:tr>");
    return xml + QStringLiteral("</w:tbl>");
}

QByteArray documentXml(const DocxDocument& document) {
    QString body;
    for (const DocxParagraph& p : document.before)
        body += paragraphXml(p);
    if (!document.tableRows.isEmpty()) {
        body += tableXml(document);
        // Word wants a paragraph between a table and the end of the body.
        if (document.after.isEmpty())
            body += paragraphXml(QString(), document.tableFont, document.tablePoints, false);
    }
    for (const DocxParagraph& p : document.after)
        body += paragraphXml(p);
    const QString xml =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                       "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                       "<w:body>")
        + body
        + QStringLiteral("<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
                         "<w:pgMar w:top=\"1134\" w:right=\"1134\" w:bottom=\"1134\" w:left=\"1134\""
                         " w:header=\"709\" w:footer=\"709\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>");
    return xml.toUtf8();
}

const char kContentTypes[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\""
    " ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "</Types>";

const char kPackageRelations[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\""
    " Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\""
    " Target=\"word/document.xml\"/></Relationships>";

// The zip archive of the parts, built in memory; empty on failure.
QByteArray zipped(const QList<QPair<QByteArray, QByteArray>>& parts) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_error_fini(&error);
    if (!buffer)
        return QByteArray();
    zip_error_init(&error);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(buffer);
        return QByteArray();
    }
    zip_source_keep(buffer); // the bytes are read from it after the archive is closed
    bool ok = true;
    for (const auto& [name, content] : parts) {
        // `parts` outlives the archive, so the source may point into it.
        zip_source_t* source = zip_source_buffer(archive, content.constData(), static_cast<zip_uint64_t>(content.size()), 0);
        if (!source || zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            ok = false;
            break;
        }
    }
    if (!ok || zip_close(archive) < 0) {
        zip_discard(archive);
        zip_source_free(buffer);
        return QByteArray();
    }
    QByteArray bytes;
    zip_stat_t stat;
    if (zip_source_stat(buffer, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) && zip_source_open(buffer) == 0) {
        bytes.resize(static_cast<qsizetype>(stat.size));
        if (zip_source_read(buffer, bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size))
            bytes.clear();
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    return bytes;
}

// ------------------------------------------------------------------ .xlsx

// Characters shown in a column of that text: its longest line. Lines end at
// CR LF, CR or LF; a surrogate pair is one character.
int displayLength(QStringView text) {
    int longest = 0;
    int current = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            longest = std::max(longest, current);
            current = 0;
            if (ch == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else if (!(ch.isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())) {
            ++current;
        }
    }
    return std::max(longest, current);
}

// While it lives, the calling thread formats and reads numbers the C way,
// whatever the process's numeric locale: the workbook library writes its
// widths and margins with the C library, and a spreadsheet holds "17.7",
// never "17,7".
class CNumbers {
public:
    explicit CNumbers(locale_t numbers) : previous_(numbers ? ::uselocale(numbers) : nullptr) {}
    ~CNumbers() {
        if (previous_)
            ::uselocale(previous_);
    }
    CNumbers(const CNumbers&) = delete;
    CNumbers& operator=(const CNumbers&) = delete;

private:
    locale_t previous_;
};

// The thread's locale with C numbers; (locale_t)0 when it cannot be made.
locale_t cNumbersLocale() {
    const locale_t base = ::duplocale(::uselocale(locale_t(nullptr)));
    if (!base)
        return locale_t(nullptr);
    const locale_t numbers = ::newlocale(LC_NUMERIC_MASK, "C", base);
    if (!numbers)
        ::freelocale(base);
    return numbers;
}

// A file in memory, reached through a path as the workbook library wants
// one: it goes with the program, however the program ends.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("quillora-workbook", MFD_CLOEXEC)) {}
    ~MemoryFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool created() const { return fd_ >= 0; }
    QByteArray path() const { return "/proc/self/fd/" + QByteArray::number(fd_); }
    // Hands what the file holds to `out`, front to back.
    bool copyTo(NewFile& out) const {
        QByteArray run(1024 * 1024, Qt::Uninitialized);
        for (off_t at = 0;;) {
            const ssize_t got = ::pread(fd_, run.data(), size_t(run.size()), at);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return false;
            if (got == 0)
                return true;
            if (!out.write(run.constData(), got))
                return false;
            at += got;
        }
    }

private:
    int fd_;
};

// The workbook library in constant-memory mode: each row goes to a
// temporary file once the next one begins, the column widths are kept apart
// and written when the workbook closes. Every cell is a string: "=1+1" stays
// text and "00184" keeps its zeros.
//
// The library goes back over what it wrote to complete the zip's headers, and
// some file systems refuse a write past the end after that (FAT through a
// FUSE driver): the workbook is put together in memory and then written to
// the new file front to back.
class Workbook final : public IXlsxWriter {
public:
    Workbook(const QString& folder, const QString& baseName)
        : temp_(folder), folder_(folder), baseName_(baseName), numbers_(cNumbersLocale()) {}
    ~Workbook() override {
        if (workbook_) {
            const CNumbers c(numbers_);
            workbook_close(workbook_); // frees it; the temporary file goes with temp_
        }
        if (numbers_)
            ::freelocale(numbers_);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    bool start(const QStringList& header) {
        if (!numbers_ || !temp_.created())
            return false;
        const CNumbers c(numbers_);
        if (!memory_.created())
            return false;
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        workbook_ = workbook_new_opt(memory_.path().constData(), &options);
        if (!workbook_)
            return false;
        worksheet_ = workbook_add_worksheet(workbook_, "Foglio1");
        bold_ = workbook_add_format(workbook_);
        if (!worksheet_ || !bold_)
            return false;
        format_set_bold(bold_);
        return writeRow(header, bold_);
    }

    bool addRow(const QStringList& cells) override { return writeRow(cells, nullptr); }

    QString finish() override {
        if (!workbook_)
            return QString();
        lxw_error closed;
        {
            const CNumbers c(numbers_);
            for (size_t col = 0; ok_ && col < widths_.size(); ++col) {
                if (widths_[col] > 0) // Excel's widest column is 255 characters
                    ok_ = worksheet_set_column(worksheet_, lxw_col_t(col), lxw_col_t(col),
                                               std::min(255, widths_[col] + 2), nullptr)
                          == LXW_NO_ERROR;
            }
            // Closing writes the file and frees the workbook, whatever happened before.
            closed = workbook_close(workbook_);
            workbook_ = nullptr;
        }
        QString path;
        if (ok_ && closed == LXW_NO_ERROR && memory_.copyTo(temp_) && temp_.sync())
            path = temp_.publish(folder_, numberedNames(baseName_, QStringLiteral(".xlsx")));
        temp_.discard(); // nothing is left unless it was published
        return path;
    }

private:
    bool writeRow(const QStringList& cells, lxw_format* format) {
        if (!ok_ || !workbook_)
            return ok_ = false;
        const CNumbers c(numbers_);
        for (qsizetype col = 0; ok_ && col < cells.size(); ++col) {
            const QString text = xmlSafe(cells.at(col));
            ok_ = worksheet_write_string(worksheet_, row_, lxw_col_t(col), text.toUtf8().constData(), format)
                  == LXW_NO_ERROR;
            if (widths_.size() <= size_t(col))
                widths_.resize(size_t(col) + 1, 0);
            widths_[size_t(col)] = std::max(widths_[size_t(col)], displayLength(text));
        }
        ++row_;
        return ok_;
    }

    NewFile temp_;
    MemoryFile memory_;
    QString folder_;
    QString baseName_;
    locale_t numbers_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* worksheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    lxw_row_t row_ = 0;
    std::vector<int> widths_;
    bool ok_ = true;
};

// ------------------------------------------------------------------ writers

class OfficeWriters final : public IDocumentWriters {
public:
    QString writeDocx(const DocxDocument& document, const QString& folder, const QString& baseName) override {
        if (!usableBaseName(baseName))
            return QString();
        const QByteArray bytes = zipped({
            {"[Content_Types].xml", QByteArray(kContentTypes)},
            {"_rels/.rels", QByteArray(kPackageRelations)},
            {"word/document.xml", documentXml(document)},
        });
        if (bytes.isEmpty())
            return QString();
        RemoveNewFileLeftovers(folder);
        NewFile temp(folder);
        if (!temp.created() || !temp.write(bytes) || !temp.sync())
            return QString();
        return temp.publish(folder, numberedNames(baseName, QStringLiteral(".docx")));
    }

    std::unique_ptr<IXlsxWriter> startXlsx(const QStringList& header, const QString& folder,
                                           const QString& baseName) override {
        if (!usableBaseName(baseName))
            return nullptr;
        RemoveNewFileLeftovers(folder);
        auto workbook = std::make_unique<Workbook>(folder, baseName);
        if (!workbook->start(header))
            return nullptr;
        return workbook;
    }
};

OfficeWriters g_officeWriters;
IDocumentWriters* g_writers = nullptr;

} // namespace

QString IDocumentWriters::writeXlsx(const XlsxSheet& sheet, const QString& folder, const QString& baseName) {
    const std::unique_ptr<IXlsxWriter> writer = startXlsx(sheet.header, folder, baseName);
    if (!writer)
        return QString();
    for (const QStringList& row : sheet.rows)
        if (!writer->addRow(row))
            return QString();
    return writer->finish();
}

IDocumentWriters& documentWriters() { return g_writers ? *g_writers : g_officeWriters; }
void setDocumentWriters(IDocumentWriters* impl) { g_writers = impl; }

} // namespace platform
