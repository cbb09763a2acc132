#include "services/ChosenYear.h"

#include <QDate>

namespace {
std::function<QString()>& source() {
    static std::function<QString()> read;
    return read;
}
} // namespace

void ChosenYear::setSource(std::function<QString()> read) { source() = std::move(read); }

QString ChosenYear::get() {
    if (source())
        return source()().trimmed();
    return QDate::currentDate().toString(QStringLiteral("yyyy"));
}
