#include "EditsPanel.h"

#include "CtrlBtnPanel.h"
#include "KyControlEvents.h"
#include "KyException.h"
#include "KyOptionList.h"
#include "KySNMPRequest2Edits.h"
#include "SNMPPanel.h"
#include "SharedPalette.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>

namespace {

QString latin1(const std::string& text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

void paint(QWidget* control, const QColor& text, const QColor& background) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Button, background);
    control->setPalette(SharedPalette(palette));
}

}  // namespace

TEditsPanel::TEditsPanel(QWidget* parent, KySNMPRequest2Edits* request) : QWidget(parent), EditCtrl(request) {
    setObjectName("EditsPanel");
    ReadOnlyColor = QApplication::palette().color(QPalette::Button);
    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName("ScrollBox");
    ScrollBox->setFrameShape(QFrame::NoFrame);
    RowArea = new QWidget;
    ScrollBox->setWidget(RowArea);
    if (EditCtrl) BuildRows();
    SetReadOnlyColors(Qt::black, ReadOnlyColor);
}

void TEditsPanel::CreateRowRecords() {
    Rows.clear();
    const KySNMPVarList& list = EditCtrl->Request.VarList;
    for (int i = 0; i < list.GetCount(); ++i) {
        const KySNMPVar& var = list.GetVar(i);
        UISnmpVar row;
        const bool readOnly = !list.IsSettable(i);
        if (var.Options) row.Kind = readOnly ? uvkReadOnlyOption : uvkComboBox;
        else row.Kind = readOnly ? uvkReadOnly : uvkEdit;
        row.Format = var.Syntax == sxIpAddress ? "%s{I}" : "%s";
        Rows.push_back(std::move(row));
    }
}

void TEditsPanel::BuildRows() {
    CreateRowRecords();
    const KySNMPVarList& list = EditCtrl->Request.VarList;
    for (int i = 0; i < int(Rows.size()); ++i) {
        UISnmpVar& row = Rows[std::size_t(i)];
        row.CheckBox = new QCheckBox(RowArea);
        row.CheckBox->setObjectName(QString("RowCheck%1").arg(i));
        row.CheckBox->setFixedWidth(CheckBoxWidth);
        row.CheckBox->setFocusPolicy(Qt::NoFocus);
        KyControlEvents::onClick(row.CheckBox, this, [this] { RowCheckClick(); });
        row.Label = new QLabel(latin1(list.GetVar(i).Label), RowArea);
        row.Label->setObjectName(QString("RowLabel%1").arg(i));
        row.Label->adjustSize();
        if (row.Kind == uvkComboBox) {
            auto* combo = new QComboBox(RowArea);
            row.Control = combo;
            EditCtrl->BindComboBox(i, combo);
        } else {
            auto* edit = new QLineEdit(RowArea);
            row.Control = edit;
            EditCtrl->BindEdits(i, row.Kind == uvkReadOnlyOption ? "%s" : row.Format, {edit});
        }
        row.Control->setObjectName(QString("RowEdit%1").arg(i));
    }
    ApplyRowAccess(false);
    ArrangeRows(true);
}

void TEditsPanel::ApplyRowAccess(bool defaultChecked) {
    DefaultChecked = defaultChecked;
    for (int i = 0; i < int(Rows.size()); ++i) {
        if (IsReadOnlyRow(i) || IsIndexRow(i)) LockRow(i);
        else UnlockRow(i);
    }
}

void TEditsPanel::LockRow(int aIdx) {
    if (aIdx < 0 || aIdx >= int(Rows.size())) {
        QMessageBox::information(this, QApplication::applicationDisplayName(),
                                 QString("aIdx is overtop!\n you may define < %1").arg(Rows.size()));
        return;
    }
    UISnmpVar& row = Rows[std::size_t(aIdx)];
    row.CheckBox->setEnabled(false);
    row.CheckBox->hide();
    row.CheckBox->setChecked(false);
    if (auto* edit = qobject_cast<QLineEdit*>(row.Control)) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    } else {
        row.Control->setEnabled(false);
    }
    paint(row.Control, ReadOnlyFontColor, ReadOnlyColor);
}

void TEditsPanel::UnlockRow(int row) {
    UISnmpVar& r = Rows.at(std::size_t(row));
    r.CheckBox->setEnabled(true);
    r.CheckBox->setVisible(!(EditCtrl && EditCtrl->Request.VarList.GetVar(row).Access & afHidden));
    r.CheckBox->setChecked(DefaultChecked);
    if (auto* edit = qobject_cast<QLineEdit*>(r.Control)) {
        edit->setReadOnly(false);
        edit->setFocusPolicy(Qt::StrongFocus);
    }
    r.Control->setEnabled(true);
    paint(r.Control, Qt::black, Qt::white);
}

void TEditsPanel::SetReadOnlyColors(const QColor& text, const QColor& background) {
    ReadOnlyFontColor = text;
    ReadOnlyColor = background;
    for (int i = 0; i < int(Rows.size()); ++i)
        if (IsReadOnlyRow(i)) LockRow(i);
}

void TEditsPanel::ArrangeRows(bool resize) {
    const KySNMPVarList* list = EditCtrl ? &EditCtrl->Request.VarList : nullptr;
    int widestLabel = 0;
    for (const UISnmpVar& row : Rows) {
        row.Control->resize(EditWidth, row.Control->height());
        widestLabel = std::max(widestLabel, row.Label->sizeHint().width());
    }
    const int labelLeft = CheckBoxLeft + CheckBoxWidth + Gap;
    const int editorLeft = labelLeft + widestLabel + Gap;
    int top = FirstRowTop;
    bool first = true;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < int(Rows.size()); ++i) {
        if (list && (list->GetVar(i).Access & afHidden)) continue;
        const UISnmpVar& row = Rows[std::size_t(i)];
        int height = row.Control->sizeHint().height();
        if (!first && height < 20) height = 21;
        if (!first) top += height + RowSpacing;
        first = false;
        row.Control->setGeometry(editorLeft, top, EditWidth, height);
        const int boxHeight = row.CheckBox->sizeHint().height();
        row.CheckBox->setGeometry(CheckBoxLeft, top + (height - boxHeight) / 2, CheckBoxWidth, boxHeight);
        const QSize label = row.Label->sizeHint();
        row.Label->setGeometry(labelLeft, top + (height - label.height()) / 2, label.width(), label.height());
        right = std::max(right, editorLeft + EditWidth);
        bottom = std::max(bottom, top + height);
    }
    RowArea->resize(right + Margin / 2, bottom + Margin / 2);
    if (resize) this->resize(right + Margin, bottom + Margin);
}

void TEditsPanel::SetEditWidth(int width) {
    EditWidth = width;
    ArrangeRows(true);
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* column) {
    if (!EditCtrl) throw KyException(0, "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    column->SampleCountText->hide();
    column->SamplesLabel->hide();
    column->EditButton->hide();
    column->AddButton->hide();
    column->DeleteButton->hide();
    column->StopButton->hide();
    column->RefreshButton->show();
    column->SetButton->show();
    column->CheckAllButton->show();
    column->ClearChecksButton->show();
    column->CloseButton->show();
    if (HasNoWritableRow()) {
        column->SetButton->hide();
        column->CheckAllButton->hide();
        column->ClearChecksButton->hide();
    } else if (CheckableRowCount() <= 1) {
        column->CheckAllButton->hide();
        column->ClearChecksButton->hide();
        column->SetButton->setText("Set");
        column->SetButton->setEnabled(true);
        if (CheckedRowCount() <= 1)
            for (UISnmpVar& row : Rows) row.CheckBox->hide();
        // A row whose box is hidden is still sent by "Set".
        for (UISnmpVar& row : Rows)
            row.CheckBox->setChecked(!(!row.CheckBox->isHidden() && row.CheckBox->isEnabled()));
    }
    column->ArrangeButtons();
}

void TEditsPanel::HideRow(int row) {
    UISnmpVar& r = Rows.at(std::size_t(row));
    if (EditCtrl) EditCtrl->Request.VarList.GetVar(row).Access |= afHidden;
    r.Control->hide();
    r.CheckBox->hide();
    r.Label->hide();
}

void TEditsPanel::ShowRow(int row) {
    UISnmpVar& r = Rows.at(std::size_t(row));
    if (EditCtrl) EditCtrl->Request.VarList.GetVar(row).Access &= ~afHidden;
    r.Control->show();
    r.CheckBox->show();
    r.Label->show();
}

void TEditsPanel::UncheckRow(int row) { Rows.at(std::size_t(row)).CheckBox->setChecked(false); }

void TEditsPanel::ClearRow(int row) {
    QWidget* control = Rows.at(std::size_t(row)).Control;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->clear();
    else if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setCurrentIndex(-1);
    if (EditCtrl) EditCtrl->Request.VarList.GetVar(row).Value.clear();
}

void TEditsPanel::ClearAllRows() {
    for (int i = 0; i < int(Rows.size()); ++i) ClearRow(i);
}

void TEditsPanel::SetRowText(int row, const std::string& text) {
    QWidget* control = Rows.at(std::size_t(row)).Control;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(latin1(text));
    else if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setCurrentIndex(combo->findText(latin1(text)));
    if (EditCtrl) EditCtrl->Request.VarList.GetVar(row).Value = text;
}

std::string TEditsPanel::GetRowText(int row) const {
    const UISnmpVar& r = Rows.at(std::size_t(row));
    QWidget* control = r.Control;
    if (r.Kind == uvkPanel) return control->windowTitle().toLatin1().toStdString();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text().toLatin1().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText().toLatin1().toStdString();
    return {};
}

bool TEditsPanel::IsReadOnlyRow(int row) const {
    return !EditCtrl || !EditCtrl->Request.VarList.IsSettable(row);
}

bool TEditsPanel::IsIndexRow(int row) const { return EditCtrl && row < EditCtrl->Request.VarList.KeyCount; }

bool TEditsPanel::IsRowEmpty(int row) const {
    const UISnmpVar& r = Rows.at(std::size_t(row));
    if (r.MayBeEmpty || r.CheckBox->isHidden()) return false;
    if (r.Kind == uvkPanel || qobject_cast<QLineEdit*>(r.Control) || qobject_cast<QComboBox*>(r.Control))
        return GetRowText(row).empty();
    return true;
}

bool TEditsPanel::HasNoWritableRow() const {
    for (int i = 0; i < int(Rows.size()); ++i)
        if (!IsReadOnlyRow(i) && !IsIndexRow(i)) return false;
    return true;
}

int TEditsPanel::CheckableRowCount() const {
    int n = 0;
    for (const UISnmpVar& row : Rows) n += !row.CheckBox->isHidden() && row.CheckBox->isEnabled();
    return n;
}

int TEditsPanel::CheckedRowCount() const {
    int n = 0;
    for (const UISnmpVar& row : Rows) n += row.CheckBox->isChecked();
    return n;
}

void TEditsPanel::SetRowMayBeEmpty(int row, bool mayBeEmpty) { Rows.at(std::size_t(row)).MayBeEmpty = mayBeEmpty; }

TSNMPPanel* TEditsPanel::Frame() const {
    QWidget* client = parentWidget();
    return client ? qobject_cast<TSNMPPanel*>(client->parentWidget()) : nullptr;
}

void TEditsPanel::RowCheckClick() {
    if (TSNMPPanel* frame = Frame()) frame->ButtonPanel->SetButton->setEnabled(CheckedRowCount() > 0);
}

void TEditsPanel::resizeEvent(QResizeEvent*) { ScrollBox->setGeometry(rect()); }
