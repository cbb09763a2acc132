#include "common/Lookup.h"

#include "common/FieldRules.h"
#include "common/FixedRecord.h"

#include <QItemSelectionModel>

QString JoinedLine(std::initializer_list<QStringView> pieces) {
    qsizetype length = 0;
    for (QStringView piece : pieces)
        length += piece.size();
    QString line;
    line.reserve(length);
    for (QStringView piece : pieces)
        line.append(piece);
    return line;
}

QString RecordTail(qint64 number) {
    return JoinedLine({u"  [ Rec. ", QString::number(number), u" ]"});
}

LookupListBase::LookupListBase(Form& window, const LookupControls& controls)
    : window_(window), controls_(controls) {}

void LookupListBase::Wire(const LookupHandlers& h) {
    LineList* list = controls_.list;
    listClick_ = h.listClick;
    if (h.listClick)
        QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, &window_,
                         [this] { selectionChanged(); });
    if (h.listDblClick)
        QObject::connect(list, &QAbstractItemView::doubleClicked, &window_, [f = h.listDblClick] { f(); });
    if (h.listMouseMove)
        WatchListMouse(list, h.listMouseMove);
    if (h.hintDblClick)
        controls_.hint->DblClick = h.hintDblClick;
    if (h.searchChange)
        QObject::connect(controls_.search, &QLineEdit::textChanged, &window_, [f = h.searchChange] { f(); });
    if (h.searchEnter)
        ActOnEnter(controls_.search, h.searchEnter);
    if (h.searchGotFocus)
        controls_.search->addGotFocus(h.searchGotFocus);
    if (h.searchLostFocus)
        controls_.search->addLostFocus(h.searchLostFocus);
    if (h.printClick && controls_.print)
        QObject::connect(controls_.print, &QAbstractButton::clicked, &window_, [f = h.printClick] { f(); });
    if (h.closeClick && controls_.close)
        QObject::connect(controls_.close, &QAbstractButton::clicked, &window_, [f = h.closeClick] { f(); });
    for (std::size_t i = 0; i < h.modeClicks.size() && i < buttons_.size(); ++i)
        if (h.modeClicks[i])
            QObject::connect(buttons_[i], &QPushButton::clicked, &window_, [f = h.modeClicks[i]] { f(); });
}

void LookupListBase::selectionChanged() {
    if (!SelectedLine(*controls_.list).isEmpty())
        listClick_();
}

void LookupListBase::show(QStringList lines, const QString& modeName, const QString& countCaption) {
    controls_.memory->setText(modeName);
    const qsizetype count = lines.size();
    FillList(controls_.list, std::move(lines));
    if (controls_.count)
        controls_.count->setText(QString::number(count) + countCaption);
}

QStringList LookupListBase::lines() const { return ListLines(*controls_.list); }

void LookupListBase::ModeButton(QPushButton* pressed) {
    if (!buildNamed(pressed->objectName()))
        return;
    for (QPushButton* button : buttons_)
        button->setEnabled(button != pressed);
}

void LookupListBase::ShowHint() { controls_.hint->setVisible(true); }

void LookupListBase::TypeAhead() {
    SelectLine(controls_.list, FindLineStarting(*controls_.list, controls_.search->text()));
    if (SelectedLine(*controls_.list).isEmpty())
        controls_.hint->setVisible(false);
}

void LookupListBase::RowToolTip(Qt::MouseButtons buttons, QPoint point) {
    if (buttons != Qt::NoButton)
        return;
    controls_.list->setToolTip(RowToolTipAt(*controls_.list, point));
}

void LookupListBase::SearchGotFocus() { controls_.search->setBackColor(Colors::Focus); }

void LookupListBase::SearchLostFocus() { controls_.search->setBackColor(Colors::WindowBackground); }

void LookupListBase::Close() { window_.Unload(); }
