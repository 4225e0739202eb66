#include "LogSaveControlSetting.h"

#include "Oid_device.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum Column { Method, Interval };
constexpr int TimeIntervalItem = 0;

}  // namespace

TLogSaveControlForm::TLogSaveControlForm(QWidget* owner)
    : TDedicatedPage(owner, {.Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Log Save Control"));
    resize(380, 166);
    BuildLayout();
    FormCreate();
}

void TLogSaveControlForm::BuildLayout() {
    cbxLogSaveMethod = new QComboBox(Client);
    cbxLogSaveMethod->setObjectName(QStringLiteral("cbxLogSaveMethod"));
    EdLogSavetimeInterval = new QLineEdit(Client);
    EdLogSavetimeInterval->setObjectName(QStringLiteral("EdLogSavetimeInterval"));
    RefreshButton = NewPageButton(Client, "btnRefresh", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnSet", QStringLiteral("Set"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    BuildSettingsFrame(Client, {{"Method", cbxLogSaveMethod}, {"Time Interval", EdLogSavetimeInterval}},
                       {RefreshButton, SetButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TLogSaveControlForm::btnRefreshClick);
    connect(SetButton, &QPushButton::clicked, this, &TLogSaveControlForm::btnSetClick);
    connect(CloseButton, &QPushButton::clicked, this, &TLogSaveControlForm::CloseClick);
    connect(cbxLogSaveMethod, &QComboBox::currentIndexChanged, this, &TLogSaveControlForm::cbxLogSaveMethodChange);
}

void TLogSaveControlForm::FormCreate() {
    Binder = CreateBinder({.Table = LogSaveControlVars,
                           .Async = false,
                           .Main = true,
                           .Bind = [&](KySNMPRequest2Edits& binder) {
                               binder.BindComboBox(Method, cbxLogSaveMethod);
                               binder.BindEdits(Interval, "%i{n0x65535l5a}", {EdLogSavetimeInterval});
                           }});
    cbxLogSaveMethodChange();
}

void TLogSaveControlForm::cbxLogSaveMethodChange() {
    EdLogSavetimeInterval->setEnabled(cbxLogSaveMethod->currentIndex() == TimeIntervalItem);
}

void TLogSaveControlForm::btnRefreshClick() {
    if (!Binder || Binder->Busy) return;
    Reported(*this, [&] { Binder->Get(); });
    cbxLogSaveMethodChange();
}

void TLogSaveControlForm::btnSetClick() {
    if (!Binder || Binder->Busy) return;
    if (cbxLogSaveMethod->currentIndex() < 0) {
        ShowMessage(QStringLiteral("You should choose Log Save Method."));
        cbxLogSaveMethod->setFocus();
        return;
    }
    const bool interval = cbxLogSaveMethod->currentIndex() == TimeIntervalItem;
    // The number counts, not the text: "00" is no interval either.
    bool number = false;
    if (interval && EdLogSavetimeInterval->text().toInt(&number) == 0 && number) {
        ShowMessage(QStringLiteral("Time Interval Can't be 0!"));
        EdLogSavetimeInterval->setFocus();
        return;
    }
    bool sent = false;
    Reported(*this, [&] { sent = MaskedSet(interval ? std::vector<int>{} : std::vector<int>{Interval}, -1, -1, 1); });
    // The re-read's "Ok!" would hide a refused write.
    if (sent) btnRefreshClick();
}
