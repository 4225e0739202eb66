#include "IGMPSnoopingStaticGroupUnit.h"

#include "Oid_device.h"
#include "PageKit.h"
#include "StackingPortUitForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>

namespace {

enum Column { VlanId, GroupAddress, MemberPorts, RowStatus };
constexpr int ActiveItem = 0;
constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;

// One part of a dotted quad: one to three digits, at most 255; a zero is written "0" alone.
bool AddressPartValid(const QString& part) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
    if (!digits.match(part).hasMatch()) return false;
    const int value = part.toInt();
    return value <= 255 && (value != 0 || part == QLatin1String("0"));
}

}  // namespace

TIGMPSnoopingStaticGroupForm::TIGMPSnoopingStaticGroupForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 667, .Height = 432, .Guarded = true, .RefuseCloseWhileReading = true}) {
    setWindowTitle(QStringLiteral("IGMP Snooping Static Group Table"));
    BuildLayout();
    FormCreate();
}

void TIGMPSnoopingStaticGroupForm::BuildLayout() {
    const TListOverPanel body = BuildListOverPanel(Client, "LV_IGMPStaticGroupEntry", true);
    LV_IGMPStaticGroupEntry = body.List;
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    VlanIDEdit = NewPageEdit(body.Lower, "VlanIDEdit");
    RepalceIPEdit = NewPageEdit(body.Lower, "RepalceIPEdit");
    CBoxStatus = NewPageCombo(body.Lower, "CBoxStatus");
    CBoxStatus->hide();
    AddCaptionedRow(inputs, 0, {{QStringLiteral("VLAN ID"), VlanIDEdit}, {QStringLiteral("Group Address"), RepalceIPEdit}});
    inputs->setColumnStretch(2, 1);
    PageControl1 = new QTabWidget(body.Lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body.LowerLayout->addWidget(PageControl1, 1);

    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "btnGet", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnSet", QStringLiteral("Set"));
    AddButton = NewPageButton(Client, "btnAdd", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "btnDelete", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {RowCounter, RefreshButton, SetButton, AddButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TIGMPSnoopingStaticGroupForm::btnGetClick);
    connect(SetButton, &QPushButton::clicked, this, &TIGMPSnoopingStaticGroupForm::btnSetClick);
    connect(AddButton, &QPushButton::clicked, this, &TIGMPSnoopingStaticGroupForm::btnAddClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TIGMPSnoopingStaticGroupForm::btnDeleteClick);
    connect(CloseButton, &QPushButton::clicked, this, &TIGMPSnoopingStaticGroupForm::CloseClick);
}

void TIGMPSnoopingStaticGroupForm::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Member Ports"));
    // The keys of a listed group stay as read, so Set and Delete act on the selected row.
    KeyEdits = {VlanIDEdit, RepalceIPEdit};
    WatchList(LV_IGMPStaticGroupEntry);
    StaticGroupRequest = CreateBinder({.Table = IgmpStaticGroupVars,
                                       .ItemType = MVT_UMV,
                                       .KeyCount = 2,
                                       .Main = true,
                                       .List = LV_IGMPStaticGroupEntry,
                                       .Bind = [&](KySNMPRequest2Edits& binder) {
                                           binder.BindEdits(VlanId, "%i{n1x4094l4}", {VlanIDEdit});
                                           binder.BindEdits(GroupAddress, "%s{l16}", {RepalceIPEdit});
                                           BindPortList(binder, MemberPorts, ports, PortSelector);
                                           binder.BindComboBox(RowStatus, CBoxStatus);
                                       }});
    ShowRowSelected(false);
}

void TIGMPSnoopingStaticGroupForm::ResetInputs() {
    if (PortSelector) PortSelector->UncheckAll();
    VlanIDEdit->clear();
    RepalceIPEdit->clear();
    CBoxStatus->setCurrentIndex(CreateAndGoItem);
}

void TIGMPSnoopingStaticGroupForm::btnGetClick() { RefreshClick(); }

bool TIGMPSnoopingStaticGroupForm::CheckGroupAddress() {
    const QStringList parts = RepalceIPEdit->text().split(QLatin1Char('.'));
    if (parts.size() == 4 && std::all_of(parts.begin(), parts.end(), AddressPartValid)) return true;
    ShowMessage(QStringLiteral("Please input a valid IP"));
    return false;
}

void TIGMPSnoopingStaticGroupForm::btnSetClick() {
    if (!LV_IGMPStaticGroupEntry->currentItem()) return ResetInputs();
    if (!MayWrite()) return;
    GuardedWrite([&] { return MaskedSet({}, RowStatus, ActiveItem); });
}

void TIGMPSnoopingStaticGroupForm::btnAddClick() {
    if (!MayWrite()) return;
    if (VlanIDEdit->text().isEmpty()) {
        ShowMessage(QStringLiteral("Multicast VLAN ID need to input."));
        VlanIDEdit->setFocus();
        return;
    }
    if (RepalceIPEdit->text().isEmpty()) {
        ShowMessage(QStringLiteral("Multicast Group IP Address need to input."));
        RepalceIPEdit->setFocus();
        return;
    }
    if (!CheckGroupAddress()) {
        ShowMessage(QStringLiteral("IP Address in not valid."));
        RepalceIPEdit->setFocus();
        return;
    }
    // The edit checks its range when the focus leaves it; a click on Add must not send past that check.
    bool number = false;
    const int vlan = VlanIDEdit->text().toInt(&number);
    if (!number || vlan < 1 || vlan > 4094) {
        ShowMessage(QStringLiteral("Please enter a number between 1 and 4094!"));
        VlanIDEdit->setFocus();
        return;
    }
    GuardedWrite([&] { return MaskedSet({}, RowStatus, CreateAndGoItem); });
}

void TIGMPSnoopingStaticGroupForm::btnDeleteClick() {
    if (!LV_IGMPStaticGroupEntry->currentItem()) return;
    if (!MayWrite()) return;
    GuardedWrite([&] { return MaskedSet({MemberPorts}, RowStatus, DestroyItem); });
}
