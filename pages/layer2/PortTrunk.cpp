#include "PortTrunk.h"

#include "AddressChecks.h"
#include "KyControlEvents.h"
#include "MainUnit.h"
#include "Oid_device.h"
#include "PageKit.h"
#include "StackingPortUitForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>
#include <functional>

namespace {

enum Column { Index, MasterPort, MemberPorts, FloodingPort, TrunkType, TrunkState, ActivePorts };
// Items of the state combo, in the option list's order.
constexpr int EnableItem = 0;
constexpr int CreateAndGoItem = 2;
constexpr int DestroyItem = 4;
constexpr int HighestIndex = 32;
constexpr int MaxMembers = 8;
constexpr int MinMembers = 2;
const char* const InvalidMaster = "set valid master port";

int NumberOrMinusOne(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    return ok ? value : -1;
}

bool AnyRow(const QTreeWidget* list, const std::function<bool(const QTreeWidgetItem*)>& match) {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (match(list->topLevelItem(i))) return true;
    return false;
}

}  // namespace

TPortTrunkForm::TPortTrunkForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 655, .Height = 516, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Port Trunk"));
    BuildLayout();
    FormCreate();
}

void TPortTrunkForm::BuildLayout() {
    const TListOverPanel body = BuildListOverPanel(Client, "LV_PortTrunk", true);
    LV_PortTrunk = body.List;
    LV_PortTrunk->setRootIsDecorated(false);
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    ED_Index = NewPageEdit(body.Lower, "ED_Index");
    Combo_Type = NewPageCombo(body.Lower, "Combo_Type");
    ComboBox1 = NewPageCombo(body.Lower, "ComboBox1");
    ComboBox1->addItems({QStringLiteral("enable"), QStringLiteral("disable")});
    ComboBox1->setCurrentIndex(-1);
    ST_FloodingPort = NewStaticText(body.Lower, "ST_FloodingPort");
    ST_FloodingPort->setMinimumWidth(60);
    AddCaptionedRow(inputs, 0, {{QStringLiteral("Index(1-32)"), ED_Index},
                                {QStringLiteral("Trunk Type"), Combo_Type},
                                {QStringLiteral("Status"), ComboBox1},
                                {QStringLiteral("Flooding Port"), ST_FloodingPort}});

    auto* master = new QGroupBox(QStringLiteral("Master Port"), body.Lower);
    auto* masterRow = new QHBoxLayout(master);
    UnitEdit = NewPageEdit(master, "UnitEdit");
    UnitEdit->setText(QStringLiteral("1"));
    PortEdit = NewPageEdit(master, "PortEdit");
    masterRow->addWidget(new QLabel(QStringLiteral("Unit : "), master));
    masterRow->addWidget(UnitEdit);
    masterRow->addWidget(new QLabel(QStringLiteral("Port : "), master));
    masterRow->addWidget(PortEdit);
    inputs->addWidget(master, 0, 4, 2, 1);
    inputs->setColumnStretch(5, 1);
    ED_Index->setMaximumWidth(70);
    for (QLineEdit* edit : {UnitEdit, PortEdit}) edit->setMaximumWidth(50);
    for (QLineEdit* edit : {UnitEdit, PortEdit}) edit->installEventFilter(this);

    // Bound, never shown: the row's master port number and state as the switch holds them.
    ED_MasterPort = NewPageEdit(body.Lower, "ED_MasterPort");
    ED_MasterPort->hide();
    Combo_State = NewPageCombo(body.Lower, "Combo_State");
    Combo_State->hide();

    PageControl1 = new QTabWidget(body.Lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body.LowerLayout->addWidget(PageControl1, 1);

    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "BT_Get", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "SetBtn", QStringLiteral("Set"));
    AddButton = NewPageButton(Client, "BT_Set", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "BT_Delete", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "BT_Close", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {RowCounter, RefreshButton, SetButton, AddButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TPortTrunkForm::BT_GetClick);
    connect(SetButton, &QPushButton::clicked, this, &TPortTrunkForm::SetBtnClick);
    connect(AddButton, &QPushButton::clicked, this, &TPortTrunkForm::BT_SetClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TPortTrunkForm::BT_DeleteClick);
    connect(CloseButton, &QPushButton::clicked, this, &TPortTrunkForm::CloseClick);
}

void TPortTrunkForm::FormCreate() {
    BuildUnitSelectors();
    PageControl1->setCurrentIndex(0);
    const std::string ports = PortNumberList();
    KeyEdits = {ED_Index};
    WatchList(LV_PortTrunk);
    TrunkRequest = CreateBinder({.Table = PortTrunkVars,
                                 .ItemType = MVT_UMV,
                                 .KeyCount = 1,
                                 .Async = false,
                                 .Main = true,
                                 .Timeout = 300,
                                 .List = LV_PortTrunk,
                                 .Bind = [&](KySNMPRequest2Edits& binder) {
                                     binder.BindEdits(Index, "%i{n1x32}", {ED_Index});
                                     binder.BindEdits(MasterPort, "%i", {ED_MasterPort});
                                     BindPortList(binder, MemberPorts, ports, MemberSelector);
                                     binder.BindStaticText(FloodingPort, ST_FloodingPort);
                                     binder.BindComboBox(TrunkType, Combo_Type);
                                     binder.BindComboBox(TrunkState, Combo_State);
                                     BindPortList(binder, ActivePorts, ports, ActiveSelector);
                                 }});
    // After the binder has copied the row into the controls.
    KyControlEvents::onSelectItem(LV_PortTrunk, this, [this](QTreeWidgetItem* item, bool selected) {
        if (selected) LV_PortTrunkClick(*item);
    });
    ShowRowSelected(false);
}

void TPortTrunkForm::BuildUnitSelectors() {
    try {
        const bool stacked = StackModeText == "enabled";
        if (stacked && StackUnitCount == 0 && MainForm && MainForm->UnitTableRequest) {
            try {
                MainForm->UnitTableRequest->Get();
            } catch (const std::exception& error) {
                StatusPanel()->setText(QString::fromLocal8Bit(error.what()));
            }
            // The rows a failed read delivered still count.
            StackUnitListView = MainForm->UnitListView;
            StackUnitCount = StackUnitListView->topLevelItemCount();
        }
        MemberSelector = AddPortSelector(PageControl1, QStringLiteral("Member Ports"));
        ActiveSelector = AddPortSelector(PageControl1, QStringLiteral("Active Ports"));
        // The ports the switch found active are only shown.
        ActiveSelector->DisableAll();
        const TPortSelectorDevice device = CurrentPortSelectorDevice();
        if (!stacked) {
            const std::string model = standaloneModelName(device);
            UnitList = {{1, getModelPortCount(model, false), model}};
            return;
        }
        for (const TPortSelectorUnit& unit : device.Units) {
            if (unit.ExistState == "no-exist") continue;
            bool ok = false;
            const int id = QString::fromStdString(unit.UnitId).trimmed().toInt(&ok);
            UnitList.push_back({ok ? id : -1, getModelPortCount(unit.ModuleName, true), unit.ModuleName});
        }
    } catch (const std::exception& error) {
        StatusPanel()->setText(QString::fromLocal8Bit(error.what()));
    }
}

void TPortTrunkForm::ResetInputs() {
    ED_Index->clear();
    UnitEdit->clear();
    PortEdit->clear();
    ST_FloodingPort->clear();
    for (TStackingPortUitForm* selector : {MemberSelector, ActiveSelector})
        if (selector) selector->UncheckAll();
}

bool TPortTrunkForm::eventFilter(QObject* watched, QEvent* event) {
    // Unit and port take digits only.
    if ((watched == UnitEdit || watched == PortEdit) && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && !text[0].isDigit() && text[0] != QLatin1Char('\b')) {
            QApplication::beep();
            return true;
        }
    }
    return TDedicatedPage::eventFilter(watched, event);
}

void TPortTrunkForm::LV_PortTrunkClick(const QTreeWidgetItem& row) {
    MemberCount = 0;
    ActiveSelector->DisableAll();
    const TUnitPort master = SplitStackPort(NumberOrMinusOne(ED_MasterPort));
    UnitEdit->setText(QString::number(master.Unit));
    PortEdit->setText(QString::number(master.Port));
    const QString state = row.text(TrunkState);
    if (state == QLatin1String("disable")) ComboBox1->setCurrentIndex(1);
    else if (state == QLatin1String("enable")) ComboBox1->setCurrentIndex(0);
}

void TPortTrunkForm::Refuse(const char* text, QWidget* focus) {
    ShowMessage(QString::fromLatin1(text));
    if (focus && focus->isEnabled()) focus->setFocus();
}

void TPortTrunkForm::Failed(const std::exception& error) {
    ShowRowSelected(false);
    Report(error);
}

bool TPortTrunkForm::MasterChecked(int master) const {
    const auto& boxes = MemberSelector->PortCheckBoxes;
    return master >= 1 && master <= int(boxes.size()) && boxes[std::size_t(master - 1)]->isChecked();
}

bool TPortTrunkForm::CheckUnitPort(int unit, int port) {
    if (port <= 0) {
        Refuse(InvalidMaster, PortEdit);
        return false;
    }
    if (UnitList.empty()) {
        Refuse(InvalidMaster, UnitEdit);
        return false;
    }
    for (const UnitInformationTrunkList& node : UnitList) {
        if (node.UnitId != unit) continue;
        if (port <= node.PortCount) return true;
        Refuse(InvalidMaster, PortEdit);
        return false;
    }
    Refuse(InvalidMaster, UnitEdit);
    return false;
}

bool TPortTrunkForm::CheckMemberCount(int unit) {
    MemberCount = 0;
    const auto& boxes = MemberSelector->PortCheckBoxes;
    std::size_t first = 0;
    std::size_t end = boxes.size();
    if (StackModeText != "enabled") {
        first = std::size_t(std::max(unit - 1, 0)) * UnitPortPositions;
        end = std::min(boxes.size(), first + UnitPortPositions);
    }
    for (std::size_t k = first; k < end; ++k) {
        if (!boxes[k]->isChecked()) continue;
        if (++MemberCount > MaxMembers) {
            boxes[k]->setChecked(false);
            ShowMessage(QStringLiteral("The trunk member can't over eight!"));
            return false;
        }
    }
    if (MemberCount < MinMembers) {
        ShowMessage(QStringLiteral("You must choose at least two members!"));
        return false;
    }
    return true;
}

void TPortTrunkForm::BT_GetClick() { RefreshClick(); }

void TPortTrunkForm::BT_SetClick() {
    try {
        if (ED_Index->text().isEmpty()) return Refuse("The index should not be empty.", ED_Index);
        // "02" names trunk 2 as well.
        const int index = NumberOrMinusOne(ED_Index);
        if (AnyRow(LV_PortTrunk, [&](const QTreeWidgetItem* row) { return row->text(Index).toInt() == index; }))
            return Refuse("The Index must be different!", ED_Index);
        // The edit checks its range only when the focus leaves it.
        if (index < 1 || index > HighestIndex) return Refuse("Please enter a number between 1 and 32!", ED_Index);
        if (UnitEdit->text().isEmpty()) return Refuse("The Unit should not be empty.", UnitEdit);
        if (PortEdit->text().isEmpty()) return Refuse("The Port should not be empty.", PortEdit);
        const int unit = NumberOrMinusOne(UnitEdit);
        const int port = NumberOrMinusOne(PortEdit);
        if (!CheckUnitPort(unit, port)) return;
        if (Combo_Type->currentIndex() < 0) return Refuse("Please choose trunk type.", Combo_Type);
        const int master = StackPort(unit, port);
        if (AnyRow(LV_PortTrunk, [&](const QTreeWidgetItem* row) { return row->text(MasterPort).toInt() == master; }))
            return Refuse("The master port must be different!", UnitEdit);
        if (!MasterChecked(master)) return Refuse("Master port must be checked.", PortEdit);
        ED_MasterPort->setText(QString::number(master));
        if (!CheckMemberCount(unit)) return;
        // A trunk is created disabled; enabling it is a second write, after the first went out.
        bool sent = MaskedSet({}, TrunkState, CreateAndGoItem);
        if (sent && ComboBox1->currentText() == QLatin1String("enable")) sent = MaskedSet({}, TrunkState, EnableItem);
        if (sent) RefreshClick();
        else ShowRefusal(false);
    } catch (const std::exception& error) {
        Failed(error);
    }
}

void TPortTrunkForm::SetBtnClick() {
    try {
        if (ED_Index->text().isEmpty()) return ShowMessage(QStringLiteral("Please select trunk group."));
        if (UnitEdit->text().isEmpty()) return Refuse("The Unit Edit should not be empty", UnitEdit);
        if (PortEdit->text().isEmpty()) return Refuse("The Port Edit should not be empty", PortEdit);
        Combo_State->setCurrentIndex(ComboBox1->currentIndex());
        const int unit = WholeNumber(UnitEdit);
        const int port = WholeNumber(PortEdit);
        if (!CheckUnitPort(unit, port)) return;
        const int master = StackPort(unit, port);
        ED_MasterPort->setText(QString::number(master));
        if (!MasterChecked(master)) return Refuse("Master port must be checked.", PortEdit);
        if (!CheckMemberCount(unit)) return;
        // Without a status chosen the switch keeps the trunk's state.
        if (MaskedSet(ComboBox1->currentIndex() < 0 ? std::vector<int>{TrunkState} : std::vector<int>{})) RefreshClick();
        else ShowRefusal(false);
    } catch (const std::exception& error) {
        Failed(error);
    }
}

void TPortTrunkForm::BT_DeleteClick() {
    try {
        if (ED_Index->text().isEmpty()) return Refuse("Please select trunk group.", ED_Index);
        if (MaskedSet(AllButKeysAnd(TrunkState), TrunkState, DestroyItem)) RefreshClick();
        else ShowRefusal(false);
    } catch (const std::exception& error) {
        Failed(error);
    }
}
