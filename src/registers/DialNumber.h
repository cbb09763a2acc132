#pragma once
// Dialling a number of a register card: the desktop's handler of tel: links
// is asked to call it. Only what a dialler understands goes into the link.

#include <QString>

// "tel:" and the number's digits, "*" and "#" (written %23), after a "+"
// when the number begins with one; every other character is left out. Empty
// when the number holds no digit.
QString TelLink(const QString& number);

// Asks for the call; when the number has no digit, no application handles
// tel: links or it cannot be started: "Impossibile stabilire una connessione
// telefonica." and false.
bool DialNumber(const QString& number);
