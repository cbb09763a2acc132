#pragma once
// The pictures of the main menu, the register chooser and the password
// change that no other window shows.

#include <QPixmap>
#include <QString>

namespace MenuPictures {
// A padlock in front of a written sheet (the show / hide password picture).
QPixmap padlock(int size = 32);
// A small group of people (the registers of payees and payers).
QPixmap people(int width = 90, int height = 86);
// A parcel wrapped with string (the archive of payment reasons).
QPixmap parcel(int width = 67, int height = 64);
// The 72 x 72 tile of the main menu's background.
QPixmap backgroundTile();
// The main menu's scrolling line: what the program does, yellow on navy.
QString menuBannerText();
QPixmap menuBanner(int width = 1229, int height = 18);
} // namespace MenuPictures
