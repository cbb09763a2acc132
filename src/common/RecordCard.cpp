#include "common/RecordCard.h"

#include "common/Controls.h"
#include "common/Settings.h"
#include "platform/Program.h"

#include <QRegularExpression>

#include <algorithm>

using namespace platform;

namespace {

const QString kProtected = QStringLiteral("\r\n\r\nAccertarsi che il file di archivio non abbia attributi di protezione.");

} // namespace

// ---------------------------------------------------------------- boxes

QWidget* FindBox(const QWidget& form, const QString& name) { return form.findChild<QWidget*>(name); }

QString BoxText(const QWidget* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* area = qobject_cast<const TextArea*>(box))
        return area->text();
    return QString();
}

void SetBoxText(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* area = qobject_cast<TextArea*>(box))
        area->setText(text);
}

bool BoxIsBlank(const QWidget* box) { return trimBlanks(BoxText(box)).isEmpty(); }

void ShowRecordNumber(QLabel* position, qint64 number) {
    position->setText(QLatin1Char(' ') + QString::number(number));
}

// ---------------------------------------------------------------- the card

RecordCardBase::RecordCardBase(QWidget& form, QLabel*& position, const CardTwin& twin)
    : form_(form), position_(position), twin_(twin) {
    form_.setWindowTitle(twin_.windowTitle);
}

qint64 RecordCardBase::recordOnShow() const {
    bool ok = false;
    const qint64 number = position_->text().trimmed().toLongLong(&ok);
    return ok ? number : 0;
}

RecordCardBase::State RecordCardBase::state() const {
    return position_->text().isEmpty() ? State::New : State::OnShow;
}

void RecordCardBase::notify() {
    if (StateChanged)
        StateChanged(state());
}

void RecordCardBase::setRecordOnShow(qint64 number) {
    ShowRecordNumber(position_, number);
    notify();
}

void RecordCardBase::clearRecordOnShow() {
    position_->clear();
    notify();
}

RecordArchive RecordCardBase::archive() const {
    const ArchiveFiles files = twin_.files(form_);
    return RecordArchive(ProgramFilePath(files.archive), ProgramFilePath(files.temp), recordLength());
}

QString RecordCardBase::expand(const QString& text) const {
    static const QRegularExpression placeholder(QStringLiteral("\\{(\\w+)\\}"));
    QString out;
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(from, m.capturedStart() - from);
        const QString name = m.captured(1);
        out += name == QLatin1String("n") ? position_->text()
                                          : trimBlanks(BoxText(FindBox(form_, name))).toString();
        from = m.capturedEnd();
    }
    return out + text.mid(from);
}

// Browsing shows no error: an archive that cannot be opened counts as empty.
void RecordCardBase::Browse(Step step) {
    RecordArchive file = archive();
    const qint64 count = file.OpenArchive() ? file.RecordCount() : 0;
    if (count == 0) {
        file.CloseArchive();
        if (step != Step::Previous)
            MsgBox(step == Step::Next ? twin_.emptyNoticeNext : twin_.emptyNotice, MsgIcon::Exclamation,
                   MsgButtons::OK, QStringLiteral("Attenzione!"));
        clearRecordOnShow();
        New();
        return;
    }
    qint64 target = 1;
    switch (step) {
    case Step::First: target = 1; break;
    case Step::Previous: target = std::clamp<qint64>(recordOnShow() - 1, 1, count); break;
    case Step::Next: target = std::clamp<qint64>(recordOnShow() + 1, 1, count); break;
    case Step::Last: target = count; break;
    }
    // The record is read whole before any box or the label changes.
    if (showRecord(file, target))
        setRecordOnShow(target);
    file.CloseArchive();
}

void RecordCardBase::New() {
    for (const QString& name : twin_.newClears)
        SetBoxText(FindBox(form_, name), QString());
    clearRecordOnShow();
    if (QWidget* first = FindBox(form_, twin_.firstBox))
        first->setFocus(Qt::OtherFocusReason);
}

void RecordCardBase::Save() {
    for (const SaveCheck& check : twin_.saveChecks) {
        const bool blank = std::all_of(check.blank.begin(), check.blank.end(),
                                       [this](const QString& name) { return BoxIsBlank(FindBox(form_, name)); });
        const bool filled = std::none_of(check.filled.begin(), check.filled.end(),
                                         [this](const QString& name) { return BoxIsBlank(FindBox(form_, name)); });
        if (blank && filled) {
            MsgBox(check.text, MsgIcon::Exclamation, MsgButtons::OK, check.title);
            if (QWidget* box = FindBox(form_, check.focus))
                box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    RecordArchive file = archive();
    if (!file.OpenArchive())
        return saveFailed(file);
    const qint64 count = file.RecordCount();

    if (state() == State::OnShow) {
        const qint64 number = recordOnShow();
        if (number < 1 || number > count) {
            // The archive was shortened behind the card: what was typed stays,
            // and the card becomes new, so the next save appends it.
            file.CloseArchive();
            program().beep();
            MsgBox(QStringLiteral("Impossibile salvare le modifiche."), MsgIcon::Exclamation, MsgButtons::OK,
                   QStringLiteral("Messaggio di errore"));
            clearRecordOnShow();
            return;
        }
        if (!file.WriteRecord(number, cardRecord()))
            return saveFailed(file);
        MsgBox(expand(twin_.rewritten), MsgIcon::Information, MsgButtons::OK, QStringLiteral("Salvataggio terminato"));
        file.CloseArchive();
        return;
    }

    // A new card becomes record count + 1, and shows that number only once
    // it is written.
    if (!file.WriteRecord(count + 1, cardRecord()))
        return saveFailed(file);
    file.CloseArchive();
    setRecordOnShow(count + 1);
    MsgBox(expand(twin_.appended), MsgIcon::Information, MsgButtons::OK, QStringLiteral("Salvataggio terminato"));
}

// The boxes and the record on show stay as they were.
void RecordCardBase::saveFailed(RecordArchive& file) {
    file.CloseArchive();
    program().beep();
    MsgBox(QStringLiteral("Il sistema non permette di salvare i dati.") + kProtected, twin_.saveFailedIcon,
           MsgButtons::OK, QStringLiteral("Messaggio di errore"));
}

void RecordCardBase::Delete() {
    if (state() == State::New) {
        MsgBox(twin_.deleteNew +
                   QStringLiteral("\r\n\r\nSe si vuole semplicemente vuotare tutti i campi di testo, fare clic su Nuovo."),
               MsgIcon::Information, MsgButtons::OK, QStringLiteral("Operazione non applicabile"));
        return;
    }
    if (MsgBox(expand(twin_.confirmDelete), MsgIcon::Question, MsgButtons::YesNo, twin_.confirmTitle) !=
        MsgAnswer::Yes)
        return;

    // A number outside 1..count removes nothing and is reported as a failure.
    RecordArchive file = archive();
    if (!file.OpenArchive() || !file.RemoveRecord(recordOnShow()))
        return deleteFailed(file);
    file.CloseArchive();
    Browse(Step::Previous);
    MsgBox(twin_.deleted, MsgIcon::Information, MsgButtons::OK, QStringLiteral("Cancellazione terminata"));
}

void RecordCardBase::deleteFailed(RecordArchive& file) {
    program().beep();
    file.CloseArchive();
    MsgBox(twin_.deleteFailed + kProtected, MsgIcon::Information, MsgButtons::OK,
           QStringLiteral("Messaggio di errore"));
}
