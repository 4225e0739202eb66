#include "PortSercurityDeleteFormUnit.h"

#include "AddressChecks.h"
#include "KyControlEvents.h"
#include "MainUnit.h"
#include "Oid_device.h"
#include "StackingPortUitForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum Column { VlanName, Port, MacAddress, Activity };
constexpr int StartItem = 1;

// The number in an edit, or the fallback.
int numberIn(const QLineEdit* edit, int fallback) {
    bool number = false;
    const int value = edit->text().toInt(&number);
    return number ? value : fallback;
}

}  // namespace

TPrtSecDelCtrlForm::TPrtSecDelCtrlForm(QWidget* owner) : TDedicatedPage(owner, {.Width = 434, .Height = 192}) {
    setWindowTitle(QStringLiteral("Port Sercurity Delete Control Form"));
    BuildLayout();
    FormCreate();
}

void TPrtSecDelCtrlForm::BuildLayout() {
    const auto edit = [&](QWidget* parent, const char* name) {
        auto* made = new QLineEdit(parent);
        made->setObjectName(QLatin1String(name));
        return made;
    };
    edtVlan = edit(Client, "edtVlan");
    auto* portBox = new QGroupBox(Client);
    auto* portRow = new QHBoxLayout(portBox);
    UnitEdit = edit(portBox, "UnitEdit");
    PortEdit = edit(portBox, "PortEdit");
    portRow->addWidget(new QLabel(QStringLiteral("Unit : "), portBox));
    portRow->addWidget(UnitEdit);
    portRow->addWidget(new QLabel(QStringLiteral("Port : "), portBox));
    portRow->addWidget(PortEdit);
    edtPort = edit(Client, "edtPort");
    edtPort->hide();
    cbxOper = NewHiddenCombo(Client, "cbxOper");
    edtMac = edit(Client, "edtMac");
    RefreshButton = NewPageButton(Client, "btnRefresh", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnSet", QStringLiteral("Set"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    BuildSettingsFrame(Client, {{"VLAN", edtVlan}, {"Port", portBox}, {"MAC", edtMac}}, {RefreshButton, SetButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TPrtSecDelCtrlForm::btnRefreshClick);
    connect(SetButton, &QPushButton::clicked, this, &TPrtSecDelCtrlForm::btnSetClick);
    connect(CloseButton, &QPushButton::clicked, this, &TPrtSecDelCtrlForm::CloseClick);
    KyControlEvents::onChange(edtPort, this, [this] { edtPortChange(); });
}

void TPrtSecDelCtrlForm::FormCreate() {
    Binder = CreateBinder({.Table = PrtSecDelCtrlVars,
                           .Async = false,
                           .Main = true,
                           .Bind = [this](KySNMPRequest2Edits& binder) {
                               binder.BindEdits(VlanName, "%s{l32}", {edtVlan});
                               binder.BindEdits(Port, "%i", {edtPort});
                               binder.BindEdits(MacAddress, "%s{l12}", {edtMac});
                               binder.BindComboBox(Activity, cbxOper);
                           }});
    edtPortChange();
    BuildUnitList();
}

void TPrtSecDelCtrlForm::edtPortChange() {
    bool number = false;
    const int n = edtPort->text().toInt(&number);
    if (!number) return;
    const TUnitPort split = SplitStackPort(n);
    UnitEdit->setText(QString::number(split.Unit));
    PortEdit->setText(QString::number(split.Port));
}

void TPrtSecDelCtrlForm::BuildUnitList() {
    const TPortSelectorDevice device = CurrentPortSelectorDevice();
    if (!device.Stacked) {
        UnitInfoList.push_back({1, getModelPortCount(BaseModelName, false), BaseModelName});
        return;
    }
    for (const TPortSelectorUnit& unit : device.Units) {
        if (unit.ExistState == "no-exist") continue;
        bool number = false;
        const int id = QString::fromStdString(unit.UnitId).toInt(&number);
        UnitInfoList.push_back({number ? id : -1, getModelPortCount(unit.ModuleName, true), unit.ModuleName});
    }
}

void TPrtSecDelCtrlForm::FreeUnitList() { UnitInfoList.clear(); }

int TPrtSecDelCtrlForm::UnitPortCount(int unit) const {
    if (unit > UnitPortPositions || unit <= 0) return -1;
    for (const SecurityEreaseLockUnitInfoList& node : UnitInfoList)
        if (node.UnitId == unit) return node.PortCount;
    return -1;
}

bool TPrtSecDelCtrlForm::CheckUnitPort() {
    const int unit = numberIn(UnitEdit, -1);
    if (unit <= 0) {
        UnitEdit->setFocus();
        return false;
    }
    if (unit > MaxStackUnits) {
        ShowMessage(QStringLiteral("Unit should be less than 13."));
        UnitEdit->setFocus();
        return false;
    }
    const int port = numberIn(PortEdit, -1);
    if (port <= 0) {
        PortEdit->setFocus();
        return false;
    }
    // A unit the device does not have has no ports at all.
    const int limit = UnitPortCount(unit);
    if (limit < 0) {
        UnitEdit->setFocus();
        return false;
    }
    if (port > limit) {
        UnitEdit->setText(QStringLiteral("0"));
        PortEdit->setText(QStringLiteral("0"));
        PortEdit->setFocus();
        return false;
    }
    edtPort->setText(QString::number(StackPort(unit, port)));
    return true;
}

bool TPrtSecDelCtrlForm::CheckInput() {
    const auto refuse = [this](const char* text, QLineEdit* focus) {
        ShowMessage(QString::fromLatin1(text));
        if (focus && focus->isEnabled()) focus->setFocus();
        return false;
    };
    if (edtVlan->text().isEmpty()) return refuse("You should input VLAN name.", nullptr);
    if (UnitEdit->text().isEmpty()) return refuse("The Unit should not be empty.", UnitEdit);
    if (PortEdit->text().isEmpty()) return refuse("The Port should not be empty.", PortEdit);
    if (!CheckUnitPort()) return refuse("You should input valid port.", nullptr);
    if (!IsHexOfLength(edtMac->text(), 12)) return refuse("You should input valid MAC address.", nullptr);
    cbxOper->setCurrentIndex(StartItem);
    return true;
}

void TPrtSecDelCtrlForm::btnRefreshClick() {
    if (!Binder) return;
    FreeUnitList();
    try {
        Binder->Get();
        edtPortChange();
    } catch (const std::exception& error) {
        Report(error, Binder);
    }
    BuildUnitList();
}

void TPrtSecDelCtrlForm::btnSetClick() {
    if (!Binder || Binder->Busy) return;
    // A refused entry stays as typed, to be mended.
    if (!CheckInput()) return;
    try {
        // The re-read's "Ok!" would hide why nothing was deleted.
        if (!Binder->Set(1, 1, {}, nullptr)) return;
    } catch (const std::exception& error) {
        Report(error, Binder);
    }
    btnRefreshClick();
}
