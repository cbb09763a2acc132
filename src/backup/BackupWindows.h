#pragma once
// The backup wizard: a first step choosing between backup and restore, a
// backup step copying the live archive into a chosen folder and a restore
// step copying a chosen backup file over the live archive. One design per
// step; each archive (BackupVariants.h) has its own three named windows.
// Every step closes itself before it shows the next one, so the opener's
// modal show returns when the last step closes without showing another.
// There is no close box: a step is left through its own buttons, and the
// window manager's close acts as "Esci".

#include "backup/BackupVariants.h"
#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

// ------------------------------------------------------------ first step
class BackupStart : public Form {
    Q_OBJECT
public:
    QLabel* imgLogo;
    QLabel* imgTitolo;
    QLabel* lblInfo01;
    QLabel* lblInfo02;
    QGroupBox* fraOpzioni;
    QRadioButton* optBakDDT;
    QRadioButton* optRipDDT;
    PictureButton* cmdAvanti;
    QLabel* imgDex;
    PictureButton* cmdEsci;
    PictureButton* imgGuida;

    void optBakDDT_Click();
    void optRipDDT_Click();
    void cmdAvanti_Click();
    void cmdEsci_Click();
    void imgGuida_Click();

protected:
    explicit BackupStart(BackupArchive archive);
    void Form_Load() override;

private:
    void wire();
    void choose(QRadioButton* chosen, QRadioButton* other);
    const BackupVariant& variant() const { return Variant(archive_); }
    BackupArchive archive_;
};

// ------------------------------------------------------------ backup and restore steps
// What the two steps share: the layout, the two states (nothing chosen /
// chosen), Back and Exit.
class CopyStep : public Form {
    Q_OBJECT
public:
    Panel* picContainer;
    PictureButton* cmdLogo;
    QLabel* lblInfo01;
    PictureButton* cmdSelect;
    QLabel* imgMano01;
    QFrame* fraPath;
    QLabel* lblCartella;
    PictureButton* cmdEffettua;
    QLabel* imgMano02;
    PictureButton* cmdIndietro;
    PictureButton* cmdEsci;
    QFrame* Line1;
    QFrame* Line2;
    QFrame* Line3;
    QFrame* Line4;

    virtual void cmdSelect_Click() = 0;
    virtual void cmdEffettua_Click() = 0;
    void cmdIndietro_Click();
    void cmdEsci_Click();

protected:
    CopyStep(BackupArchive archive, const QString& title, const QString& selectCaption, const QString& actCaption,
             const QPixmap& selectPicture, const QPixmap& actPicture, const QString& nothingChosen);
    const BackupVariant& variant() const { return Variant(archive_); }
    // The chosen folder or file, or nothing: the caption and the controls.
    void showChoice(const QString& chosen);
    // The messages of a failed copy: title, what failed, and the advice for
    // a missing medium, a denied permission and a missing folder.
    struct FailureTexts {
        QString title, failed, noMedium, noPermission, noPath;
    };
    // Copies `source` over `target`, asking `question` first when the target
    // is there. A failure of the test or the copy shows its message; false
    // then, and when the user said No.
    bool copyOver(const QString& source, const QString& target, const QString& question, const QString& questionTitle,
                  const FailureTexts& texts);

private:
    void wire();
    BackupArchive archive_;
    QString nothingChosen_;
    QPixmap actPicture_;
};

class BackupStep : public CopyStep {
    Q_OBJECT
public:
    void cmdSelect_Click() override;
    void cmdEffettua_Click() override;

protected:
    explicit BackupStep(BackupArchive archive);
    void Form_Load() override;

private:
    // The chosen folder, or an empty text when nothing usable was chosen.
    QString BrowseFolder();
};

class RestoreStep : public CopyStep {
    Q_OBJECT
public:
    void cmdSelect_Click() override;
    void cmdEffettua_Click() override;

protected:
    explicit RestoreStep(BackupArchive archive);
    void Form_Load() override;
};

// ------------------------------------------------------------ the twelve windows
class frmBakFatt00 final : public BackupStart {
    Q_OBJECT
public:
    frmBakFatt00() : BackupStart(BackupArchive::Year) { setObjectName(QStringLiteral("frmBakFatt00")); }
};
class frmBakFatt01 final : public BackupStep {
    Q_OBJECT
public:
    frmBakFatt01() : BackupStep(BackupArchive::Year) { setObjectName(QStringLiteral("frmBakFatt01")); }
};
class frmRipFatt01 final : public RestoreStep {
    Q_OBJECT
public:
    frmRipFatt01() : RestoreStep(BackupArchive::Year) { setObjectName(QStringLiteral("frmRipFatt01")); }
};
class frmBakClientiCS final : public BackupStart {
    Q_OBJECT
public:
    frmBakClientiCS() : BackupStart(BackupArchive::Reasons) { setObjectName(QStringLiteral("frmBakClientiCS")); }
};
class frmBakClientiCS01 final : public BackupStep {
    Q_OBJECT
public:
    frmBakClientiCS01() : BackupStep(BackupArchive::Reasons) { setObjectName(QStringLiteral("frmBakClientiCS01")); }
};
class frmRipClientiCS01 final : public RestoreStep {
    Q_OBJECT
public:
    frmRipClientiCS01() : RestoreStep(BackupArchive::Reasons) { setObjectName(QStringLiteral("frmRipClientiCS01")); }
};
class frmBakClientiIN final : public BackupStart {
    Q_OBJECT
public:
    frmBakClientiIN() : BackupStart(BackupArchive::Payees) { setObjectName(QStringLiteral("frmBakClientiIN")); }
};
class frmBakClientiIN01 final : public BackupStep {
    Q_OBJECT
public:
    frmBakClientiIN01() : BackupStep(BackupArchive::Payees) { setObjectName(QStringLiteral("frmBakClientiIN01")); }
};
class frmRipClientiIN01 final : public RestoreStep {
    Q_OBJECT
public:
    frmRipClientiIN01() : RestoreStep(BackupArchive::Payees) { setObjectName(QStringLiteral("frmRipClientiIN01")); }
};
class frmBakClientiES final : public BackupStart {
    Q_OBJECT
public:
    frmBakClientiES() : BackupStart(BackupArchive::Payers) { setObjectName(QStringLiteral("frmBakClientiES")); }
};
class frmBakClientiES01 final : public BackupStep {
    Q_OBJECT
public:
    frmBakClientiES01() : BackupStep(BackupArchive::Payers) { setObjectName(QStringLiteral("frmBakClientiES01")); }
};
class frmRipClientiES01 final : public RestoreStep {
    Q_OBJECT
public:
    frmRipClientiES01() : RestoreStep(BackupArchive::Payers) { setObjectName(QStringLiteral("frmRipClientiES01")); }
};
