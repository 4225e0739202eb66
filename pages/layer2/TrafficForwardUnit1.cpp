#include "TrafficForwardUnit1.h"

#include "KyControlEvents.h"
#include "Oid_device.h"
#include "PageKit.h"
#include "StackingPortUitForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

enum Column { Port, ForwardPorts };
const char* const NotComplete = "Refresh not complete";

}  // namespace

QString PortWithinUnit(int stackPort) { return QString::number(SplitStackPort(stackPort).Port); }

TTrafficSegmentationForm::TTrafficSegmentationForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 720,
                             .Height = 480,
                             .Guarded = true,
                             .Report = TPageReport::BarePanel,
                             .BusyText = NotComplete}) {
    setWindowTitle(QStringLiteral("Traffic Segmentation Table"));
    BuildLayout();
    FormCreate();
}

void TTrafficSegmentationForm::BuildLayout() {
    const TListOverPanel body = BuildListOverPanel(Client, "LV_TrafficForward", true);
    LV_TrafficForward = body.List;
    auto* strip = new QHBoxLayout();
    body.LowerLayout->addLayout(strip);
    ST_Port = NewStaticText(body.Lower, "ST_Port");
    ST_Port->hide();
    Combo_Port = NewPageEdit(body.Lower, "Combo_Port");
    Combo_Port->setReadOnly(true);
    Combo_Port->setMaximumWidth(80);
    strip->addWidget(new QLabel(QStringLiteral("Port : "), body.Lower));
    strip->addWidget(Combo_Port);
    strip->addStretch(1);
    PageControl1 = new QTabWidget(body.Lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body.LowerLayout->addWidget(PageControl1, 1);

    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "BT_Get", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "BT_Set", QStringLiteral("Set"));
    StopButton = NewPageButton(Client, "StopBtn", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {RowCounter, RefreshButton, SetButton, StopButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TTrafficSegmentationForm::BT_GetClick);
    connect(SetButton, &QPushButton::clicked, this, &TTrafficSegmentationForm::BT_SetClick);
    connect(StopButton, &QPushButton::clicked, this, &TTrafficSegmentationForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TTrafficSegmentationForm::CloseClick);
}

void TTrafficSegmentationForm::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Ports"));
    WatchList(LV_TrafficForward);
    ForwardRequest = CreateBinder({.Table = TrafficSegmentationVars,
                                   .ItemType = MVT_UMV,
                                   .KeyCount = 1,
                                   .Main = true,
                                   .List = LV_TrafficForward,
                                   .Bind = [&](KySNMPRequest2Edits& binder) {
                                       binder.BindStaticText(Port, ST_Port);
                                       BindPortList(binder, ForwardPorts, ports, PortSelector);
                                   }});
    // After the binder has copied the row.
    KyControlEvents::onSelectItem(LV_TrafficForward, this, [this](QTreeWidgetItem*, bool selected) {
        LV_TrafficForwardClick(selected);
    });
    ShowRowSelected(false);
}

void TTrafficSegmentationForm::LV_TrafficForwardClick(bool selected) {
    if (selected) Combo_Port->setText(PortWithinUnit(ST_Port->text().trimmed().toInt()));
}

void TTrafficSegmentationForm::ResetInputs() {
    Combo_Port->clear();
    if (PortSelector) PortSelector->UncheckAll();
}

void TTrafficSegmentationForm::BT_GetClick() {
    RefreshOrRefuse(QString::fromLatin1(NotComplete));
}

void TTrafficSegmentationForm::BT_SetClick() {
    if (!LV_TrafficForward->currentItem() || !MayWrite()) return;
    // The forward ports of the selected port alone; the table is read again after the answer.
    GuardedWrite([this] { return ForwardRequest->Set(0, 1, {}, nullptr); });
}
