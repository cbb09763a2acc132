#include "common/Form.h"
#include "common/RecordArchive.h"
#include "shell/HandDowns.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QProcessEnvironment>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Every test starts from what the first one found, whatever ran before it in
// the same process: no failed save remembered, an empty clipboard, the
// environment and working folder of the start, no window left over, no key
// or mouse button held, and the pointer off every window (the test library
// skips a move to where the pointer already is, so a pointer left on a spot
// would swallow the next test's move there).
class CleanSlate final : public ::testing::EmptyTestEventListener {
public:
    CleanSlate() : environment_(QProcessEnvironment::systemEnvironment()), folder_(QDir::currentPath()) {}

    void OnTestStart(const ::testing::TestInfo&) override {
        Forms::destroyAll();
        RecordArchive::ForgetFailedSaves();
        QGuiApplication::clipboard()->clear();
        restoreEnvironment();
        QDir::setCurrent(folder_);
        releaseHeld();
        QCursor::setPos(offScreen());
    }

private:
    void restoreEnvironment() const {
        const QProcessEnvironment now = QProcessEnvironment::systemEnvironment();
        for (const QString& name : now.keys())
            if (!environment_.contains(name))
                qunsetenv(name.toLocal8Bit().constData());
        for (const QString& name : environment_.keys())
            if (now.value(name) != environment_.value(name) || !now.contains(name))
                qputenv(name.toLocal8Bit().constData(), environment_.value(name).toLocal8Bit());
    }
    // A double click as the test library sends it has no release after it,
    // nor has a lone Control-key press: the application would take the button
    // or the key for held from then on.
    static void releaseHeld() {
        QWidget nowhere;
        if (QGuiApplication::keyboardModifiers() != Qt::NoModifier)
            QTest::keyRelease(&nowhere, Qt::Key_Control);
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (QGuiApplication::mouseButtons().testFlag(button)
                || QTestPrivate::qtestMouseButtons.testFlag(button))
                QTest::mouseRelease(&nowhere, button);
    }
    // A point below and right of every screen.
    static QPoint offScreen() {
        QRect all;
        for (const QScreen* screen : QGuiApplication::screens())
            all |= screen->geometry();
        return all.bottomRight() + QPoint(100, 100);
    }

    const QProcessEnvironment environment_;
    const QString folder_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // The program's windows, wired to each other as at start.
    InstallHandDowns();
    ::testing::UnitTest::GetInstance()->listeners().Append(new CleanSlate);
    return RUN_ALL_TESTS();
}
