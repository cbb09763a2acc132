#pragma once
// The pictures of the slip form that no other window shows.

#include <QPixmap>

namespace SlipPictures {
// A small postage stamp with the euro sign (beside the slip's heading).
QPixmap postStamp(int width, int height);
// A card-index box with a green arrow: into the slip (import) or out of it (export).
QPixmap cardImport(int size);
QPixmap cardExport(int size);
} // namespace SlipPictures
