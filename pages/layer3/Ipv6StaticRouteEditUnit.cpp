#include "Ipv6StaticRouteEditUnit.h"

#include "AddressChecks.h"
#include "Ipv6StaticRouteUnit.h"
#include "KySNMPRequest2Edits.h"
#include "TBasicFormUnit.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int CreateAndGoItem = 3;
constexpr int NoBackupItem = 2;
constexpr int Ipv6Digits = 32;

}  // namespace

TIpv6StaticRouteEditForm::TIpv6StaticRouteEditForm(TDedicatedPage& page) : TPageEditDialog(page) {
    setWindowTitle(QStringLiteral("IPv6 Static Route Edit"));
    BuildLayout();
}

void TIpv6StaticRouteEditForm::BuildLayout() {
    auto* rows = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    rows->addLayout(grid);
    edtDst = AddEditRow(grid, this, "edtDst", QStringLiteral("Destination"));
    edtPrefix = AddEditRow(grid, this, "edtPrefix", QStringLiteral("Prefix Length"));
    edtInterface = AddEditRow(grid, this, "edtInterface", QStringLiteral("Interface Name"));
    edtNextHop = AddEditRow(grid, this, "edtNextHop", QStringLiteral("Next Hop"));
    edtMetric = AddEditRow(grid, this, "edtMetric", QStringLiteral("Metric"));
    cbxStatus = AddComboRow(grid, this, "cbxStatus", QStringLiteral("Status"));
    cbxBackup = AddComboRow(grid, this, "cbxBackup", QStringLiteral("Backup State"));
    edtDst->setMinimumWidth(260);
    btnSet = AddDialogButtonRow(rows, this, "btnSet", QStringLiteral("Set"), "btnClose");
    connect(btnSet, &QPushButton::clicked, this, &TIpv6StaticRouteEditForm::btnSetClick);
}

void TIpv6StaticRouteEditForm::Bind(KySNMPRequest2Edits& binder) {
    using P = TIpv6StaticRouteForm;
    binder.BindEdits(P::Destination, "%s{l32}", {edtDst});
    binder.BindEdits(P::PrefixLength, "%i{n0x128l3}", {edtPrefix});
    binder.BindEdits(P::InterfaceName, "%s{l12}", {edtInterface});
    binder.BindEdits(P::NextHop, "%s{l32}", {edtNextHop});
    binder.BindEdits(P::Metric, "%i{n1x65535l5}", {edtMetric});
    binder.BindComboBox(P::RowStatus, cbxStatus);
    binder.BindComboBox(P::BackupState, cbxBackup);
}

void TIpv6StaticRouteEditForm::FormActivate() {
    cbxStatus->setCurrentIndex(CreateAndGoItem);
    cbxStatus->setEnabled(false);
    const bool defaultRoute = Mode == AddDefaultMode;
    edtDst->setText(defaultRoute ? QString(Ipv6Digits, QLatin1Char('0')) : QString());
    edtPrefix->setText(defaultRoute ? QStringLiteral("0") : QString());
    for (QLineEdit* fixed : {edtDst, edtPrefix}) fixed->setEnabled(!defaultRoute);
    for (QLineEdit* edit : {edtInterface, edtNextHop, edtMetric}) {
        TBasicForm::EnableControl(edit);
        edit->clear();
    }
    TBasicForm::EnableControl(cbxBackup);
    cbxBackup->setCurrentIndex(NoBackupItem);
}

bool TIpv6StaticRouteEditForm::Refuse(QLineEdit* focus, const QString& text) {
    Page.ShowMessage(text);
    if (focus->isEnabled()) focus->setFocus();
    return false;
}

bool TIpv6StaticRouteEditForm::IsValidIPv6Text(QLineEdit* edit) {
    return IsHexOfLength(edit->text(), Ipv6Digits) || Refuse(edit, QStringLiteral("Please input a valid IPv6 address"));
}

bool TIpv6StaticRouteEditForm::Validate() {
    if (Mode == AddMode) {
        if (edtDst->text().isEmpty()) return Refuse(edtDst, QStringLiteral("Please Set Destination Address"));
        if (!IsValidIPv6Text(edtDst)) return false;
        if (edtPrefix->text().isEmpty()) return Refuse(edtPrefix, QStringLiteral("Please Set Prefix length"));
        if (!IsNumberBetween(edtPrefix->text(), 0, 128))
            return Refuse(edtPrefix, QStringLiteral("Prefix should between 0-128"));
    }
    // The interface name is part of the route's instance.
    if (edtInterface->text().isEmpty()) return Refuse(edtInterface, QStringLiteral("Please Set Interface Name"));
    if (edtNextHop->text().isEmpty()) return Refuse(edtNextHop, QStringLiteral("Please Set Next Hop Address"));
    if (!IsValidIPv6Text(edtNextHop)) return false;
    if (edtNextHop->text() == edtDst->text())
        return Refuse(edtNextHop, QStringLiteral("Duplicate IP address, Please input a valid Next Hop"));
    if (!edtMetric->text().isEmpty() && !IsNumberBetween(edtMetric->text(), 1, 65535))
        return Refuse(edtMetric, QStringLiteral("Metric should between 1-65535"));
    return true;
}

void TIpv6StaticRouteEditForm::btnSetClick() {
    if (!Page.MainBinder()) {
        reject();
        return;
    }
    if (!Validate()) return;
    std::vector<int> excluded;
    if (edtMetric->text().isEmpty()) excluded.push_back(TIpv6StaticRouteForm::Metric);
    try {
        // The SET waits for a read still running.
        Page.WaitForBinder(*Page.MainBinder());
        Page.ReadAgainAfter(Page.MaskedSet(excluded));
    } catch (const std::exception& error) {
        Page.Report(error);
    }
    accept();
}
