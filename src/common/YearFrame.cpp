#include "common/YearFrame.h"

#include "common/Form.h"
#include "common/Pictures.h"
#include "platform/Messages.h"

#include <QFont>

#include <algorithm>

using namespace platform;

YearFrame CreateYearFrame(QWidget* parent) {
    YearFrame y{};
    y.frame = new QGroupBox(QStringLiteral(" Specificare un anno solare : "), parent);
    QFont frameFont(QStringLiteral("Verdana"));
    frameFont.setPointSizeF(9.75);
    y.frame->setFont(frameFont);
    Form::place(y.frame, 120, 1020, 4080, 1920);

    y.calendar = new QLabel(y.frame);
    y.calendar->setPixmap(Pictures::calendar(Form::tw(1080), Form::tw(1200)));
    Form::place(y.calendar, 240, 420, 1080, 1200);

    y.year = new TextBox(y.frame);
    y.year->setMaxLength(4);
    y.year->setAlignment(Qt::AlignCenter);
    QFont yearFont(QStringLiteral("Verdana"));
    yearFont.setPointSize(24);
    yearFont.setBold(true);
    y.year->setFont(yearFont);
    y.year->setForeColor(Colors::Navy);
    y.year->setBackColor(Colors::WindowBackground);
    y.year->setAccessibleName(y.frame->title().trimmed());
    Form::place(y.year, 1500, 600, 2340, 840);
    return y;
}

Notice YearNotice() {
    return {QStringLiteral("Indicare l'anno solare utilizzando quattro cifre."),
            QStringLiteral("Attenzione: formato anno solare non valido"), MsgIcon::Information};
}

QString CheckedYear(TextBox* year) {
    const QString text = year->text().trimmed();
    if (text.size() == 4 && std::all_of(text.begin(), text.end(),
                                        [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
        return text;
    const Notice notice = YearNotice();
    MsgBox(notice.text, notice.icon, MsgButtons::OK, notice.title);
    year->setFocus(Qt::OtherFocusReason);
    return QString();
}
