#pragma once
// The main menu, which a work window brings back when it closes. The menu
// lives above the windows that return to it: the program hands down how it is
// shown (InstallHandDowns), and until then returning shows nothing.

#include <functional>

namespace MainMenu {
void setShow(std::function<void()> show);
// Shows the main menu, loading it first when it is not loaded.
void show();
} // namespace MainMenu
