#include "EthernetMaskInformationFormUnit.h"

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

enum Column { MaskId, UseVlan, MaskState, SrcMask, DstMask, Use8021p, UseEthType, RowStatus, Owner, UnusedEntries };

}  // namespace

TEthernetMaskInformationForm::TEthernetMaskInformationForm(QWidget* owner)
    : TAclTablePage(owner, {.Width = 700, .Height = 420, .Report = TPageReport::BarePanel, .BusyText = "Get data not complet"}) {
    setWindowTitle(QStringLiteral("Ethernet Mask Information"));
    BuildLayout();
    FormCreate();
}

void TEthernetMaskInformationForm::BuildLayout() {
    const TListFrame frame = BuildListFrame(Client);
    ListView1 = frame.List;
    TFieldGrid fields(frame.Left, 5);
    QWidget* p = Client;
    fields.Add(QStringLiteral("Ethernet Mask ID"), IDEdit = NewPageEdit(p, "IDEdit"));
    fields.Add(QStringLiteral("Use VLAN"), UseVLanComBo = NewPageCombo(p, "UseVLanComBo"));
    fields.Add(QStringLiteral("MAC Address Mask State"), MacMaskStateComBo = NewPageCombo(p, "MacMaskStateComBo"));
    fields.Add(QStringLiteral("MAC Address Mask Destination"), MacMaskDstEdit = NewPageEdit(p, "MacMaskDstEdit"));
    fields.Add(QStringLiteral("MAC Address Mask Source"), MacAddMaskSourceEdit = NewPageEdit(p, "MacAddMaskSourceEdit"));
    fields.Add(QStringLiteral("Use 802.1p"), Use8021pComBo = NewPageCombo(p, "Use8021pComBo"));
    fields.Add(QStringLiteral("Use Ethernet Type"), UseEthTypeCombo = NewPageCombo(p, "UseEthTypeCombo"));
    fields.Add(QStringLiteral("Owner"), OwnerCombo = NewPageCombo(p, "OwnerCombo"));
    fields.Add(QStringLiteral("Unused Rule Entries"), EntryEdit = NewPageEdit(p, "EntryEdit"));
    RowStatusComBo = NewPageCombo(p, "RowStatusComBo");
    RowStatusComBo->hide();

    RefreshButton = NewPageButton(Client, "BT_Get", QStringLiteral("Refresh"));
    AddButton = NewPageButton(Client, "AddBtn", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "BT_Delete", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    RowCounter = frame.Counter;
    AddToButtonColumn(frame.Buttons, {RefreshButton, AddButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TEthernetMaskInformationForm::BT_GetClick);
    connect(AddButton, &QPushButton::clicked, this, &TEthernetMaskInformationForm::AddBtnClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TEthernetMaskInformationForm::BT_DeleteClick);
    connect(CloseButton, &QPushButton::clicked, this, &TEthernetMaskInformationForm::CloseClick);
}

void TEthernetMaskInformationForm::FormCreate() {
    Binder = CreateTableBinder(ListView1, EthernetMaskInformationVars, {IDEdit}, [&](KySNMPRequest2Edits& b) {
        b.BindEdits(MaskId, "%i{n1x14l2}", {IDEdit});
        b.BindComboBox(UseVlan, UseVLanComBo);
        b.BindComboBox(MaskState, MacMaskStateComBo);
        b.BindEdits(SrcMask, "%s", {MacAddMaskSourceEdit});
        b.BindEdits(DstMask, "%s", {MacMaskDstEdit});
        b.BindComboBox(Use8021p, Use8021pComBo);
        b.BindComboBox(UseEthType, UseEthTypeCombo);
        b.BindComboBox(RowStatus, RowStatusComBo);
        b.BindComboBox(Owner, OwnerCombo);
        b.BindEdits(UnusedEntries, "%i", {EntryEdit});
    });
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool) {
        DisableControl(OwnerCombo);
        DisableControl(EntryEdit);
    });
    for (QComboBox* combo : {UseVLanComBo, Use8021pComBo, MacMaskStateComBo, UseEthTypeCombo, RowStatusComBo})
        combo->setCurrentIndex(0);
    ShowRowSelected(false);
}

void TEthernetMaskInformationForm::ResetInputs() {
    for (QLineEdit* edit : {IDEdit, MacMaskDstEdit, MacAddMaskSourceEdit, EntryEdit}) edit->clear();
    OwnerCombo->setCurrentIndex(1);
    DisableControl(OwnerCombo);
    DisableControl(EntryEdit);
}

void TEthernetMaskInformationForm::BT_GetClick() { RefreshClick(); }

bool TEthernetMaskInformationForm::CheckMacAddress(QLineEdit* edit) {
    if (edit->text().isEmpty() || IsHexOfLength(edit->text(), 12)) return true;
    return Refuse(QStringLiteral("Invalid MAC Address"), edit);
}

bool TEthernetMaskInformationForm::ValidateInputs() {
    if (IDEdit->text().isEmpty()) return Refuse(QStringLiteral("Mask ID must be set"), IDEdit);
    if (!MayWrite()) return false;
    const QString state = MacMaskStateComBo->currentText();
    if (state == "dst-mac-addr" || state == "dst-src-mac-addr")
        if (!CheckMacAddress(MacMaskDstEdit)) return false;
    if (state == "src-mac-addr" || state == "dst-src-mac-addr")
        if (!CheckMacAddress(MacAddMaskSourceEdit)) return false;
    return true;
}

std::vector<int> TEthernetMaskInformationForm::Exclusions() const {
    std::vector<int> out;
    if (UseVLanComBo->currentText().isEmpty()) out.push_back(UseVlan);
    if (Use8021pComBo->currentText().isEmpty()) out.push_back(Use8021p);
    const QString state = MacMaskStateComBo->currentText();
    if (state.isEmpty() || state == "other") out.insert(out.end(), {MaskState, SrcMask, DstMask});
    else if (state == "dst-mac-addr") out.push_back(SrcMask);
    else if (state == "src-mac-addr") out.push_back(DstMask);
    if (MacMaskDstEdit->text().isEmpty()) out.push_back(DstMask);
    if (MacAddMaskSourceEdit->text().isEmpty()) out.push_back(SrcMask);
    if (UseEthTypeCombo->currentText().isEmpty()) out.push_back(UseEthType);
    return out;
}

void TEthernetMaskInformationForm::AddBtnClick() {
    if (FindAclRow(ListView1, {IDEdit->text()})) {
        Refuse(QStringLiteral("There is already a record with the same Ethernet Mask ID. Please modified it."), IDEdit);
        return;
    }
    if (ValidateInputs()) AddRow(Exclusions(), RowStatus);
}

void TEthernetMaskInformationForm::BT_DeleteClick() { DeleteRow(RowStatus); }
