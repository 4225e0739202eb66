#include "SNMPEditorPanel.h"

#include "CtrlBtnPanel.h"
#include "EditsPanel.h"
#include "KyException.h"
#include "KySNMPRequest2Edits.h"
#include "PageRequest.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* parent, KySNMPRequest2Edits* request)
    : TSNMPPanel(parent, nullptr, request) {
    EditsPanel = new TEditsPanel(ClientPanel, request);
    OnClick(ButtonPanel->SetButton, [this] { SetCheckedClick(); });
    ButtonPanel->SetButton->setEnabled(false);
    OnClick(ButtonPanel->CheckAllButton, [this] { CheckAllClick(); });
    OnClick(ButtonPanel->ClearChecksButton, [this] { ClearChecksClick(); });
    EditsPanel->ArrangeCtrlBtn(ButtonPanel);
    SetContent(EditsPanel);
}

void TSNMPEditorPanel::DetachRequest() {
    TSNMPPanel::DetachRequest();
    EditsPanel->EditCtrl = nullptr;
}

void TSNMPEditorPanel::SetEditWidth(int width) {
    EditsPanel->SetEditWidth(width);
    SetContent(EditsPanel);
    if (HostForm) FitHostForm(HostForm);
}

void TSNMPEditorPanel::SetVarFormat(int row, const std::string& format) { SetVarFormatValidator(row, format, {}); }

void TSNMPEditorPanel::SetVarFormatValidator(int row, const std::string& format, KyEditValidator validator) {
    UISnmpVar& r = EditsPanel->Rows.at(std::size_t(row));
    Request->Unbind(row);
    switch (r.Kind) {
    case uvkEdit:
    case uvkReadOnly:
        Request->BindEdits(row, format, {static_cast<QLineEdit*>(r.Control)}, std::move(validator));
        break;
    case uvkComboBox:
        throw KyException(0, "Can not set Var format to a ComboBox!");
    default:
        throw KyException(0, "Unknow UI Control type!");
    }
}

void TSNMPEditorPanel::WaitUntilIdle() {
    if (!Request) return;
    PageRequest::StopAndWait(*Request);
    // The page may have closed meanwhile.
    if (Request) Request->Request.Active = 1;
}

void TSNMPEditorPanel::CollectForSet() { Request->ControlsToValues(-1); }

bool TSNMPEditorPanel::SetCheckedClick() {
    if (!Request) return false;
    // A walk still filling the rows would overwrite what is about to be sent.
    WaitUntilIdle();
    if (!Request) return false;
    KySNMPRequest2Edits& binder = *Request;
    KySNMPVarList& list = binder.Request.VarList;
    const std::uint8_t async = binder.Async;
    binder.Async = 0;
    std::vector<std::pair<int, int>> leftOut;  // (variable, access word before)
    bool emptyRow = false;
    for (int i = 0; i < list.GetCount(); ++i) {
        KySNMPVar& var = list.GetVar(i);
        if (!EditsPanel->Rows.at(std::size_t(i)).CheckBox->isChecked()) {
            leftOut.emplace_back(i, var.Access);
            var.Access |= afInvalid;
        }
        if (!(var.Access & afInvalid) && EditsPanel->IsRowEmpty(i)) emptyRow = true;
    }
    bool ok = false;
    if (emptyRow) {
        // Before collecting: an empty number would not even convert.
        QMessageBox::warning(this, QApplication::applicationDisplayName(), "Some items are empty!");
    } else {
        try {
            CollectForSet();
            ok = binder.Set(0, 0);
        } catch (const std::exception& error) {
            binder.LastOp = 1;
            binder.ShowStatus(error.what());
        }
    }
    for (const auto& [i, access] : leftOut) list.GetVar(i).Access = access;
    binder.Async = async;
    return ok;
}

void TSNMPEditorPanel::CheckAllClick() {
    for (UISnmpVar& row : EditsPanel->Rows)
        if (row.CheckBox->isEnabled()) row.CheckBox->setChecked(true);
    EditsPanel->RowCheckClick();
}

void TSNMPEditorPanel::ClearChecksClick() {
    for (UISnmpVar& row : EditsPanel->Rows)
        if (row.CheckBox->isEnabled()) row.CheckBox->setChecked(false);
    EditsPanel->RowCheckClick();
}
