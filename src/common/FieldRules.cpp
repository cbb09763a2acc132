#include "common/FieldRules.h"

#include "common/FixedRecord.h"

#include <QPointer>

using platform::MsgBox;
using platform::MsgButtons;
using platform::MsgIcon;

Notice DigitsNotice() {
    return {QStringLiteral("Digitare solo valori numerici."), QStringLiteral("Attenzione: carattere non valido"),
            MsgIcon::Exclamation};
}

void HighlightOnFocus(TextBox* box, unsigned int restingColor) {
    box->addGotFocus([box] { box->setBackColor(Colors::Focus); });
    box->addLostFocus([box, restingColor] { box->setBackColor(restingColor); });
}

void HighlightOnFocus(TextArea* box, unsigned int restingColor) {
    box->addGotFocus([box] { box->setBackColor(Colors::Focus); });
    box->addLostFocus([box, restingColor] { box->setBackColor(restingColor); });
}

void SelectAllOnFocus(TextBox* box) {
    box->addGotFocus([box] { box->selectAll(); });
}

void MoveOnEnter(TextBox* box, QWidget* successor) {
    box->addKeyPress([successor](int& code) {
        if (code == 13)
            successor->setFocus(Qt::OtherFocusReason);
    });
}

void MoveOnEnter(TextArea* box, QWidget* successor) {
    box->addKeyPress([successor](int& code) {
        if (code == 13) {
            successor->setFocus(Qt::OtherFocusReason);
            code = 0;
        }
    });
}

void ActOnEnter(TextBox* box, std::function<void()> action, std::function<bool()> condition) {
    box->addKeyPress([action = std::move(action), condition = std::move(condition)](int& code) {
        if (code == 13 && (!condition || condition()))
            action();
    });
}

void UpperCaseLetter(TextBox* box) {
    box->addKeyPress([](int& code) { KeyRules::upperCase(code); });
}

void DigitsOnly(TextBox* box, Notice notice, bool focusBackAfterNotice) {
    box->setDigitsOnly(true);
    QPointer<TextBox> guard(box);
    box->addKeyPress([guard, notice = std::move(notice), focusBackAfterNotice](int& code) {
        if (code == 13 || KeyRules::isDigitOrBackspace(code))
            return;
        MsgBox(notice.text, notice.icon, MsgButtons::OK, notice.title);
        code = 0;
        if (focusBackAfterNotice && guard)
            guard->setFocus(Qt::OtherFocusReason);
    });
}

void RefuseComma(TextBox* box, QWidget* focusAfter) {
    box->addKeyPress([focusAfter](int& code) {
        if (code != 44)
            return;
        code = 0;
        MsgBox(QString::fromUtf8("Non è necessario utilizzare la virgola.\r\n\r\n"
                                 "Inserire i centesimi di euro nell'apposita casella."),
               MsgIcon::Exclamation, MsgButtons::OK, QStringLiteral("Attenzione: carattere non valido"));
        focusAfter->setFocus(Qt::OtherFocusReason);
    });
}

void CompleteCents(TextBox* box) {
    box->addLostFocus([box] {
        if (box->text().size() == 1)
            box->setText(box->text() + QLatin1Char('0'));
    });
}

void EnableWhileFilled(QWidget* button, std::initializer_list<QLineEdit*> boxes) {
    std::vector<QLineEdit*> list(boxes);
    for (QLineEdit* box : list)
        QObject::connect(box, &QLineEdit::textChanged, button, [button, list] {
            bool filled = true;
            for (QLineEdit* b : list)
                filled = filled && !trimBlanks(b->text()).isEmpty();
            button->setEnabled(filled);
        });
}
