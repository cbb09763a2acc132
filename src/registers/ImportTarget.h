#pragma once
// The window the import lookups write a picked record into: the slip form.
// It lives above the lookups, so it is handed down (InstallHandDowns); until
// then a pick in an import lookup writes nowhere.

#include <functional>

class QWidget;

namespace ImportTarget {
// `form` gives the slip form, loading it when it is not loaded.
void setForm(std::function<QWidget&()> form);
// The slip form; nullptr while none has been handed down.
QWidget* form();
} // namespace ImportTarget
