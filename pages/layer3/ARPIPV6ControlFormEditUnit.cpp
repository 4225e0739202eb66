#include "ARPIPV6ControlFormEditUnit.h"

#include "ARPIPV6ControlFormUnit.h"
#include "AddressChecks.h"
#include "KySNMPRequest2Edits.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int CreateAndGoItem = 3;

}  // namespace

TARPIPv6ControlEditForm::TARPIPv6ControlEditForm(TDedicatedPage& page) : TPageEditDialog(page) {
    setWindowTitle(QStringLiteral("IPV6 ARP Control Edit"));
    BuildLayout();
    KeyEdits = {edtAddress, edtMac, edtInterface};
}

void TARPIPv6ControlEditForm::BuildLayout() {
    auto* rows = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    rows->addLayout(grid);
    edtAddress = AddEditRow(grid, this, "edtAddress", QStringLiteral("IPv6 Address"));
    edtMac = AddEditRow(grid, this, "edtMac", QStringLiteral("MAC Address"));
    edtInterface = AddEditRow(grid, this, "edtInterface", QStringLiteral("Interface Name"));
    cbxRowStatus = AddComboRow(grid, this, "cbxRowStatus", QStringLiteral("Status"));
    cbxState = NewHiddenCombo(this, "cbxState");
    edtAddress->setMinimumWidth(260);
    btnSet = AddDialogButtonRow(rows, this, "btnSet", QStringLiteral("Set"), "btnClose");
    connect(btnSet, &QPushButton::clicked, this, &TARPIPv6ControlEditForm::btnSetClick);
}

void TARPIPv6ControlEditForm::Bind(KySNMPRequest2Edits& binder) {
    using P = TARPIPV6ControlForm;
    binder.BindEdits(P::IPv6Address, "%s{l32}", {edtAddress});
    binder.BindEdits(P::MacAddress, "%s{l12}", {edtMac});
    binder.BindEdits(P::InterfaceName, "%s{l12}", {edtInterface});
    binder.BindComboBox(P::ReachState, cbxState);
    binder.BindComboBox(P::RouteStatus, cbxRowStatus);
}

void TARPIPv6ControlEditForm::PrepareAdd() {
    TPageEditDialog::PrepareAdd();
    cbxRowStatus->setCurrentIndex(CreateAndGoItem);
    cbxRowStatus->setEnabled(false);
    cbxState->setCurrentIndex(-1);
}

bool TARPIPv6ControlEditForm::Refuse(QLineEdit* focus, const QString& text) {
    Page.ShowMessage(text);
    focus->setFocus();
    return false;
}

bool TARPIPv6ControlEditForm::Validate() {
    if (edtAddress->text().isEmpty()) return Refuse(edtAddress, QStringLiteral("Please Set IPv6 Address"));
    if (!IsHexOfLength(edtAddress->text(), 32))
        return Refuse(edtAddress, QStringLiteral("Please input a valid IPv6 address"));
    if (edtMac->text().isEmpty()) return Refuse(edtMac, QStringLiteral("Please Set MAC Address"));
    if (!IsHexOfLength(edtMac->text(), 12)) return Refuse(edtMac, QStringLiteral("Invalid MAC address"));
    if (edtInterface->text().isEmpty()) return Refuse(edtInterface, QStringLiteral("Please input an index first"));
    return true;
}

void TARPIPv6ControlEditForm::btnSetClick() {
    if (!Validate()) return;
    try {
        Page.ReadAgainAfter(Page.MaskedSet({}));
    } catch (const std::exception& error) {
        Page.Report(error);
    }
    accept();
}
