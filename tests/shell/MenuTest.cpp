#include "shell/MenuPictures.h"
#include "services/frmHelpForm.h"
#include "shell/frmMenu.h"
#include "summaries/frmSelezione01.h"
#include "shell/frmMenuAnagrafica.h"
#include "slips/frmSelezione.h"
#include "support/TestPlatform.h"

#include <QImage>
#include <QTest>

namespace {

QColor textColor(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
const QColor kDarkRed(192, 0, 0);
const QColor kBlack(0, 0, 0);

class Menu : public ::testing::Test {
protected:
    TestPlatform tp;
    frmMenu& menu() {
        frmMenu& m = Forms::get<frmMenu>();
        m.Show();
        return m;
    }
};

TEST_F(Menu, TitleControlsAndCaptions) {
    frmMenu& m = menu();
    EXPECT_EQ(m.windowTitle(), " Quillora - Mod. CH 8 TER / QUATER");
    EXPECT_NE(m.minimumSize(), m.maximumSize()) << "the menu is the one sizable window";
    const std::pair<PictureButton*, PictureButton*> choices[] = {{m.cmdBollettini, m.lblBollettini},
                                                             {m.cmdAnagrafica, m.lblAnagrafica},
                                                             {m.cmdCausali, m.lblCausali},
                                                             {m.cmdRiepilogo, m.lblRiepilogo}};
    QStringList captions;
    for (const auto& [button, label] : choices) {
        captions << label->text();
        EXPECT_EQ(button->accessibleName(), label->text());
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(label->backColor(), Colors::Navy);
        EXPECT_EQ(label->foreColor(), Colors::White);
    }
    EXPECT_EQ(captions, QStringList({"Compilazione e stampa bollettini", "Anagrafica", "Archivio causali",
                                     "Riepilogo versamenti"}));
    EXPECT_EQ(m.lblMod->text(), "Mod. CH 8 TER / QUATER");
    EXPECT_FALSE(m.cmdLogo->isEnabled());
    EXPECT_EQ(m.imgGuida->toolTip(), " Guida ");
    EXPECT_EQ(m.imgEsci->toolTip(), " Esci ");
    EXPECT_FALSE(m.P->isVisible());
    EXPECT_EQ(m.tileWidth(), 72);
    EXPECT_EQ(m.tileHeight(), 72);
    EXPECT_TRUE(m.Timer1->isActive());
    EXPECT_EQ(m.Timer1->interval(), 20);
}

TEST_F(Menu, BannerStepsLeftAndWrapsOnlyPastTheEnd) {
    frmMenu& m = menu();
    EXPECT_EQ(m.bannerLeft(), 9890);
    m.Timer1_Timer();
    EXPECT_EQ(m.bannerLeft(), 9870);

    m.setBannerLeft(-18500); // exactly at the limit: not yet gone
    m.Timer1_Timer();
    EXPECT_EQ(m.bannerLeft(), -18520);
    EXPECT_EQ(m.picFlash->x(), -1235);
    m.Timer1_Timer();
    EXPECT_EQ(m.bannerLeft(), 10180);
    EXPECT_EQ(m.picFlash->x(), Form::tw(10180));
    EXPECT_EQ(m.picFlash->y(), Form::tw(45));
}

TEST_F(Menu, PanelStaysCentredWithOffsetsTruncatedTowardZero) {
    frmMenu& m = menu();
    m.resize(Form::tw(11880), Form::tw(8490));
    m.Form_Resize();
    EXPECT_EQ(m.containerLeft(), 285); // (11880 - 11310) / 2
    EXPECT_EQ(m.containerTop(), 187);  // (8490 - 8115) / 2, the half dropped

    m.resize(700, 500); // 10500 x 7500 twips, narrower and lower than the panel
    m.Form_Resize();
    EXPECT_EQ(m.containerLeft(), -405);
    EXPECT_EQ(m.containerTop(), -307); // -307.5 toward zero, not -308
    EXPECT_EQ(m.picContainer->pos(), QPoint(-27, -20));
    EXPECT_EQ(m.picContainer->size(), QSize(Form::tw(11310), Form::tw(8115)));
    EXPECT_GE(m.windowWidth(), 700);
    EXPECT_GE(m.windowHeight(), 500);
}

TEST_F(Menu, TilesCoverTheWholeClientArea) {
    frmMenu& m = menu();
    m.resize(1000, 800);
    m.Form_Resize();
    const QImage shot = m.grab().toImage();
    const QImage tile = MenuPictures::backgroundTile().toImage();
    for (const QPoint at : {QPoint(1, 1), QPoint(999, 1), QPoint(1, 799), QPoint(999, 799), QPoint(150, 40)})
        EXPECT_EQ(shot.pixelColor(at), tile.pixelColor(at.x() % 72, at.y() % 72)) << at.x() << "," << at.y();
}

TEST_F(Menu, CaptionPressTurnsDarkRedAndReleaseAnywhereActsInNavy) {
    frmMenu& m = menu();
    tp.modal.expect("frmCausali"); // the reason card, over the menu
    for (PictureButton* label : {m.lblCausali}) {
        QTest::mousePress(label, Qt::LeftButton);
        EXPECT_EQ(label->backColor(), Colors::DarkRed);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-40, -40));
        EXPECT_EQ(label->backColor(), Colors::Navy);
    }
    // Nothing was shown in their place: the menu stays.
    TestPlatform::settle();
    EXPECT_TRUE(Forms::isLoaded<frmMenu>());

    QTest::mousePress(m.lblAnagrafica, Qt::RightButton);
    EXPECT_EQ(m.lblAnagrafica->backColor(), Colors::DarkRed);
    tp.modal.expect("frmMenuAnagrafica",
                    [&](QWidget&) { EXPECT_EQ(m.lblAnagrafica->backColor(), Colors::Navy); });
    QTest::mouseRelease(m.lblAnagrafica, Qt::RightButton, {}, QPoint(500, 500));
    EXPECT_EQ(tp.modal.opened, (std::vector<std::string>{"frmCausali", "frmMenuAnagrafica"}));

    // "Riepilogo versamenti" opens the summary year chooser in the menu's place.
    QTest::mousePress(m.lblRiepilogo, Qt::RightButton);
    EXPECT_EQ(m.lblRiepilogo->backColor(), Colors::DarkRed);
    QTest::mouseRelease(m.lblRiepilogo, Qt::RightButton, {}, QPoint(-40, -40));
    EXPECT_EQ(m.lblRiepilogo->backColor(), Colors::Navy);
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmMenu>());
    ASSERT_TRUE(Forms::isLoaded<frmSelezione01>());
    EXPECT_TRUE(Forms::existing<frmSelezione01>()->isVisible());
}

TEST_F(Menu, HelpPictureWithAnyButtonShowsTheOverviewAndComesBack) {
    frmMenu& m = menu();
    const QPoint resting = m.imgGuida->pos();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(m.imgGuida, button);
        EXPECT_EQ(m.imgGuida->pos(), QPoint(Form::tw(110), Form::tw(200)));
        tp.modal.expect("frmHelpForm", [&](QWidget& w) {
            EXPECT_EQ(static_cast<frmHelpForm&>(w).lblTitolo->text(), "Uno sguardo a Quillora");
            EXPECT_EQ(m.imgGuida->pos(), resting);
            EXPECT_TRUE(m.isVisible());
        });
        QTest::mouseRelease(m.imgGuida, button, {}, QPoint(-100, 300));
        TestPlatform::settle();
    }
    EXPECT_EQ(tp.modal.opened.size(), 3u);
    EXPECT_TRUE(Forms::isLoaded<frmMenu>());
    EXPECT_FALSE(tp.program.ended());
}

TEST_F(Menu, ExitPictureClosesTheMenuAndEndsTheProgram) {
    frmMenu& m = menu();
    const QPoint resting = m.imgEsci->pos();
    QTest::mousePress(m.imgEsci, Qt::RightButton);
    EXPECT_EQ(m.imgEsci->pos(), resting + QPoint(Form::tw(245) - Form::tw(225), Form::tw(7535) - Form::tw(7515)));
    QTest::mouseRelease(m.imgEsci, Qt::RightButton);
    EXPECT_TRUE(tp.program.ended());
    EXPECT_FALSE(Forms::isLoaded<frmMenu>());
}

TEST_F(Menu, BollettiniShowsTheYearChooserAndTheMenuCloses) {
    frmMenu& m = menu();
    QTest::mousePress(m.lblBollettini, Qt::LeftButton);
    EXPECT_EQ(m.lblBollettini->backColor(), Colors::DarkRed);
    QTest::mouseRelease(m.lblBollettini, Qt::LeftButton, {}, QPoint(-40, -40));
    EXPECT_EQ(m.lblBollettini->backColor(), Colors::Navy);
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmMenu>());
    ASSERT_TRUE(Forms::isLoaded<frmSelezione>());
    EXPECT_TRUE(Forms::existing<frmSelezione>()->isVisible());
    EXPECT_FALSE(tp.program.ended());

    Forms::existing<frmSelezione>()->cmdChiudi->click(); // and back: a fresh menu
    Forms::get<frmMenu>().cmdBollettini->click();
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmMenu>());
    EXPECT_TRUE(Forms::isLoaded<frmSelezione>());
    EXPECT_TRUE(tp.modal.opened.empty());
}

TEST_F(Menu, AnagraficaShowsTheChooserModallyOverTheOpenMenu) {
    frmMenu& m = menu();
    tp.modal.expect("frmMenuAnagrafica", [&](QWidget&) { EXPECT_TRUE(m.isVisible()); });
    m.cmdAnagrafica->click();
    TestPlatform::settle();
    EXPECT_TRUE(Forms::isLoaded<frmMenu>());
    EXPECT_FALSE(tp.program.ended());
}

// ---------------------------------------------------------------- register chooser

using Chooser = Menu;

TEST_F(Chooser, OpensWithThePayeesChosenAndColoursFollowTheChoice) {
    frmMenuAnagrafica& c = Forms::get<frmMenuAnagrafica>();
    EXPECT_EQ(c.windowTitle(), " Quillora - Selezione archivio anagrafico");
    EXPECT_EQ(c.minimumSize(), c.maximumSize());
    EXPECT_EQ(c.fraSeleziona->title(), " Selezionare un archivio:");
    EXPECT_EQ(c.optIntestatari->text(), " Anagrafica intestatari ");
    EXPECT_EQ(c.optEsecutori->text(), " Anagrafica esecutori ");
    EXPECT_EQ(c.cmdApri->text(), "Apri archivio");
    EXPECT_TRUE(c.optIntestatari->isChecked());
    EXPECT_EQ(textColor(c.optIntestatari), kDarkRed);
    EXPECT_EQ(textColor(c.optEsecutori), kBlack);

    c.optEsecutori->click();
    EXPECT_EQ(textColor(c.optEsecutori), kDarkRed);
    EXPECT_EQ(textColor(c.optIntestatari), kBlack);
    c.optIntestatari->click();
    EXPECT_EQ(textColor(c.optIntestatari), kDarkRed);
    EXPECT_EQ(textColor(c.optEsecutori), kBlack);
}

TEST_F(Chooser, DoubleClickOnThePayersChoosesThemAndClosesTheChooser) {
    frmMenu& m = menu();
    tp.modal.expect("frmMenuAnagrafica", [](QWidget& w) {
        auto& c = static_cast<frmMenuAnagrafica&>(w);
        QTest::mouseClick(c.optEsecutori, Qt::LeftButton);
        QTest::mouseDClick(c.optEsecutori, Qt::LeftButton);
        EXPECT_TRUE(c.optEsecutori->isChecked());
        EXPECT_EQ(textColor(c.optEsecutori), kDarkRed);
        EXPECT_TRUE(c.isUnloaded());
        EXPECT_FALSE(c.isVisible());
    });
    // The payer card, right above the menu.
    tp.modal.expect("frmEsecutori", [](QWidget&) { EXPECT_FALSE(Forms::isLoaded<frmMenuAnagrafica>()); });
    m.cmdAnagrafica_Click();
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmMenuAnagrafica>());
    EXPECT_TRUE(m.isVisible());
    EXPECT_FALSE(tp.program.ended());
}

TEST_F(Chooser, OpenClosesTheChooserAndTheCloseBoxForgetsTheChoice) {
    frmMenu& m = menu();
    tp.modal.expect("frmMenuAnagrafica", [](QWidget& w) {
        auto& c = static_cast<frmMenuAnagrafica&>(w);
        c.cmdApri->click();
        EXPECT_TRUE(c.isUnloaded());
    });
    // The chooser is gone before the payee card shows, and comes not back.
    tp.modal.expect("frmIntestatari", [](QWidget&) { EXPECT_FALSE(Forms::isLoaded<frmMenuAnagrafica>()); });
    m.cmdAnagrafica_Click();
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmMenuAnagrafica>());

    tp.modal.expect("frmMenuAnagrafica", [](QWidget& w) {
        auto& c = static_cast<frmMenuAnagrafica&>(w);
        c.optEsecutori->click();
        c.close(); // the close box
    });
    m.cmdAnagrafica_Click();
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmMenuAnagrafica>());

    tp.modal.expect("frmMenuAnagrafica", [](QWidget& w) {
        auto& c = static_cast<frmMenuAnagrafica&>(w);
        EXPECT_TRUE(c.optIntestatari->isChecked());
        EXPECT_EQ(textColor(c.optIntestatari), kDarkRed);
    });
    m.cmdAnagrafica_Click();
    EXPECT_EQ(tp.modal.opened.size(), 4u);
}

} // namespace
