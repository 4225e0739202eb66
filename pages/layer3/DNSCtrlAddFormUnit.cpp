#include "DNSCtrlAddFormUnit.h"

#include "AddressChecks.h"
#include "DNSCtrlFormUnit.h"
#include "KySNMPRequest2Edits.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDNSCtrlAddForm::TDNSCtrlAddForm(TDedicatedPage& page) : TPageEditDialog(page) {
    setWindowTitle(QStringLiteral("DNS Relay Control Add"));
    BuildLayout();
    KeyEdits = {edtName, edtIP};
}

void TDNSCtrlAddForm::BuildLayout() {
    auto* rows = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    rows->addLayout(grid);
    edtName = AddEditRow(grid, this, "edtName", QStringLiteral("Domain Name"));
    edtIP = AddEditRow(grid, this, "edtIP", QStringLiteral("IP Address"));
    cbxState = AddComboRow(grid, this, "cbxState", QStringLiteral("State"));
    edtName->setMinimumWidth(220);
    btnAdd = AddDialogButtonRow(rows, this, "btnAdd", QStringLiteral("Add"), "btnClose");
    connect(btnAdd, &QPushButton::clicked, this, &TDNSCtrlAddForm::btnAddClick);
}

void TDNSCtrlAddForm::Bind(KySNMPRequest2Edits& binder) {
    binder.BindEdits(TDNSCtrlForm::DomainName, "%s", {edtName});
    binder.BindEdits(TDNSCtrlForm::IPAddress, "%s{l16}", {edtIP});
    binder.BindComboBox(TDNSCtrlForm::State, cbxState);
}

void TDNSCtrlAddForm::PrepareAdd() {
    TPageEditDialog::PrepareAdd();
    cbxState->setCurrentIndex(TDNSCtrlForm::ValidItem);
    cbxState->setEnabled(false);
}

void TDNSCtrlAddForm::btnAddClick() {
    // Name and address make the entry's instance: nothing malformed may reach the wire.
    if (edtName->text().isEmpty()) {
        Page.ShowMessage(QStringLiteral("Please input Domain Name."));
        return;
    }
    if (!IPv4Value(edtIP->text())) {
        Page.ShowMessage(QStringLiteral("Please input a valid ip"));
        return;
    }
    auto& page = static_cast<TDNSCtrlForm&>(Page);
    try {
        page.StopReading();
        page.ShowRefusal(page.MaskedSet({}, TDNSCtrlForm::State, TDNSCtrlForm::ValidItem, 1));
    } catch (const std::exception& error) {
        page.Report(error);
    }
    accept();
}
