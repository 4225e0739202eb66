#include "ProbeBasicInformationFormUnit.h"

#include "Oid_radiusauth.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum Column { Capabilities, Software, Hardware, ResetControl };
const QString ProbeCapabilities = QStringLiteral("etherStats,historyControl,etherHistory,alarm,event,probeConfig");

}  // namespace

TProbeBasicInformationForm::TProbeBasicInformationForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 584, .Height = 196, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Probe Basic Information"));
    BuildLayout();
    FormCreate();
}

void TProbeBasicInformationForm::BuildLayout() {
    auto sunken = [&](const char* name) {
        auto* text = new QLabel(Client);
        text->setObjectName(QLatin1String(name));
        text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return text;
    };
    stCap = sunken("stCap");
    stCap->setText(ProbeCapabilities);
    stSoftware = sunken("stSoftware");
    stHardware = sunken("stHardware");
    cbxReset = new QComboBox(Client);
    cbxReset->setObjectName(QStringLiteral("cbxReset"));
    edtCap = new QLineEdit(Client);
    edtCap->setObjectName(QStringLiteral("edtCap"));
    edtCap->hide();
    RefreshButton = NewPageButton(Client, "btnGet", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnSet", QStringLiteral("Set"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    BuildSettingsFrame(Client,
                       {{"Capabilities", stCap}, {"Software Revision", stSoftware}, {"Hardware Revision", stHardware},
                        {"Reset Control", cbxReset}},
                       {RefreshButton, SetButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TProbeBasicInformationForm::btnGetClick);
    connect(SetButton, &QPushButton::clicked, this, &TProbeBasicInformationForm::btnSetClick);
    connect(CloseButton, &QPushButton::clicked, this, &TProbeBasicInformationForm::CloseClick);
}

void TProbeBasicInformationForm::FormCreate() {
    Binder = CreateBinder({.Table = ProbeBasicInformationVars,
                           .Async = false,
                           .Main = true,
                           .Bind = [&](KySNMPRequest2Edits& binder) {
                               binder.BindEdits(Capabilities, "%s", {edtCap});
                               binder.BindStaticText(Software, stSoftware);
                               binder.BindStaticText(Hardware, stHardware);
                               binder.BindComboBox(ResetControl, cbxReset);
                           }});
}

void TProbeBasicInformationForm::btnGetClick() {
    if (Binder) Reported(*this, [&] { Binder->Get(); });
}

void TProbeBasicInformationForm::btnSetClick() {
    if (Binder) Reported(*this, [&] { ShowRefusal(MaskedSet({}, -1, -1, 1)); });
}
