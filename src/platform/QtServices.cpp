// The real implementations of the program-wide services, over Qt.
#include "platform/Messages.h"
#include "platform/Program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace platform {

namespace {

class QtMessages final : public IMessages {
public:
    MsgAnswer show(const Message& m) override {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(m.title.isEmpty() ? QString::fromLatin1(kProgramTitle) : m.title);
        box.setText(m.text);
        switch (m.icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        }
        QAbstractButton* first = nullptr;
        QAbstractButton* second = nullptr;
        switch (m.buttons) {
        case MsgButtons::OK:
            first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            break;
        case MsgButtons::OKCancel:
            first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            second = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
            break;
        case MsgButtons::YesNo:
            first = box.addButton(QString::fromUtf8("Sì"), QMessageBox::YesRole);
            second = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
            break;
        }
        box.setDefaultButton(qobject_cast<QPushButton*>(first));
        if (second)
            box.setEscapeButton(second);
        QPointer<QWidget> owner = QApplication::activeWindow();
        box.exec();
        // The window beneath takes the keyboard back, also where no window
        // manager hands it over.
        if (owner && owner->isVisible())
            owner->activateWindow();
        const bool firstChosen = box.clickedButton() == first || (!second && box.clickedButton() == nullptr);
        switch (m.buttons) {
        case MsgButtons::OK: return MsgAnswer::OK;
        case MsgButtons::OKCancel: return firstChosen ? MsgAnswer::OK : MsgAnswer::Cancel;
        case MsgButtons::YesNo: return firstChosen ? MsgAnswer::Yes : MsgAnswer::No;
        }
        return MsgAnswer::Cancel;
    }
};

class QtProgram final : public IProgram {
public:
    void end() override {
        ended_ = true;
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        QCoreApplication::exit(0);
    }
    bool ended() const override { return ended_; }
    void beep() override { QApplication::beep(); }
    void setBusy(bool busy) override {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            while (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
    }

private:
    bool ended_ = false;
};

class QtModalRunner final : public IModalRunner {
public:
    void runModal(QWidget& window) override {
        QPointer<QWidget> guard(&window);
        QEventLoop loop;
        QObject::connect(&window, SIGNAL(finished()), &loop, SLOT(quit()));
        window.setWindowModality(Qt::ApplicationModal);
        window.show();
        window.raise();
        window.activateWindow();
        if (guard && guard->isVisible())
            loop.exec();
    }
};

QtMessages g_qtMessages;
QtProgram g_qtProgram;
QtModalRunner g_qtModal;
IMessages* g_messages = nullptr;
IProgram* g_program = nullptr;
IModalRunner* g_modal = nullptr;

} // namespace

IMessages& messages() { return g_messages ? *g_messages : g_qtMessages; }
void setMessages(IMessages* impl) { g_messages = impl; }
IProgram& program() { return g_program ? *g_program : g_qtProgram; }
void setProgram(IProgram* impl) { g_program = impl; }
IModalRunner& modalRunner() { return g_modal ? *g_modal : g_qtModal; }
void setModalRunner(IModalRunner* impl) { g_modal = impl; }

MsgAnswer MsgBox(const QString& text, MsgIcon icon, MsgButtons buttons, const QString& title) {
    return messages().show(Message{title, text, icon, buttons});
}

} // namespace platform
