#include "registers/ImportTarget.h"

namespace {
std::function<QWidget&()>& target() {
    static std::function<QWidget&()> form;
    return form;
}
} // namespace

void ImportTarget::setForm(std::function<QWidget&()> form) { target() = std::move(form); }

QWidget* ImportTarget::form() { return target() ? &target()() : nullptr; }
