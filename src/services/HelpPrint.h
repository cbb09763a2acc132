#pragma once
// The print of a help topic: a heading with the topic's title, the body
// word-wrapped, a rule and the program's credit line, as one print job on the
// current printer.

#include "services/PrintTextBox.h"

#include <QString>

// The line under the rule at the foot of a printed help topic.
QString HelpPrintCreditLine();

// Prints the topic. A job that cannot start shows the program's printing
// error message instead.
void PrintHelpTopic(const QString& title, const TextBoxSource& body);
