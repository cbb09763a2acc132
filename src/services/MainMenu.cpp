#include "services/MainMenu.h"

namespace {
std::function<void()>& shower() {
    static std::function<void()> show;
    return show;
}
} // namespace

void MainMenu::setShow(std::function<void()> show) { shower() = std::move(show); }

void MainMenu::show() {
    if (shower())
        shower()();
}
