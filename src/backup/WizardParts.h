#pragma once
// What the backup wizard's steps share: their colours and texts, their
// pictures and the building blocks of their windows.

#include "common/Form.h"
#include "common/PictureButton.h"

#include <QLabel>
#include <QPixmap>
#include <QString>

namespace WizardParts {

extern const QString kBlankLine;
constexpr unsigned int kOptionRest = 0x400000;   // dark blue
constexpr unsigned int kOptionChosen = 0x0000FF; // red
constexpr unsigned int kStepGrey = 0xC0C0C0;

// An arrow pointing right (Avanti) or left (Indietro).
QPixmap arrow(int size, bool right);
// An open door (Esci).
QPixmap door(int size);
// A hand pointing right, at the button to use next.
QPixmap pointingHand(int width, int height);
// A yellow folder (Seleziona cartella).
QPixmap folder(int size);
// A sheet with a green arrow coming back to it (Seleziona file).
QPixmap backupSheet(int size);
// The picture as a disabled button shows it.
QPixmap greyed(const QPixmap& picture);
// The Avanti arrow.
QPixmap nextPicture();

// A wizard button: a picture above its word, which is also its name.
PictureButton* wizardButton(QWidget* parent, const QPixmap& picture, const QString& word);
// A button whose picture turns grey while it is disabled.
void enableLooking(PictureButton* button, const QPixmap& picture, bool enabled);
// The hand pointing at the button to use next.
QLabel* handPicture(QWidget* parent);
// The text colour of an option or a label.
void paintText(QWidget* w, unsigned int vb);
// A label of wrapped Verdana text, as the steps' information texts are.
QLabel* wrappedLabel(QWidget* parent);
// The close box is left out: the steps are left through their own buttons.
void dropCloseBox(Form* form);

} // namespace WizardParts
