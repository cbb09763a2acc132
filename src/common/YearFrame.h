#pragma once
// The year frame of the two year choosers (the slip archive's and the
// summaries'): " Specificare un anno solare : " with the calendar and the
// year box, and the rule that a year is four digits, because it names the
// archive file.

#include "common/Controls.h"
#include "common/FieldRules.h"

#include <QGroupBox>
#include <QLabel>

struct YearFrame {
    QGroupBox* frame;
    QLabel* calendar;
    TextBox* year;
};

// The frame, on `parent` at its place under the logo.
YearFrame CreateYearFrame(QWidget* parent);

// The notice for anything but four digits.
Notice YearNotice();

// The year box's text, trimmed, when it is four digits 0-9 (whatever way the
// text reached the box); otherwise the year notice, the focus back in the
// box, and an empty text.
QString CheckedYear(TextBox* year);
