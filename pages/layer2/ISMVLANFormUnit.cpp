#include "ISMVLANFormUnit.h"

#include "Oid_device.h"
#include "PageKit.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

enum Column {
    VlanId, VlanName, SourcePort, MemberPort, TagMemberPort, VlanState, ReplaceSourceIp, RemoveAllAdded,
    RowStatus, UntagSourcePorts, RemapPriority, ReplacePriority
};
constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;
constexpr int LowestVlan = 2;
constexpr int HighestVlan = 4094;

}  // namespace

TISMVLANForm::TISMVLANForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 680, .Height = 566, .Guarded = true, .RefuseCloseWhileReading = true}) {
    setWindowTitle(QStringLiteral("IGMP Snooping Multicast VLAN Table"));
    BuildLayout();
    FormCreate();
}

void TISMVLANForm::BuildLayout() {
    const TListOverPanel body = BuildListOverPanel(Client, "lvISMVLAN", true);
    lvISMVLAN = body.List;
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    ED_VLANID = NewPageEdit(body.Lower, "ED_VLANID");
    ED_VLANName = NewPageEdit(body.Lower, "ED_VLANName");
    cbxVLANState = NewPageCombo(body.Lower, "cbxVLANState");
    edtSourceIP = NewPageEdit(body.Lower, "edtSourceIP");
    cbxRangeState = NewPageCombo(body.Lower, "cbxRangeState");
    RemapPriorityEdit = NewPageEdit(body.Lower, "RemapPriorityEdit");
    CBoxRaplacePriority = NewPageCombo(body.Lower, "CBoxRaplacePriority");
    cbxStatus = NewPageCombo(body.Lower, "cbxStatus");
    cbxStatus->hide();
    AddCaptionedRow(inputs, 0, {{QStringLiteral("VLAN ID (2-4094)"), ED_VLANID},
                                {QStringLiteral("VLAN Name"), ED_VLANName},
                                {QStringLiteral("VLAN State"), cbxVLANState},
                                {QStringLiteral("Replace Source IP"), edtSourceIP}});
    AddCaptionedRow(inputs, 2, {{QStringLiteral("Remove All Added Lists"), cbxRangeState},
                                {QStringLiteral("Remap Priority"), RemapPriorityEdit},
                                {QStringLiteral("Replace Priority"), CBoxRaplacePriority}});
    PageControl1 = new QTabWidget(body.Lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body.LowerLayout->addWidget(PageControl1, 1);

    RowCounter = NewRowCounter(Client, "ST_Count2");
    RefreshButton = NewPageButton(Client, "RefreshBtn", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "SetBtn", QStringLiteral("Set"));
    AddButton = NewPageButton(Client, "AddBtn", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "DeleteBtn", QStringLiteral("Delete"));
    StopButton = NewPageButton(Client, "btnStop", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {RowCounter, RefreshButton, SetButton, AddButton, DeleteButton, StopButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TISMVLANForm::RefreshBtnClick);
    connect(SetButton, &QPushButton::clicked, this, &TISMVLANForm::SetBtnClick);
    connect(AddButton, &QPushButton::clicked, this, &TISMVLANForm::AddBtnClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TISMVLANForm::DeleteBtnClick);
    connect(StopButton, &QPushButton::clicked, this, &TISMVLANForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TISMVLANForm::CloseClick);
}

void TISMVLANForm::FormCreate() {
    const std::string ports = PortNumberList();
    SourcePortSelector = AddPortSelector(PageControl1, QStringLiteral("Source Ports"));
    MemberPortSelector = AddPortSelector(PageControl1, QStringLiteral("Member Ports"));
    TaggedMemberSelector = AddPortSelector(PageControl1, QStringLiteral("Tagged Member Ports"));
    UntaggedSourceSelector = AddPortSelector(PageControl1, QStringLiteral("Untagged Source Ports"));
    KeyEdits = {ED_VLANID};
    WatchList(lvISMVLAN, [this](QTreeWidgetItem*, bool selected) { lvISMVLANSelectItem(selected); });
    IsmVlanRequest = CreateBinder({.Table = IsmVlanVars,
                                   .ItemType = MVT_UMV,
                                   .KeyCount = 1,
                                   .Main = true,
                                   .List = lvISMVLAN,
                                   .Bind = [&](KySNMPRequest2Edits& binder) {
                                       binder.BindEdits(VlanId, "%i{n2x4094l4}", {ED_VLANID});
                                       binder.BindEdits(VlanName, "%s", {ED_VLANName});
                                       BindPortList(binder, SourcePort, ports, SourcePortSelector);
                                       BindPortList(binder, MemberPort, ports, MemberPortSelector);
                                       BindPortList(binder, TagMemberPort, ports, TaggedMemberSelector);
                                       binder.BindComboBox(VlanState, cbxVLANState);
                                       binder.BindEdits(ReplaceSourceIp, "%s{I}", {edtSourceIP});
                                       binder.BindComboBox(RemoveAllAdded, cbxRangeState);
                                       binder.BindComboBox(RowStatus, cbxStatus);
                                       BindPortList(binder, UntagSourcePorts, ports, UntaggedSourceSelector);
                                       binder.BindEdits(RemapPriority, "%i{n0x8l1}", {RemapPriorityEdit});
                                       binder.BindComboBox(ReplacePriority, CBoxRaplacePriority);
                                   }});
    ShowRowSelected(false);
    lvISMVLANSelectItem(false);
    cbxStatus->setCurrentIndex(CreateAndGoItem);
    CBoxRaplacePriority->setCurrentIndex(1);
}

void TISMVLANForm::lvISMVLANSelectItem(bool selected) {
    // The binder copies the row over these preselections; they stand where the agent sent nothing.
    if (selected) {
        cbxRangeState->setEnabled(true);
        cbxRangeState->setCurrentIndex(0);
        edtSourceIP->setEnabled(true);
        cbxVLANState->setCurrentIndex(0);
        return;
    }
    // A new VLAN leaves its state, report source and removal action to the agent unless typed.
    for (QWidget* optional : {static_cast<QWidget*>(cbxRangeState), static_cast<QWidget*>(cbxVLANState),
                              static_cast<QWidget*>(edtSourceIP)})
        optional->setEnabled(false);
    cbxRangeState->setCurrentIndex(-1);
    cbxVLANState->setCurrentIndex(-1);
    edtSourceIP->clear();
}

void TISMVLANForm::ResetInputs() {
    for (TStackingPortUitForm* selector : {SourcePortSelector, MemberPortSelector, TaggedMemberSelector, UntaggedSourceSelector})
        if (selector) selector->UncheckAll();
    ED_VLANID->clear();
    ED_VLANName->clear();
    edtSourceIP->clear();
    cbxRangeState->setCurrentIndex(-1);
    cbxVLANState->setCurrentIndex(-1);
}

void TISMVLANForm::RefreshBtnClick() { RefreshClick(); }

std::vector<int> TISMVLANForm::EmptyOptionalColumns() const {
    std::vector<int> empty;
    if (cbxVLANState->currentText().isEmpty()) empty.push_back(VlanState);
    if (edtSourceIP->text().isEmpty()) empty.push_back(ReplaceSourceIp);
    if (cbxRangeState->currentText().isEmpty()) empty.push_back(RemoveAllAdded);
    return empty;
}

std::vector<int> TISMVLANForm::EmptyPortLists() const {
    std::vector<int> empty;
    const std::pair<int, const TStackingPortUitForm*> lists[] = {{SourcePort, SourcePortSelector},
                                                                  {MemberPort, MemberPortSelector},
                                                                  {TagMemberPort, TaggedMemberSelector},
                                                                  {UntagSourcePorts, UntaggedSourceSelector}};
    for (const auto& [column, selector] : lists)
        if (!selector || !selector->AnyChecked()) empty.push_back(column);
    return empty;
}

void TISMVLANForm::AddBtnClick() {
    if (!MayWrite()) return;
    GuardedWrite([&] {
        // An input refused: nothing sent.
        const auto refuse = [this](const QString& text) {
            ShowMessage(text);
            return false;
        };
        if (ED_VLANID->text().isEmpty()) return refuse(QStringLiteral("Please specify VLAN ID"));
        if (ED_VLANName->text().isEmpty()) return refuse(QStringLiteral("Please specify VLAN Name"));
        // The edit checks its range when the focus leaves it; a click on Add must not send past that check.
        bool number = false;
        const int vlan = ED_VLANID->text().toInt(&number);
        if (!number || vlan < LowestVlan || vlan > HighestVlan)
            return refuse(QStringLiteral("Please enter a number between 2 and 4094!"));
        // The agent takes a new VLAN's source and member ports only once it exists: Set writes them.
        std::vector<int> excluded = EmptyOptionalColumns();
        excluded.push_back(SourcePort);
        excluded.push_back(MemberPort);
        return MaskedSet(excluded, RowStatus, CreateAndGoItem);
    });
}

void TISMVLANForm::SetBtnClick() {
    if (!lvISMVLAN->currentItem()) return;
    if (!MayWrite()) return;
    // An unticked list is left out: the agent keeps the ports it has.
    GuardedWrite([&] {
        std::vector<int> excluded = EmptyOptionalColumns();
        const std::vector<int> ports = EmptyPortLists();
        excluded.insert(excluded.end(), ports.begin(), ports.end());
        return MaskedSet(excluded);
    });
}

void TISMVLANForm::DeleteBtnClick() {
    if (!lvISMVLAN->currentItem()) return;
    if (!MayWrite()) return;
    GuardedWrite([&] { return MaskedSet(AllButKeysAnd(RowStatus), RowStatus, DestroyItem); });
}
