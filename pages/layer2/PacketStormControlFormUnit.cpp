#include "PacketStormControlFormUnit.h"

#include "KyRadioGroup.h"
#include "Oid_device.h"
#include "PageKit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

enum Setting { Recover, TrapControl, AutoRecoverTime };
constexpr int StormTimeout = 300;
constexpr int MaxRecoverTime = 65535;

}  // namespace

TPacketStormControlForm::TPacketStormControlForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 720, .Height = 420, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Traffic Storm Management Global Settings"));
    BuildLayout();
    FormCreate();
}

void TPacketStormControlForm::BuildLayout() {
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* body = new QVBoxLayout();
    columns->addLayout(body, 1);
    auto* settings = new QHBoxLayout();
    body->addLayout(settings);
    rgPktStromTrapCtrl = new KyRadioGroup(Client);
    rgPktStromTrapCtrl->setObjectName(QStringLiteral("rgPktStromTrapCtrl"));
    rgPktStromTrapCtrl->setTitle(QStringLiteral("Packet Storm Trap Control"));
    settings->addWidget(rgPktStromTrapCtrl, 1);
    auto* recover = new QGroupBox(QStringLiteral("Auto Recover Time"), Client);
    auto* recoverLayout = new QVBoxLayout(recover);
    TimeEdit = NewPageEdit(recover, "TimeEdit");
    recoverLayout->addWidget(TimeEdit);
    recoverLayout->addStretch(1);
    settings->addWidget(recover);
    PageControl1 = new QTabWidget(Client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body->addWidget(PageControl1, 1);

    RefreshButton = NewPageButton(Client, "btnGet", QStringLiteral("Refresh"));
    auto* set = NewPageButton(Client, "btnSet", QStringLiteral("Set"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {RefreshButton, set, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TPacketStormControlForm::btnGetClick);
    connect(set, &QPushButton::clicked, this, &TPacketStormControlForm::btnSetClick);
    connect(CloseButton, &QPushButton::clicked, this, &TPacketStormControlForm::CloseClick);
}

void TPacketStormControlForm::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Ports"));
    StormRequest = CreateBinder({.Table = StormCtrlGlobalVars,
                                 .Async = false,
                                 .Main = true,
                                 .Timeout = StormTimeout,
                                 .Bind = [&](KySNMPRequest2Edits& binder) {
                                     BindPortList(binder, Recover, ports, PortSelector);
                                     binder.BindRadioGroup(TrapControl, rgPktStromTrapCtrl, 4);
                                     binder.BindEdits(AutoRecoverTime, "%i{n0x65535l5}", {TimeEdit});
                                 }});
}

void TPacketStormControlForm::btnGetClick() {
    if (!StormRequest || StormRequest->Busy) return;
    try {
        StormRequest->Get();
    } catch (const std::exception& error) {
        Report(error);
    }
}

void TPacketStormControlForm::btnSetClick() {
    if (!StormRequest || StormRequest->Busy) return;
    // The edit checks its range when the focus leaves it; a click on Set must not send past that check.
    bool number = false;
    const int seconds = TimeEdit->text().toInt(&number);
    if (!number || seconds < 0 || seconds > MaxRecoverTime) {
        ShowMessage(QStringLiteral("Please enter a number between 0 and 65535!"));
        return;
    }
    try {
        ShowRefusal(StormRequest->Set(1, 1, {}, nullptr));
    } catch (const std::exception& error) {
        Report(error);
    }
}
