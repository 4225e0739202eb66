#include "FilterDHCPPermitFormUnit.h"

#include "AclControls.h"
#include "AclRuleEditor.h"
#include "Oid_device.h"
#include "StackingPortUitForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { ServerIp, ClientMac, Ports, Status };
constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;

}  // namespace

TFilterDHCPPermitForm::TFilterDHCPPermitForm(QWidget* owner)
    : TAclTablePage(owner, {.Width = 760, .Height = 560, .Report = TPageReport::ThroughBinder}) {
    setWindowTitle(QStringLiteral("DHCP Server Filter Permit Table"));
    BuildLayout();
    FormCreate();
}

void TFilterDHCPPermitForm::BuildLayout() {
    const TListFrame frame = BuildListFrame(Client);
    ListView1 = frame.List;
    QVBoxLayout* body = frame.Left;
    TFieldGrid fields(body, 1);
    fields.Add(QStringLiteral("IP Address"), edtIpAddr = NewPageEdit(Client, "edtIpAddr"));
    fields.Add(QStringLiteral("MAC Address"), edtMacAddr = NewPageEdit(Client, "edtMacAddr"));
    ComboStatus = NewPageCombo(Client, "ComboStatus");
    ComboStatus->hide();
    PageControl1 = new QTabWidget(Client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body->addWidget(PageControl1, 1);

    RefreshButton = NewPageButton(Client, "btnGet", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnEdit", QStringLiteral("Edit"));
    AddButton = NewPageButton(Client, "btnAdd", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "btnDelete", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    RowCounter = frame.Counter;
    AddToButtonColumn(frame.Buttons, {RefreshButton, SetButton, AddButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TFilterDHCPPermitForm::btnGetClick);
    connect(SetButton, &QPushButton::clicked, this, &TFilterDHCPPermitForm::btnEditClick);
    connect(AddButton, &QPushButton::clicked, this, &TFilterDHCPPermitForm::btnAddClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TFilterDHCPPermitForm::btnDeleteClick);
    connect(CloseButton, &QPushButton::clicked, this, &TFilterDHCPPermitForm::CloseClick);
}

void TFilterDHCPPermitForm::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Ports"));
    Binder = CreateTableBinder(ListView1, FilterDHCPPermitVars, {edtIpAddr, edtMacAddr}, [&](KySNMPRequest2Edits& b) {
        b.BindEdits(ServerIp, "%s{l16}", {edtIpAddr});
        b.BindEdits(ClientMac, "%s{l12}", {edtMacAddr});
        b.BindComboBox(Status, ComboStatus);
        BindPortList(b, Ports, ports, PortSelector);
    });
    ShowRowSelected(false);
}

void TFilterDHCPPermitForm::ResetInputs() {
    edtIpAddr->clear();
    edtMacAddr->clear();
    if (PortSelector) PortSelector->UncheckAll();
}

void TFilterDHCPPermitForm::btnGetClick() {
    if (!Binder || Binder->Busy) return;
    RefreshClick();
    // Nothing to act on until the next click into the list.
    AddButton->setEnabled(false);
}

bool TFilterDHCPPermitForm::CheckInputs(const QString& portText) {
    if (!IsIPv4(edtIpAddr->text())) return Refuse(QStringLiteral("Please input a valid IP"), edtIpAddr);
    if (!IsHexOfLength(edtMacAddr->text(), 12)) return Refuse(QStringLiteral("Invalid MAC address"), edtMacAddr);
    if (!HasCheckedUnitPort(*PortSelector)) return Refuse(portText, nullptr);
    return true;
}

void TFilterDHCPPermitForm::Write(const std::vector<int>& excluded, int rowStatusItem) {
    GuardedWrite([&] { return MaskedSet(excluded, Status, rowStatusItem); });
    AddButton->setEnabled(false);
}

void TFilterDHCPPermitForm::btnAddClick() {
    if (!Binder || Binder->Busy) return;
    if (!CheckInputs(QStringLiteral("Please select at least one port to add."))) return;
    Write({}, CreateAndGoItem);
}

void TFilterDHCPPermitForm::btnEditClick() {
    QTreeWidgetItem* row = ListView1->currentItem();
    if (!row || !Binder || Binder->Busy) return;
    if (!CheckInputs(QStringLiteral("Please select at least one port to edit."))) return;
    Write({}, TAclRuleEditor::OwnStatusItem(ComboStatus, row, Status));
}

void TFilterDHCPPermitForm::btnDeleteClick() {
    if (!ListView1->currentItem() || !Binder || Binder->Busy) return;
    Write({Ports}, DestroyItem);
}
