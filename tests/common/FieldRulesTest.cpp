#include "common/FieldRules.h"
#include "common/PictureButton.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

namespace {

class FieldRules : public ::testing::Test {
protected:
    TestPlatform tp;
    QWidget window;
    TextBox* a = new TextBox(&window);
    TextBox* b = new TextBox(&window);

    void SetUp() override {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(FieldRules, DigitsOnlyHoldsForTypingAndForEveryWayOfPasting) {
    DigitsOnly(a, DigitsNotice());
    a->setFocus();
    QTest::keyClicks(a, "12x3");
    EXPECT_EQ(a->text(), "123");
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, "Digitare solo valori numerici.");

    QApplication::clipboard()->setText("4a5");
    a->typeCode(22); // Ctrl+V: refused with the notice
    EXPECT_EQ(a->text(), "123");
    EXPECT_EQ(tp.messages.shown.size(), 2u);
    a->paste(); // the context menu's paste: refused silently
    EXPECT_EQ(a->text(), "123");
    QApplication::clipboard()->setText("45");
    a->paste();
    EXPECT_EQ(a->text(), "12345");
}

TEST_F(FieldRules, UpperCaseActsOnKeysOnlyAndTextFitsTheCodePage) {
    UpperCaseLetter(a);
    a->setFocus();
    QTest::keyClicks(a, "via d'");
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("à"));
    QApplication::sendEvent(a, &accented);
    QTest::keyClicks(a, "ncora 3");
    EXPECT_EQ(a->text(), QString::fromUtf8("VIA D'àNCORA 3"));
    QApplication::clipboard()->setText(QString::fromUtf8("roma \u03A9\U0001F600"));
    a->paste();
    EXPECT_EQ(a->text(), QString::fromUtf8("VIA D'àNCORA 3roma ??"));
}

TEST_F(FieldRules, HighlightFollowsTheFocusAcrossAWindowSwitch) {
    HighlightOnFocus(a, Colors::LightGrey);
    HighlightOnFocus(b, Colors::LightGrey);
    b->setFocus();
    a->setFocus();
    EXPECT_EQ(a->backColor(), Colors::Focus);
    EXPECT_EQ(b->backColor(), Colors::LightGrey);
    // A message box takes the window's focus and gives it back elsewhere.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(a, &away);
    EXPECT_EQ(a->backColor(), Colors::Focus);
    // ... and the window hands it back to another box.
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(b, &back);
    EXPECT_EQ(b->backColor(), Colors::Focus);
    EXPECT_EQ(a->backColor(), Colors::LightGrey);
}

TEST_F(FieldRules, EnterMovesCommaIsRefusedAndCentsAreCompleted) {
    RefuseComma(a, b);
    DigitsOnly(a, DigitsNotice());
    CompleteCents(b);
    a->setFocus();
    QTest::keyClicks(a, "12,");
    EXPECT_EQ(a->text(), "12");
    EXPECT_TRUE(tp.messages.last().text.startsWith(QString::fromUtf8("Non è necessario")));
    EXPECT_TRUE(b->hasFocus());
    QTest::keyClicks(b, "5");
    MoveOnEnter(b, a);
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_TRUE(a->hasFocus());
    EXPECT_EQ(b->text(), "50");
}

TEST_F(FieldRules, EnableWhileFilledCountsOnlyBlanksAsEmpty) {
    QPushButton button(&window);
    button.setEnabled(false);
    EnableWhileFilled(&button, {a, b});
    a->setText("x");
    EXPECT_FALSE(button.isEnabled());
    b->setText("   ");
    EXPECT_FALSE(button.isEnabled());
    b->setText(QString(QChar(0xA0)));
    EXPECT_TRUE(button.isEnabled());
    a->clear();
    EXPECT_FALSE(button.isEnabled());
}

} // namespace

TEST(PictureButtonEvents, ClickFollowsMouseUpOnTheLeftButtonOnly) {
    PictureButton picture;
    QStringList events;
    picture.MouseUp = [&](Qt::MouseButton) { events << "up"; };
    QObject::connect(&picture, &QAbstractButton::clicked, [&] { events << "click"; });
    QTest::mouseClick(&picture, Qt::LeftButton);
    QTest::mouseClick(&picture, Qt::RightButton);
    EXPECT_EQ(events, QStringList({"up", "click", "up"}));
}
