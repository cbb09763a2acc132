// Every clickable picture and caption is a push button to the desktop's
// accessibility tools, named by its caption or tooltip, and its press action
// does what the mouse does.

#include "common/PictureButton.h"
#include "shell/frmMenu.h"
#include "slips/frmBollettini.h"
#include "slips/frmSelezione.h"
#include "support/TestPlatform.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

namespace {

// The accessible interfaces of every picture button under the window.
std::vector<QAccessibleInterface*> pictureButtons(QWidget& window) {
    std::vector<QAccessibleInterface*> found;
    std::vector<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(&window)};
    while (!pending.empty()) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        if (!node)
            continue;
        if (qobject_cast<PictureButton*>(node->object()))
            found.push_back(node);
        for (int i = 0; i < node->childCount(); ++i)
            pending.push_back(node->child(i));
    }
    return found;
}

QStringList checkedNames(QWidget& window) {
    QStringList names;
    for (QAccessibleInterface* node : pictureButtons(window)) {
        auto* button = qobject_cast<PictureButton*>(node->object());
        const QString name = node->text(QAccessible::Name);
        EXPECT_EQ(node->role(), QAccessible::Button) << name.toStdString();
        const QString expected = button->caption().trimmed().isEmpty() ? button->toolTip().trimmed()
                                                                        : button->caption().trimmed();
        if (!expected.isEmpty()) {
            EXPECT_EQ(name, expected);
        }
        EXPECT_FALSE(name.isEmpty()) << "every picture button has a name";
        QAccessibleActionInterface* actions = node->actionInterface();
        if (button->isEnabled()) { // the decorative logos are disabled: nothing to press
            EXPECT_TRUE(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
                << name.toStdString();
        }
        names << name;
    }
    return names;
}

void press(QWidget& window, const QString& name, int index = 0) {
    for (QAccessibleInterface* node : pictureButtons(window))
        if (node->text(QAccessible::Name) == name && index-- == 0) {
            node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            return;
        }
    ADD_FAILURE() << "no button " << name.toStdString();
}

class Accessibility : public ::testing::Test {
protected:
    TestPlatform tp;
};

TEST_F(Accessibility, MenuAndYearChooserPicturesAndCaptionsArePushButtons) {
    frmMenu& m = Forms::get<frmMenu>();
    m.Show();
    const QStringList names = checkedNames(m);
    EXPECT_EQ(names.count("Anagrafica"), 2) << "the picture and its caption";

    tp.modal.expect("frmHelpForm", [](QWidget& help) { static_cast<Form&>(help).Unload(); });
    press(m, QStringLiteral("Guida"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tp.modal.steps.empty(); }, 2000));

    frmSelezione& c = Forms::get<frmSelezione>();
    c.Show();
    EXPECT_TRUE(checkedNames(c).contains("Impostazioni separatore decimale")) << "a picture named by its tooltip";
}

TEST_F(Accessibility, SlipFormToolsArePushButtonsAndNuovoEmptiesTheForm) {
    frmBollettini& f = Forms::get<frmBollettini>();
    f.lblFile->setText(QStringLiteral("2026"));
    f.Show();
    const QStringList names = checkedNames(f);
    for (const char* name : {"Nuovo", "Salva", "Trova", "Imposta", "Stampa", "Elimina"})
        EXPECT_EQ(names.count(QString::fromUtf8(name)), 2) << name << ": the icon and its caption";
    EXPECT_EQ(names.count("Importa dati"), 3);
    EXPECT_EQ(names.count("Esporta dati"), 3);

    for (int which : {0, 1}) { // the icon, then the caption
        f.txtCC->setText(QStringLiteral("123"));
        f.txtIntestatario01->setText(QStringLiteral("ROSSI"));
        f.lblPosizione->setText(QStringLiteral(" 4"));
        press(f, QStringLiteral("Nuovo"), which);
        EXPECT_TRUE(QTest::qWaitFor([&] { return f.txtCC->text().isEmpty(); }, 2000)) << which;
        EXPECT_EQ(f.txtIntestatario01->text(), "");
        EXPECT_EQ(f.lblPosizione->text(), "");
        EXPECT_EQ(f.lblNuovo->foreColor(), Colors::Black) << "the caption is black again after the press";
    }
    EXPECT_TRUE(tp.messages.shown.empty());
}

} // namespace
