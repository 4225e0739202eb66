#include "IPCtrlEditUnit.h"

#include "AddressChecks.h"
#include "IPCtrlUnit.h"
#include "KySNMPRequest2Edits.h"
#include "TBasicFormUnit.h"
#include "PageKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

constexpr int TrueItem = 0;
constexpr int FalseItem = 1;
constexpr int CreateAndGoItem = 3;
constexpr int MaxInterfacesPerVlan = 64;

QString Dotted(std::uint32_t value) {
    return QStringLiteral("%1.%2.%3.%4").arg(value >> 24).arg(value >> 16 & 255).arg(value >> 8 & 255).arg(value & 255);
}

}  // namespace

TIPCtrlEdtForm::TIPCtrlEdtForm(TDedicatedPage& page) : TPageEditDialog(page) {
    setWindowTitle(QStringLiteral("IP Control Edit"));
    BuildLayout();
    resize(459, 544);
    KeyEdits = {edtInterface};
}

void TIPCtrlEdtForm::BuildLayout() {
    QHBoxLayout* columns = BuildPageColumns(this);
    auto* grid = new QGridLayout();
    columns->addLayout(grid, 1);
    auto addRow = [&](QWidget* lead, QWidget* control) {
        const int row = grid->rowCount();
        grid->addWidget(lead, row, 0);
        grid->addWidget(control, row, 1);
    };
    auto box = [&](const char* name, const QString& caption, int position) {
        auto* check = new QCheckBox(caption, this);
        check->setObjectName(QLatin1String(name));
        Fields.push_back({check, position});
        return check;
    };
    auto edit = [this](const char* name) { return NewPageEdit(this, name); };
    auto combo = [this](const char* name) { return NewPageCombo(this, name); };
    using P = TIpCtrlForm;
    InterfaceNameCheckBox = box("InterfaceNameCheckBox", QStringLiteral("Interface Name"), P::InterfaceName);
    addRow(InterfaceNameCheckBox, edtInterface = edit("edtInterface"));
    auto* lblIfIndex = new QLabel(QStringLiteral("IF Index"), this);
    addRow(lblIfIndex, edtIndex = edit("edtIndex"));
    IPAddressCheckBox = box("IPAddressCheckBox", QStringLiteral("IP Address"), P::IPAddress);
    addRow(IPAddressCheckBox, edtIPAddr = edit("edtIPAddr"));
    SubnetMaskCheckBox = box("SubnetMaskCheckBox", QStringLiteral("Subnet Mask"), P::SubnetMask);
    addRow(SubnetMaskCheckBox, edtMask = edit("edtMask"));
    VLANNameCheckBox = box("VLANNameCheckBox", QStringLiteral("VLAN Name"), P::VlanName);
    addRow(VLANNameCheckBox, edtVlan = edit("edtVlan"));
    ModeCheckBox = box("ModeCheckBox", QStringLiteral("Mode"), P::Mode);
    addRow(ModeCheckBox, cbxMode = combo("cbxMode"));
    AdminStateCheckBox = box("AdminStateCheckBox", QStringLiteral("Admin State"), P::AdminState);
    addRow(AdminStateCheckBox, cbxAdmin = combo("cbxAdmin"));
    addRow(new QLabel(QStringLiteral("IPv6 Link Local Address"), this), edtIpv6Addr = edit("edtIpv6Addr"));
    addRow(new QLabel(QStringLiteral("IPv6 Link Local Prefix Length"), this), edtIPv6Prefix = edit("edtIPv6Prefix"));
    SecondaryCheckBox = box("SecondaryCheckBox", QStringLiteral("Secondary"), P::Secondary);
    addRow(SecondaryCheckBox, cbxSecondary = combo("cbxSecondary"));
    ProxyARPCheckBox = box("ProxyARPCheckBox", QStringLiteral("Proxy ARP"), P::ProxyArp);
    addRow(ProxyARPCheckBox, ProxyARPComboBox = combo("ProxyARPComboBox"));
    LocalProxyArpCheckBox = box("LocalProxyArpCheckBox", QStringLiteral("Local Proxy ARP"), P::LocalProxyArp);
    addRow(LocalProxyArpCheckBox, ProxyARPStateComboBox = combo("ProxyARPStateComboBox"));
    ipV6LKAutoStateCheckBox =
        box("ipV6LKAutoStateCheckBox", QStringLiteral("IPv6 Link Local Auto State\n"), P::Ipv6AutoState);
    addRow(ipV6LKAutoStateCheckBox, cbxAutoState = combo("cbxAutoState"));
    DHCPv6CheckBox = box("DHCPv6CheckBox", QStringLiteral("DHCPv6 Client State"), P::Dhcpv6ClientState);
    addRow(DHCPv6CheckBox, ClientStatecbx = combo("ClientStatecbx"));
    DirectedBroadcastStateCheckBox =
        box("DirectedBroadcastStateCheckBox", QStringLiteral("Directed Broadcast State"), P::DirectedBroadcast);
    addRow(DirectedBroadcastStateCheckBox, DirectedBroadcastStateCBX = combo("DirectedBroadcastStateCBX"));
    // The row status travels only with a new interface or after "Check All".
    StateCheckBox = box("StateCheckBox", QStringLiteral("State"), P::State);
    StateCheckBox->hide();
    cbxState = NewHiddenCombo(this, "cbxState");
    grid->setRowStretch(grid->rowCount(), 1);

    edtIndex->setEnabled(false);
    edtIpv6Addr->setMinimumWidth(270);
    edtIpv6Addr->setReadOnly(true);
    edtIPv6Prefix->setReadOnly(true);

    QVBoxLayout* buttons = AddButtonColumn(columns, {});
    btnSet = AddColumnButton(buttons, this, "btnSet", QStringLiteral("Set"));
    CheckButton = AddColumnButton(buttons, this, "CheckButton", QStringLiteral("Check All"));
    UncheckButton = AddColumnButton(buttons, this, "UncheckButton", QStringLiteral("Clear Checks"));
    btnClose = AddColumnButton(buttons, this, "btnClose", QStringLiteral("Close"));
    connect(btnSet, &QPushButton::clicked, this, &TIPCtrlEdtForm::btnSetClick);
    connect(CheckButton, &QPushButton::clicked, this, &TIPCtrlEdtForm::CheckButtonClick);
    connect(UncheckButton, &QPushButton::clicked, this, &TIPCtrlEdtForm::UncheckButtonClick);
    connect(btnClose, &QPushButton::clicked, this, &TIPCtrlEdtForm::reject);
    connect(cbxSecondary, &QComboBox::currentIndexChanged, this, &TIPCtrlEdtForm::cbxSecondaryChange);
}

void TIPCtrlEdtForm::Bind(KySNMPRequest2Edits& binder) {
    using P = TIpCtrlForm;
    binder.BindEdits(P::InterfaceName, "%s{l12}", {edtInterface});
    binder.BindEdits(P::Index, "%i{n0x65535l5}", {edtIndex});
    binder.BindEdits(P::IPAddress, "%s{l16}", {edtIPAddr});
    binder.BindEdits(P::SubnetMask, "%s{l16}", {edtMask});
    binder.BindEdits(P::VlanName, "%s{l32}", {edtVlan});
    binder.BindComboBox(P::Secondary, cbxSecondary);
    binder.BindComboBox(P::Mode, cbxMode);
    binder.BindComboBox(P::AdminState, cbxAdmin);
    binder.BindEdits(P::Ipv6LinkLocalAddress, "%s{l32}", {edtIpv6Addr});
    binder.BindEdits(P::Ipv6LinkLocalPrefix, "%i{n0x128l3}", {edtIPv6Prefix});
    binder.BindComboBox(P::State, cbxState);
    binder.BindComboBox(P::ProxyArp, ProxyARPComboBox);
    binder.BindComboBox(P::LocalProxyArp, ProxyARPStateComboBox);
    binder.BindComboBox(P::Ipv6AutoState, cbxAutoState);
    binder.BindComboBox(P::Dhcpv6ClientState, ClientStatecbx);
    binder.BindComboBox(P::DirectedBroadcast, DirectedBroadcastStateCBX);
}

TIpCtrlForm& TIPCtrlEdtForm::IpCtrlForm() const { return static_cast<TIpCtrlForm&>(Page); }

void TIPCtrlEdtForm::PrepareAdd() {
    TPageEditDialog::PrepareAdd();
    UncheckButtonClick();
    for (QLineEdit* e : {edtIndex, edtIPAddr, edtMask, edtVlan, edtIpv6Addr, edtIPv6Prefix}) e->clear();
    cbxSecondary->setCurrentIndex(FalseItem);
    for (QComboBox* c : {cbxMode, cbxAdmin, ProxyARPComboBox, ProxyARPStateComboBox, ClientStatecbx,
                         DirectedBroadcastStateCBX})
        c->setCurrentIndex(0);
    InterfaceNameCheckBox->setEnabled(true);
    InterfaceNameCheckBox->setChecked(true);
    StateCheckBox->setChecked(true);
    cbxState->setCurrentIndex(CreateAndGoItem);
    btnSet->setText(QStringLiteral("Add"));
    cbxSecondaryChange();
}

void TIPCtrlEdtForm::PrepareEdit() {
    TPageEditDialog::PrepareEdit();
    UncheckButtonClick();
    TBasicForm::DisableControl(edtIndex);
    InterfaceNameCheckBox->setEnabled(false);
    InterfaceNameCheckBox->setChecked(true);
    btnSet->setText(QStringLiteral("Edit"));
    cbxSecondaryChange();
}

bool TIPCtrlEdtForm::SecondarySelected() const { return cbxSecondary->currentIndex() == TrueItem; }

void TIPCtrlEdtForm::cbxSecondaryChange() {
    // A secondary interface takes no IPv6 link-local or DHCPv6 settings; its columns are left out of the SET.
    const bool secondary = SecondarySelected();
    for (QWidget* control : std::initializer_list<QWidget*>{ipV6LKAutoStateCheckBox, DHCPv6CheckBox, cbxAutoState,
                                                            ClientStatecbx})
        control->setEnabled(!secondary);
}

void TIPCtrlEdtForm::CheckButtonClick() {
    for (const Field& field : Fields) field.Box->setChecked(true);
    ipV6LKAutoStateCheckBox->setChecked(!SecondarySelected());
    DHCPv6CheckBox->setChecked(!SecondarySelected());
}

void TIPCtrlEdtForm::UncheckButtonClick() {
    for (const Field& field : Fields) field.Box->setChecked(false);
}

bool TIPCtrlEdtForm::IsValidIPv4(const QString& text) {
    const auto address = IPv4Value(text);
    if (!address) return false;
    const std::uint32_t first = *address >> 24;
    if (*address == 0xffffffffu) return false;  // all broadcast
    if (first == 127) return false;             // local host
    return first < 224 || first > 247;          // classes D and E
}

bool TIPCtrlEdtForm::IsValidMask(const QString& text) {
    const auto mask = IPv4Value(text);
    return mask && IsContiguousMask(*mask);
}

QString TIPCtrlEdtForm::NetworkOf(const QString& address, const QString& mask) {
    const auto a = IPv4Value(address);
    const auto m = IPv4Value(mask);
    if (!a || !m) return {};
    return Dotted(*a & *m);
}

std::vector<QTreeWidgetItem*> TIPCtrlEdtForm::OtherRows() const {
    QTreeWidget* list = IpCtrlForm().ListView1;
    QTreeWidgetItem* edited = Adding ? nullptr : list->currentItem();
    std::vector<QTreeWidgetItem*> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i) != edited) rows.push_back(list->topLevelItem(i));
    return rows;
}

bool TIPCtrlEdtForm::Refuse(const QString& text) {
    Page.ShowMessage(text);
    return false;
}

bool TIPCtrlEdtForm::CheckSameNetwork() {
    const QString network = NetworkOf(edtIPAddr->text(), edtMask->text());
    if (network == QStringLiteral("0.0.0.0")) return true;
    for (QTreeWidgetItem* row : OtherRows())
        if (NetworkOf(row->text(TIpCtrlForm::IPAddress), row->text(TIpCtrlForm::SubnetMask)) == network) return false;
    return true;
}

bool TIPCtrlEdtForm::CheckAddressAndMask() {
    if (!IsValidIPv4(edtIPAddr->text())) return Refuse(QStringLiteral("Please input valid IP Address."));
    if (!IsValidMask(edtMask->text())) return Refuse(QStringLiteral("Please input valid Subnet Mask."));
    if (!CheckSameNetwork())
        return Refuse(QStringLiteral("There is an same interface, please modify IP or Subnet Mask!"));
    return true;
}

bool TIPCtrlEdtForm::CheckInterfaceName() {
    if (edtInterface->text().isEmpty()) return Refuse(QStringLiteral("Please input Interface Name."));
    for (QTreeWidgetItem* row : OtherRows())
        if (row->text(TIpCtrlForm::InterfaceName) == edtInterface->text())
            return Refuse(QStringLiteral("Please input different Interface Name."));
    return true;
}

bool TIPCtrlEdtForm::CheckVlanAndSecondary() {
    if (edtVlan->text().isEmpty()) return Refuse(QStringLiteral("Please input a VLAN name."));
    if (cbxSecondary->currentIndex() < 0) return Refuse(QStringLiteral("Please choose Secondary."));
    int interfaces = 0;
    for (QTreeWidgetItem* row : OtherRows()) {
        if (row->text(TIpCtrlForm::VlanName) != edtVlan->text()) continue;
        if (++interfaces == MaxInterfacesPerVlan) return Refuse(QStringLiteral("A VLAN can just create 64 interfaces."));
        if (cbxSecondary->currentIndex() == FalseItem)
            return Refuse(QStringLiteral("This VLAN has been used to create primary interface.\n"
                                         "Please choose true in Secondary"));
    }
    if (interfaces == 0 && SecondarySelected())
        return Refuse(QStringLiteral("You should create primary interface at first."));
    return true;
}

bool TIPCtrlEdtForm::CheckCombos() {
    if (cbxMode->currentIndex() < 0) return Refuse(QStringLiteral("Please choose Mode"));
    if (cbxSecondary->currentIndex() < 0) return Refuse(QStringLiteral("Please choose Secondary"));
    if (cbxAdmin->currentIndex() < 0) return Refuse(QStringLiteral("Please choose Admin"));
    if (cbxState->currentIndex() < 0) return Refuse(QStringLiteral("Please choose State"));
    return true;
}

bool TIPCtrlEdtForm::ValidateAdd() {
    if ((!edtIPAddr->text().isEmpty() || !edtMask->text().isEmpty()) && !CheckAddressAndMask()) return false;
    return CheckInterfaceName() && CheckVlanAndSecondary() && CheckCombos();
}

bool TIPCtrlEdtForm::ValidateEdit() {
    // Every field sent is checked as on Add; the VLAN rules only when the VLAN or the secondary flag change.
    if ((IPAddressCheckBox->isChecked() || SubnetMaskCheckBox->isChecked()) && !CheckAddressAndMask()) return false;
    QTreeWidgetItem* row = IpCtrlForm().ListView1->currentItem();
    const bool vlanChanges = VLANNameCheckBox->isChecked() && row && row->text(TIpCtrlForm::VlanName) != edtVlan->text();
    const bool roleChanges =
        SecondaryCheckBox->isChecked() && row && row->text(TIpCtrlForm::Secondary) != cbxSecondary->currentText();
    if ((vlanChanges || roleChanges) && !CheckVlanAndSecondary()) return false;
    if (VLANNameCheckBox->isChecked() && edtVlan->text().isEmpty()) return Refuse(QStringLiteral("Please input a VLAN name."));
    return CheckCombos();
}

void TIPCtrlEdtForm::ApplySet() {
    std::vector<int> excluded;
    for (const Field& field : Fields)
        if (!field.Box->isChecked()) excluded.push_back(field.Position);
    if (SecondarySelected()) excluded.insert(excluded.end(), {TIpCtrlForm::Ipv6AutoState, TIpCtrlForm::Dhcpv6ClientState});
    // A new interface without an address is created without one.
    if (Adding && edtIPAddr->text().isEmpty() && edtMask->text().isEmpty())
        excluded.insert(excluded.end(), {TIpCtrlForm::IPAddress, TIpCtrlForm::SubnetMask});
    Page.MainBinder()->Request.Active = 1;
    Page.ReadAgainAfter(Page.MaskedSet(excluded));
}

void TIPCtrlEdtForm::btnSetClick() {
    if (!Page.MainBinder()) {
        reject();
        return;
    }
    if (!(Adding ? ValidateAdd() : ValidateEdit())) return;
    try {
        ApplySet();
        accept();
    } catch (const std::exception& error) {
        Page.DataComplete = 1;
        Page.Report(error);
    }
}
