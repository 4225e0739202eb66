#include "COSBrandctrltable.h"

#include "AddressChecks.h"
#include "CoSBrandWidthNewRequest2Edits.h"
#include "KyControlEvents.h"
#include "Oid_device.h"
#include "PageKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { Port, ClassId, MinRate, MaxRate };
constexpr int LowestRate = 64;
constexpr int HighestRate = 1024000;
const QString NoLimit = QStringLiteral("No Limit");

}  // namespace

TCoSBrandwidthctrlForm::TCoSBrandwidthctrlForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 520, .Height = 420, .Guarded = true, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("CoS Bandwidth Control Settings"));
    BuildLayout();
    FormCreate();
}

void TCoSBrandwidthctrlForm::BuildLayout() {
    const TListOverPanel body = BuildListOverPanel(Client, "ListView1", false);
    ListView1 = body.List;
    QWidget* strip = body.Lower;
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    PortText = NewStaticText(strip, "PortText");
    ClassIDText = NewStaticText(strip, "ClassIDText");
    RXText = NewStaticText(strip, "RXText");
    TXText = NewStaticText(strip, "TXText");
    RXText->hide();
    TXText->hide();
    Typecbx = NewPageCombo(strip, "Typecbx");
    Typecbx->setEditable(true);
    Typecbx->addItems({QStringLiteral("Min Rate"), QStringLiteral("Max Rate")});
    Typecbx->setCurrentIndex(-1);
    rateEdit = NewPageEdit(strip, "rateEdit");
    NOLIMITRBT = new QCheckBox(NoLimit, strip);
    NOLIMITRBT->setObjectName(QStringLiteral("NOLIMITRBT"));
    auto* portLabel = new QLabel(QStringLiteral("Port Number"), strip);
    portLabel->setObjectName(QStringLiteral("PortEditLabel"));
    portLabel->setEnabled(false);
    inputs->addWidget(portLabel, 0, 0);
    inputs->addWidget(PortText, 1, 0);
    inputs->addWidget(new QLabel(QStringLiteral("Class ID"), strip), 0, 1);
    inputs->addWidget(ClassIDText, 1, 1);
    inputs->addWidget(new QLabel(QStringLiteral("Type"), strip), 0, 2);
    inputs->addWidget(Typecbx, 1, 2);
    inputs->addWidget(new QLabel(QStringLiteral("Rate"), strip), 0, 3);
    inputs->addWidget(rateEdit, 1, 3);
    inputs->addWidget(new QLabel(QStringLiteral("Kbit/sec"), strip), 1, 4);
    inputs->addWidget(NOLIMITRBT, 1, 5);
    inputs->setColumnStretch(6, 1);

    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "EditButton", QStringLiteral("Edit"));
    StopButton = NewPageButton(Client, "StopButton", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "CloseButton", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {RowCounter, RefreshButton, SetButton, StopButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TCoSBrandwidthctrlForm::GetButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TCoSBrandwidthctrlForm::EditButtonClick);
    connect(StopButton, &QPushButton::clicked, this, &TCoSBrandwidthctrlForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TCoSBrandwidthctrlForm::CloseClick);
    connect(NOLIMITRBT, &QCheckBox::toggled, this, &TCoSBrandwidthctrlForm::CheckBox1Click);
}

void TCoSBrandwidthctrlForm::FormCreate() {
    WatchList(ListView1, {}, false);
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool selected) {
        if (!selected && ListView1->currentItem()) return;
        SetButton->setEnabled(selected);
    });
    RateRequest = CreateBinder<CoSBrandWidthNewRequest2Edits>({.Table = CoSBandwidthCtrlVars,
                                                               .ItemType = MVT_UMV,
                                                               .KeyCount = 2,
                                                               .Main = true,
                                                               .List = ListView1,
                                                               .Bind = [this](KySNMPRequest2Edits& binder) {
                                                                   binder.BindStaticText(Port, PortText);
                                                                   binder.BindStaticText(ClassId, ClassIDText);
                                                                   binder.BindStaticText(MinRate, RXText);
                                                                   binder.BindStaticText(MaxRate, TXText);
                                                               }});
    SetButton->setEnabled(false);
}

void TCoSBrandwidthctrlForm::ResetInputs() {
    SetButton->setEnabled(false);
    PortText->setText(QStringLiteral(" "));
}

void TCoSBrandwidthctrlForm::GetButtonClick() {
    RefreshOrRefuse(QStringLiteral("Get data not complete!"));
}

void TCoSBrandwidthctrlForm::CheckBox1Click(bool checked) {
    rateEdit->setEnabled(!checked);
    rateEdit->setBackgroundRole(checked ? QPalette::Button : QPalette::Base);
    rateEdit->setText(checked ? QStringLiteral("0") : QString());
}

bool TCoSBrandwidthctrlForm::ApplyRate() {
    const int rate = WholeNumber(rateEdit);
    if (!NOLIMITRBT->isChecked() && (rate > HighestRate || rate < LowestRate)) {
        ShowMessage(QStringLiteral("Please input a number between 64 and 1024000!"));
        return false;
    }
    if (Typecbx->currentIndex() == 0) RXText->setText(QString::number(rate));
    if (Typecbx->currentIndex() == 1) TXText->setText(QString::number(rate));
    // The list's words for 0 go back as the number.
    for (QLabel* text : {RXText, TXText})
        if (text->text() == NoLimit) text->setText(QStringLiteral("0"));
    return true;
}

void TCoSBrandwidthctrlForm::EditButtonClick() {
    if (!ListView1->currentItem() || !MayWrite()) return;
    if (rateEdit->text().isEmpty()) {
        ShowMessage(QStringLiteral("Please input a rate number!"));
        return;
    }
    try {
        if (!ApplyRate()) return;
    } catch (const std::exception& error) {
        Report(error);
        return;
    }
    // The write is answered before the table is read again.
    GuardedWrite([this] {
        RateRequest->Async = 0;
        struct AsyncAgain {
            KySNMPRequest2Edits* Binder;
            ~AsyncAgain() { Binder->Async = 1; }
        } again{RateRequest};
        return RateRequest->Set(0, 1, {}, nullptr);
    });
}
