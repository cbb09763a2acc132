#include "common/Form.h"

#include "common/Controls.h"
#include "platform/Program.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QMetaObject>

namespace {
std::vector<QPointer<Form>>& liveForms() {
    static std::vector<QPointer<Form>> forms;
    return forms;
}
} // namespace

Form::Form(Kind kind) : QWidget(nullptr) {
    switch (kind) {
    case Kind::TopLevel:
        setWindowFlags(Qt::Window);
        break;
    case Kind::Dialog:
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        break;
    case Kind::ToolDialog:
        setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        break;
    }
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto& forms = liveForms();
    std::erase_if(forms, [](const QPointer<Form>& p) { return p.isNull(); });
    forms.emplace_back(this);
}

Form::~Form() = default;

void Form::load() {
    loading_ = true;
    Form_Load();
    loading_ = false;
}

void Form::Show() {
    if (unloaded_ || platform::program().ended())
        return;
    setWindowModality(Qt::NonModal);
    show();
    raise();
    activateWindow();
}

void Form::ShowModal() {
    if (unloaded_ || platform::program().ended())
        return;
    platform::modalRunner().runModal(*this);
}

void Form::Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    Form_Unload();
    hide();
    emit finished();
    deleteLater();
    // The program ends when its last window has gone; the check waits until
    // the running handler is over, since a handler may close its window
    // before it shows the next one.
    QMetaObject::invokeMethod(
        qApp,
        [] {
            for (const auto& f : liveForms())
                if (f && !f->isUnloaded() && f->isVisible())
                    return;
            platform::program().end();
        },
        Qt::QueuedConnection);
}

void Form::closeEvent(QCloseEvent* event) {
    // The close box of the title bar unloads the form like its own close button.
    event->accept();
    Unload();
}

void Form::setClientSizeTwips(int width, int height) { setFixedSize(tw(width), tw(height)); }

void Form::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form::setBackColor(unsigned int vb) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, vbColor(vb));
    setPalette(pal);
}

void Form::place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(tw(left), tw(top), tw(width), tw(height));
}

void Forms::destroyAll() {
    auto forms = liveForms();
    liveForms().clear();
    for (auto& f : forms)
        if (f) {
            f->unloaded_ = true;
            delete f.data();
        }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
