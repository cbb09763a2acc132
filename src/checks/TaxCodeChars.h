#pragma once
// Characters that never belong in a tax code are shown as "*" as soon as they
// reach a tax-code box: the checker's box and the register cards' boxes run
// the same filter on every change of their text.

#include <QLineEdit>
#include <QString>

// The characters replaced, compared code by code (the blank last, "|" twice,
// "*" itself included, so a "*" already in the box counts as found).
extern const QString ForbiddenCharList;

// The value with every listed character replaced by "*". Each time one is
// found the caret of `box` (the tax-code box whose text this is; may be null)
// goes to the end of the box's text.
QString FilterForbiddenChars(const QString& value, QLineEdit* box);

// The tax-code box's change step: its text filtered and written back. Writing
// an equal text raises no change, so the chain ends after one more round.
void ApplyTaxCodeFilter(QLineEdit* box);
