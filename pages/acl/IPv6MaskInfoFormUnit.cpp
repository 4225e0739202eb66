#include "IPv6MaskInfoFormUnit.h"

#include "AclControls.h"
#include "AclRuleEditor.h"
#include "KyControlEvents.h"
#include "Oid_acl.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { ProfileId, MaskClass, FlowLabel, MaskState, SrcMask, DstMask, RowStatus, Owner, Entries, ProtoType,
              TcpOption, UdpOption, SrcPortMask, DstPortMask };
constexpr int DisableItem = 1;
constexpr int CreateAndGoItem = 3;

void Enable(QWidget* control, bool enabled) {
    if (enabled) TBasicForm::EnableControl(control);
    else TBasicForm::DisableControl(control);
}

}  // namespace

TIPv6ProfileForm::TIPv6ProfileForm(QWidget* owner)
    : TAclTablePage(owner, {.Width = 760, .Height = 520, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("IPv6 Mask Information"));
    BuildLayout();
    FormCreate();
}

void TIPv6ProfileForm::BuildLayout() {
    const TListFrame frame = BuildListFrame(Client);
    ListView1 = frame.List;
    TFieldGrid fields(frame.Left, 5);
    QWidget* p = Client;
    ProfileIDLabel = new QLabel(QStringLiteral("Profile ID (1-14)"), p);
    edtMaskID = NewPageEdit(p, "edtMaskID");
    fields.Add(ProfileIDLabel, edtMaskID);
    fields.Add(QStringLiteral("Class"), cbxMaskClass = NewPageCombo(p, "cbxMaskClass"));
    fields.Add(QStringLiteral("Flow Label"), cbxMaskFlowlabel = NewPageCombo(p, "cbxMaskFlowlabel"));
    fields.Add(QStringLiteral("Address Mask State"), cbxMaskState = NewPageCombo(p, "cbxMaskState"));
    fields.Add(QStringLiteral("Source IPv6 Mask"), edtSrcMask = NewPageEdit(p, "edtSrcMask"));
    fields.Add(QStringLiteral("Destination IPv6 Mask"), edtDstMask = NewPageEdit(p, "edtDstMask"));
    fields.Add(QStringLiteral("Protocol Type"), ProtoTypeCombo = NewPageCombo(p, "ProtoTypeCombo"));
    fields.Add(QStringLiteral("TCP Option"), TCPOptionCombo = NewPageCombo(p, "TCPOptionCombo"));
    fields.Add(QStringLiteral("UDP Option"), UDPOptionCombo = NewPageCombo(p, "UDPOptionCombo"));
    fields.Add(QStringLiteral("Source Port Mask"), SourcePortEdit = NewPageEdit(p, "SourcePortEdit"));
    fields.Add(QStringLiteral("Desination Port Mask"), DstPortEdit = NewPageEdit(p, "DstPortEdit"));
    fields.Add(QStringLiteral("Owner"), cbbOwner = NewPageCombo(p, "cbbOwner"));
    fields.Add(QStringLiteral("Unused Rule Entries"), edtEntries = NewPageEdit(p, "edtEntries"));
    for (QLineEdit* mask : {edtSrcMask, edtDstMask}) mask->setMinimumWidth(260);
    cbbRowStatus = NewPageCombo(p, "cbbRowStatus");
    cbbRowStatus->hide();

    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    AddButton = NewPageButton(Client, "AddButton", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "DeleteButton", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "CloseButton", QStringLiteral("Close"));
    RowCounter = frame.Counter;
    AddToButtonColumn(frame.Buttons, {RefreshButton, AddButton, DeleteButton, CloseButton});
    RowCounter->setObjectName(QStringLiteral("Static"));
    connect(RefreshButton, &QPushButton::clicked, this, &TIPv6ProfileForm::GetButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TIPv6ProfileForm::AddButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TIPv6ProfileForm::DeleteButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TIPv6ProfileForm::CloseClick);
    connect(cbxMaskState, &QComboBox::activated, this, &TIPv6ProfileForm::cbxMaskStateChange);
    for (QComboBox* governing : {ProtoTypeCombo, TCPOptionCombo, UDPOptionCombo})
        connect(governing, &QComboBox::activated, this, &TIPv6ProfileForm::UpdatePortControls);
}

void TIPv6ProfileForm::FormCreate() {
    Binder = CreateTableBinder(ListView1, IPv6ProfileVars, {edtMaskID}, [&](KySNMPRequest2Edits& b) {
        VarCount = b.Request.VarList.GetCount();
        KeyCount = b.Request.VarList.KeyCount;
        b.BindEdits(ProfileId, "%i{n1x6l1}", {edtMaskID});
        ProfileIDLabel->setText(QStringLiteral("Profile ID (1-6)"));
        b.BindComboBox(MaskClass, cbxMaskClass);
        b.BindComboBox(FlowLabel, cbxMaskFlowlabel);
        b.BindComboBox(MaskState, cbxMaskState);
        b.BindEdits(SrcMask, "%s{l32}", {edtSrcMask});
        b.BindEdits(DstMask, "%s{l32}", {edtDstMask});
        b.BindComboBox(RowStatus, cbbRowStatus);
        b.BindComboBox(Owner, cbbOwner);
        b.BindEdits(Entries, "%i", {edtEntries});
        b.BindComboBox(ProtoType, ProtoTypeCombo);
        b.BindComboBox(TcpOption, TCPOptionCombo);
        b.BindComboBox(UdpOption, UDPOptionCombo);
        b.BindEdits(SrcPortMask, "%s{l4f}", {SourcePortEdit});
        b.BindEdits(DstPortMask, "%s{l4f}", {DstPortEdit});
    });
    ValueControls = {edtMaskID, cbxMaskClass, cbxMaskFlowlabel, cbxMaskState, edtSrcMask, edtDstMask, cbbRowStatus,
                     cbbOwner, edtEntries, ProtoTypeCombo, TCPOptionCombo, UDPOptionCombo, SourcePortEdit, DstPortEdit};
    // After the binder has shown a row and enabled every bound control.
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool) {
        DisableControl(cbbOwner);
        DisableControl(edtEntries);
        UpdatePortControls();
        cbxMaskStateChange();
    });
    ShowRowSelected(false);
}

void TIPv6ProfileForm::ResetInputs() {
    ResetControls(ValueControls);
    UncheckAll(CheckBoxes);
    cbxMaskClass->setCurrentIndex(DisableItem);
    cbxMaskFlowlabel->setCurrentIndex(DisableItem);
    cbbRowStatus->setCurrentIndex(CreateAndGoItem);
    // A new profile is the access list's own.
    cbbOwner->setCurrentText(QStringLiteral("acl"));
    DisableControl(cbbOwner);
    DisableControl(edtEntries);
    UpdatePortControls();
    cbxMaskStateChange();
}

void TIPv6ProfileForm::cbxMaskStateChange() {
    const int state = cbxMaskState->currentIndex();
    if (state < 0) return;
    Enable(edtSrcMask, state == 2 || state == 3);
    Enable(edtDstMask, state == 1 || state == 3);
}

void TIPv6ProfileForm::UpdatePortControls() {
    const int protocol = ProtoTypeCombo->currentIndex();
    if (protocol < 0) return;
    if (protocol == 0) {
        DisableControls({TCPOptionCombo, UDPOptionCombo, SourcePortEdit, DstPortEdit});
        return;
    }
    QComboBox* governing = protocol == 1 ? TCPOptionCombo : UDPOptionCombo;
    Enable(TCPOptionCombo, protocol == 1);
    Enable(UDPOptionCombo, protocol == 2);
    const int option = governing->currentIndex();
    Enable(SourcePortEdit, option == 2 || option == 3);
    Enable(DstPortEdit, option == 1 || option == 3);
}

void TIPv6ProfileForm::GetButtonClick() { RefreshClick(); }

bool TIPv6ProfileForm::CheckInputs() {
    if (edtMaskID->text().isEmpty()) return Refuse(QStringLiteral("IPv6 Mask ID must be set."), edtMaskID);
    if (FindAclRow(ListView1, {edtMaskID->text()}))
        return Refuse(QStringLiteral("There is already a record with the same IPv6 Mask ID. Please modify it."), edtMaskID);
    if (cbbRowStatus->currentIndex() != CreateAndGoItem)
        return Refuse(QStringLiteral("Row Status must be createAndGo."), cbbRowStatus);
    // A mask that travels is whole: a short text would become a short or zero-filled value.
    for (auto [edit, digits] : {std::pair{edtSrcMask, 32}, {edtDstMask, 32}, {SourcePortEdit, 4}, {DstPortEdit, 4}})
        if (edit->isEnabled() && !IsHexOfLength(edit->text(), digits)) return Refuse(QStringLiteral("Invalid Mask!"), edit);
    return true;
}

std::vector<int> TIPv6ProfileForm::Exclusions() const {
    std::vector<int> excluded;
    for (int p = KeyCount; p < VarCount; ++p) {
        if (p == RowStatusIndex) continue;
        const QWidget* control = ValueControls[std::size_t(p)];
        const auto* combo = qobject_cast<const QComboBox*>(control);
        if (!control->isEnabled() || (combo && (combo->currentText() == "none" || combo->currentText() == "other")))
            excluded.push_back(p);
    }
    return excluded;
}

void TIPv6ProfileForm::AddButtonClick() {
    if (!MayWrite() || !CheckInputs()) return;
    AddRow(Exclusions(), RowStatusIndex);
}

void TIPv6ProfileForm::DeleteButtonClick() { DeleteRow(RowStatusIndex); }
