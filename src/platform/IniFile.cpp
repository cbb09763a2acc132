#include "platform/IniFile.h"

#include "platform/Cp1252.h"
#include "platform/FileCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <optional>

namespace platform {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Only blanks and tabs: a no-break space (byte A0) belongs to the value.
QStringView trimBlanks(QStringView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin);
}

bool sameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool isQuote(QChar c) { return c == u'"' || c == u'\''; }

bool enclosedInQuotes(QStringView s) {
    return s.size() >= 2 && isQuote(s.front()) && s.front() == s.back();
}

// The name of a section header line ("[name]", blanks allowed around and
// inside the brackets), or nothing when the line is not one.
std::optional<QStringView> sectionName(QStringView line) {
    const QStringView t = trimBlanks(line);
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimBlanks(t.sliced(1, close - 1));
}

struct KeyLine {
    QStringView key;
    QStringView value; // as stored, untrimmed
};

std::optional<KeyLine> keyLine(QStringView line) {
    if (sectionName(line))
        return std::nullopt;
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return std::nullopt;
    const QStringView key = trimBlanks(line.first(eq));
    if (key.isEmpty())
        return std::nullopt;
    return KeyLine{key, line.sliced(eq + 1)};
}

QString readValue(QStringView stored) {
    QStringView v = trimBlanks(stored);
    if (enclosedInQuotes(v))
        v = v.sliced(1, v.size() - 2);
    return v.toString();
}

// The text to put after "=" so that readValue gives `value` back.
QString storedValue(const QString& value) {
    QString v = value;
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    const bool changedByRead =
        (!v.isEmpty() && (isBlank(v.front()) || isBlank(v.back()))) || enclosedInQuotes(v);
    return changedByRead ? u'"' + v + u'"' : v;
}

bool hasLineBreak(const QString& s) { return s.contains(u'\r') || s.contains(u'\n'); }

// A caller's section or key name as it can be found in (and written to) the
// file: trimmed and fitted to the code page, or nothing when it cannot be.
std::optional<QString> sectionNameToUse(const QString& section) {
    const QString name = fitToCp1252(trimBlanks(section).toString());
    if (name.isEmpty() || hasLineBreak(name) || name.contains(u']'))
        return std::nullopt;
    return name;
}

std::optional<QString> keyNameToUse(const QString& key) {
    const QString name = fitToCp1252(trimBlanks(key).toString());
    if (name.isEmpty() || hasLineBreak(name) || name.contains(u'=') || name.startsWith(u'['))
        return std::nullopt;
    return name;
}

// The lines of one profile file, without their line ends.
class ProfileLines {
public:
    // Nothing when the file exists but cannot be read; a missing file has no lines.
    static std::optional<ProfileLines> load(const QString& path) {
        // A link to a file not there yet counts as no file.
        if (!QFileInfo::exists(path))
            return ProfileLines{};
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return std::nullopt;
        return ProfileLines(fromCp1252(bytes));
    }

    // Index of the header line of the first section so named, or -1.
    qsizetype findSection(QStringView name) const {
        for (qsizetype i = 0; i < lines_.size(); ++i)
            if (const auto s = sectionName(lines_[i]); s && sameName(*s, name))
                return i;
        return -1;
    }

    // Index of the first line of the section's key, or -1.
    qsizetype findKey(qsizetype header, QStringView key) const {
        for (qsizetype i = header + 1, end = sectionEnd(header); i < end; ++i)
            if (const auto k = keyLine(lines_[i]); k && sameName(k->key, key))
                return i;
        return -1;
    }

    // Where a new key of the section goes: right after its last key line,
    // or right after the header when it has none.
    qsizetype newKeyPosition(qsizetype header) const {
        qsizetype pos = header + 1;
        for (qsizetype i = header + 1, end = sectionEnd(header); i < end; ++i)
            if (keyLine(lines_[i]))
                pos = i + 1;
        return pos;
    }

    const QString& at(qsizetype i) const { return lines_[i]; }
    void replace(qsizetype i, const QString& line) { lines_[i] = line; }
    void insert(qsizetype i, const QString& line) { lines_.insert(i, line); }
    void append(const QString& line) { lines_.append(line); }

    QByteArray toBytes() const {
        QByteArray out;
        for (const QString& line : lines_) {
            out += toCp1252(line);
            out += "\r\n";
        }
        return out;
    }

private:
    ProfileLines() = default;
    explicit ProfileLines(const QString& text) {
        if (text.isEmpty())
            return;
        lines_ = text.split(u'\n');
        if (text.endsWith(u'\n'))
            lines_.removeLast();
        for (QString& line : lines_)
            if (line.endsWith(u'\r'))
                line.chop(1);
    }

    qsizetype sectionEnd(qsizetype header) const {
        for (qsizetype i = header + 1; i < lines_.size(); ++i)
            if (sectionName(lines_[i]))
                return i;
        return lines_.size();
    }

    QStringList lines_;
};

} // namespace

QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue) {
    const auto sectionToFind = sectionNameToUse(section);
    const auto keyToFind = keyNameToUse(key);
    if (!sectionToFind || !keyToFind)
        return defaultValue;
    const auto lines = ProfileLines::load(path);
    if (!lines)
        return defaultValue;
    const qsizetype header = lines->findSection(*sectionToFind);
    if (header < 0)
        return defaultValue;
    const qsizetype at = lines->findKey(header, *keyToFind);
    if (at < 0)
        return defaultValue;
    return readValue(keyLine(lines->at(at))->value);
}

bool writeProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value) {
    return writeProfileStrings(path, section, {{key, value}});
}

bool writeProfileStrings(const QString& path, const QString& section, const ProfileEntries& entries) {
    const auto sectionToUse = sectionNameToUse(section);
    if (!sectionToUse)
        return false;
    // Every name is checked before anything is read or written.
    QStringList keysToUse;
    for (const auto& entry : entries) {
        const auto keyToUse = keyNameToUse(entry.first);
        if (!keyToUse)
            return false;
        keysToUse << *keyToUse;
    }
    if (entries.isEmpty())
        return true;
    auto lines = ProfileLines::load(path);
    if (!lines)
        return false; // never replace a file whose content could not be read

    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString newLine = keysToUse[i] + u'=' + storedValue(entries[i].second);
        const qsizetype header = lines->findSection(*sectionToUse);
        if (header < 0) {
            lines->append(u'[' + *sectionToUse + u']');
            lines->append(newLine);
        } else if (const qsizetype at = lines->findKey(header, keysToUse[i]); at >= 0) {
            lines->replace(at, newLine);
        } else {
            lines->insert(lines->newKeyPosition(header), newLine);
        }
    }

    // Replaced whole and at once, through a link to the file it points to.
    return fileCopier().replaceFile(path, lines->toBytes()) == FileError::None;
}

} // namespace platform
