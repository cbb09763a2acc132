#pragma once
// The year the slip workbench works on: the one on show in its year chooser.
// The backup wizard and the Excel export read it here; the chooser, which
// lives above them, hands down how it is read (InstallHandDowns). Until then,
// and as a chooser that has just loaded shows it, it is the current year.

#include <QString>

#include <functional>

namespace ChosenYear {
void setSource(std::function<QString()> source);
// The year, trimmed.
QString get();
} // namespace ChosenYear
