#include "UserPrioritiesFormUnit.h"

#include "Oid_qbridge.h"
#include "PageLayout.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { PortNumber, Priority, TrafficClass };

}  // namespace

TUserPrioritiesForm::TUserPrioritiesForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 540, .Height = 420, .Guarded = true, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("802.1p User Priorities To Traffic Class"));
    BuildLayout();
    FormCreate();
}

void TUserPrioritiesForm::BuildLayout() {
    const TListPanel body = AddListOverPanel(Client, "ListView1", false);
    ListView1 = body.List;
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    PortNumberText = NewStaticText(body.Lower, "PortNumberText");
    IndexText = NewStaticText(body.Lower, "IndexText");
    ClassEdit = NewPageEdit(body.Lower, "ClassEdit");
    AddCaptionedRow(inputs, 0, {{QStringLiteral("Port Number"), PortNumberText},
                                {QStringLiteral("Traffic Class Priority"), IndexText},
                                {QStringLiteral("Mapped Traffic Class"), ClassEdit}});
    // The captions of the keys are shown disabled: the keys are not edited.
    for (int column : {0, 1}) inputs->itemAtPosition(0, column)->widget()->setEnabled(false);

    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "RefreshButton", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "SetButton", QStringLiteral("Set"));
    StopButton = NewPageButton(Client, "StopButton", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "CloseButton", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {RowCounter, RefreshButton, SetButton, StopButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TUserPrioritiesForm::RefreshButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TUserPrioritiesForm::SetButtonClick);
    connect(StopButton, &QPushButton::clicked, this, &TUserPrioritiesForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TUserPrioritiesForm::CloseClick);
}

void TUserPrioritiesForm::FormCreate() {
    WatchList(ListView1);
    ClassRequest = CreateBinder({.Table = Dot1dTrafficClassVars,
                                 .ItemType = MVT_FMV,
                                 .KeyCount = 2,
                                 .Main = true,
                                 .List = ListView1,
                                 .Bind = [this](KySNMPRequest2Edits& binder) {
                                     binder.BindStaticText(PortNumber, PortNumberText);
                                     binder.BindStaticText(Priority, IndexText);
                                     // Eight traffic classes: anything else never reaches the switch.
                                     binder.BindEdits(TrafficClass, "%i{n0x7l1}", {ClassEdit});
                                 }});
    ShowRowSelected(false);
}

void TUserPrioritiesForm::ResetInputs() {
    IndexText->setText(QStringLiteral(" "));
    PortNumberText->setText(QStringLiteral(" "));
    ClassEdit->clear();
}

void TUserPrioritiesForm::RefreshButtonClick() {
    RefreshOrRefuse(QStringLiteral("Get data not complete!"));
}

void TUserPrioritiesForm::SetButtonClick() {
    if (!ListView1->currentItem() || !MayWrite()) return;
    // The edit checks its range when the focus leaves it; a click on Set must not send past that check.
    bool number = false;
    const int trafficClass = ClassEdit->text().toInt(&number);
    if (!number || trafficClass < 0 || trafficClass > 7) {
        ShowMessage(QStringLiteral("Please enter a number between 0 and 7!"));
        return;
    }
    // A refused class is shown by the binder; the table is read again once the answer is in, either way.
    GuardedWrite([this] {
        ClassRequest->Set(0, 1, {}, nullptr);
        WaitForBinder(*ClassRequest);
    });
}
