#pragma once
// The pictures of the checkers and of the mail composer, drawn at run time.

#include <QPixmap>

namespace CheckPictures {
// Two overlapping written sheets (copy to the clipboard).
QPixmap copySheets(int size);
// A magnifying glass over a green tick (the check button).
QPixmap checkTick(int width, int height);
// The checker's logo: a card with a row of characters and a caption.
QPixmap logo(const QString& caption, int width, int height);
// A closed envelope (send the e-mail).
QPixmap envelope(int width, int height);
} // namespace CheckPictures
