#include "backup/BackupWindows.h"
#include "slips/frmSelezione.h"
#include "support/TestPlatform.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>

namespace {

// A small register card: a record number, boxes with side buttons that
// follow them, a notes area and a combo box.
class TestCard final : public Form {
    Q_OBJECT
public:
    TestCard() : Form(Kind::Dialog) {
        lblPosizione = new QLabel(QStringLiteral(" 7"), this);
        lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
        lblAltro = new QLabel(QStringLiteral("Telefono"), this);
        for (int i = 0; i < 3; ++i) {
            auto* box = new TextBox(this);
            auto* side = new QPushButton(this);
            connect(box, &QLineEdit::textChanged, this, [this, side](const QString& text) {
                ++changes;
                side->setEnabled(!text.trimmed().isEmpty());
            });
            box->setText(QStringLiteral("valore %1").arg(i));
            boxes.push_back(box);
            sides.push_back(side);
        }
        txtNot = new TextArea(this);
        txtNot->setText(QStringLiteral("riga 1\r\nriga 2"));
        cboTipo = new QComboBox(this);
        cboTipo->setEditable(true);
        cboTipo->addItems({QStringLiteral("A"), QStringLiteral("B")});
        cboTipo->setCurrentIndex(1);
        changes = 0;
    }
    QLabel* lblPosizione;
    QLabel* lblAltro;
    std::vector<TextBox*> boxes;
    std::vector<QPushButton*> sides;
    TextArea* txtNot;
    QComboBox* cboTipo;
    int changes = 0;
};

} // namespace

TEST(ClearRegisterForm, EmptiesTheCardAsTypingWouldAndMarksItNew) {
    TestPlatform tp;
    TestCard& card = Forms::get<TestCard>();
    for (QPushButton* side : card.sides)
        ASSERT_TRUE(side->isEnabled());
    ClearRegisterForm(card);
    EXPECT_EQ(card.lblPosizione->text(), "");
    EXPECT_EQ(card.lblAltro->text(), "Telefono") << "other labels stay";
    for (TextBox* box : card.boxes)
        EXPECT_EQ(box->text(), "");
    EXPECT_EQ(card.changes, 3) << "each box's change handling ran";
    for (QPushButton* side : card.sides)
        EXPECT_FALSE(side->isEnabled());
    EXPECT_EQ(card.txtNot->text(), "");
    EXPECT_EQ(card.cboTipo->currentText(), "");
    EXPECT_FALSE(card.isUnloaded()) << "the card stays open";
}

TEST(ClearRegisterForm, ARestoreThroughTheWizardClearsTheCardBeneath) {
    TestPlatform tp;
    TestCard& card = Forms::get<TestCard>();
    ASSERT_TRUE(QDir(tp.dir.path()).mkpath("copie"));
    const QByteArray backup(2 * 853, 'P');
    {
        QFile f(tp.path("copie/Backup_intestatari_1_1_2027.bki"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(backup);
    }
    const auto cardHook = Variant(BackupArchive::Payees).afterRestore;
    Variant(BackupArchive::Payees).afterRestore = [] { ClearRegisterForm(Forms::get<TestCard>()); };
    tp.choosers.fileAnswers = {tp.path("copie/Backup_intestatari_1_1_2027.bki")};
    tp.messages.answers = {platform::MsgAnswer::Yes};
    tp.modal.expect("frmBakClientiIN", [&](QWidget& w) {
        auto& first = static_cast<BackupStart&>(w);
        tp.modal.expect("frmRipClientiIN01", [&](QWidget& s) {
            auto& step = static_cast<CopyStep&>(s);
            step.cmdSelect->click();
            step.cmdEffettua->click();
            EXPECT_EQ(card.lblPosizione->text(), "");
        });
        first.optRipDDT->click();
        first.cmdAvanti->click();
    });
    Variant(BackupArchive::Payees).firstStep().ShowModal();
    Variant(BackupArchive::Payees).afterRestore = cardHook;
    EXPECT_EQ(card.boxes[0]->text(), "");
    EXPECT_FALSE(card.sides[2]->isEnabled());
    QFile live(tp.path("Intestatari.idb"));
    ASSERT_TRUE(live.open(QIODevice::ReadOnly));
    EXPECT_EQ(live.readAll(), backup);
}

#include "ClearRegisterFormTest.moc"
