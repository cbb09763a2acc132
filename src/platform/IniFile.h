#pragma once
// Profile (INI) files as the Windows program kept them: "Bollettini.ini" and
// the password store.
//
// Format on disk: Windows-1252 text; a line "[name]" begins a section, a line
// "key=value" is a key of the section above it. Section and key names match
// without regard to case and to blanks around them. A key that appears twice
// in a section counts once, the first time; so does a section that appears
// twice. Lines end in CR LF when written; LF-only files read the same.
//
// Reading a value: blanks and tabs at both ends are dropped, then a pair of
// matching double quotes or single quotes around the whole value (at least
// two characters) is removed.
//
// Writing a value: every value reads back exactly as written, blanks and
// quotation marks at its ends included; a value that the read rules would
// change is stored inside double quotes. A value cannot span lines: each CR
// or LF in it is stored as one blank. A character that Windows-1252 cannot
// hold is stored as "?". Every line the write does not touch stays as it was
// (comments, blank lines, other keys and sections, lines that make no sense);
// only the line ends become CR LF. The file is replaced as a whole through a
// temporary file in the same folder, so a failed write leaves the old file.

#include <QList>
#include <QPair>
#include <QString>

namespace platform {

// Keys and their values, to be stored together.
using ProfileEntries = QList<QPair<QString, QString>>;

// The value of `key` in `section` of the file at `path`, or `defaultValue`
// when the file, the section or the key is missing or the file cannot be read.
QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue = {});

// Stores `value` under `key` in `section`, creating the file, the section or
// the key as needed. False when nothing was stored: the file cannot be read or
// written, or a name cannot be stored (empty, holds a line break, a section
// name holding "]", a key name holding "=" or beginning with "[").
bool writeProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value);

// Stores every key of `entries` in `section` as writeProfileString does, in
// their order (a key given twice keeps its last value), with one replace of
// the file: either all of them are stored or none, and on false the file is
// as it was. False as well, with nothing written, when any one name cannot be
// stored. No entries: nothing to store, true, the file untouched.
bool writeProfileStrings(const QString& path, const QString& section, const ProfileEntries& entries);

} // namespace platform
