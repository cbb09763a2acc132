#pragma once
// The PDF manual "Guida.pdf": every help topic of the program, in the order
// of the main menu, written at build time and installed into the program
// folder with the password store.

#include "common/HelpTopic.h"

#include <QList>
#include <QString>

namespace Manual {
// Every help topic, in the order of the main menu.
QList<HelpTopic> Topics();
// Writes the manual; false when the file cannot be written.
bool Write(const QString& path);
// The manual built with the program, next to its executable.
QString BuiltManualPath();
} // namespace Manual
