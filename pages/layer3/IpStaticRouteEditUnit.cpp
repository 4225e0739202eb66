#include "IpStaticRouteEditUnit.h"

#include "AddressChecks.h"
#include "IpStaticRouteUnit.h"
#include "KySNMPRequest2Edits.h"
#include "MainUnit.h"
#include "TBasicFormUnit.h"
#include "PageKit.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int ValidItem = 1;

}  // namespace

TIpStaticRouteEditForm::TIpStaticRouteEditForm(TDedicatedPage& page) : TPageEditDialog(page) {
    setWindowTitle(QStringLiteral("Ip Static Route Edit"));
    BuildLayout();
}

void TIpStaticRouteEditForm::BuildLayout() {
    auto* rows = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    rows->addLayout(grid);
    DesEdit = AddEditRow(grid, this, "DesEdit", QStringLiteral("Destination"));
    MaskEdit = AddEditRow(grid, this, "MaskEdit", QStringLiteral("Mask"));
    BakeupComboBox = AddComboRow(grid, this, "BakeupComboBox", QStringLiteral("Bakeup State"));
    NextHopEdit = AddEditRow(grid, this, "NextHopEdit", QStringLiteral("Next Hop"));
    MetricEdit = AddEditRow(grid, this, "MetricEdit", QStringLiteral("Metric"));
    cbxStatus = AddComboRow(grid, this, "cbxStatus", QStringLiteral("Status"));
    SetButton = AddDialogButtonRow(rows, this, "SetButton", QStringLiteral("Set"), "CloseButton");
    connect(SetButton, &QPushButton::clicked, this, &TIpStaticRouteEditForm::SetButtonClick);
}

void TIpStaticRouteEditForm::Bind(KySNMPRequest2Edits& binder) {
    using P = TIpStaticRouteForm;
    binder.BindEdits(P::Destination, "%s{l16}", {DesEdit});
    binder.BindEdits(P::Mask, "%s{l16}", {MaskEdit});
    binder.BindEdits(P::NextHop, "%s{l16}", {NextHopEdit});
    binder.BindComboBox(P::BackupState, BakeupComboBox);
    binder.BindEdits(P::Metric, "%i{n1x65535l5}", {MetricEdit});
    binder.BindComboBox(P::Status, cbxStatus);
}

void TIpStaticRouteEditForm::FormActivate() {
    BakeupComboBox->setCurrentIndex(-1);
    TBasicForm::EnableControl(BakeupComboBox);
    const bool defaultRoute = Mode == DefaultRouteMode;
    for (QLineEdit* fixed : {DesEdit, MaskEdit}) {
        fixed->setText(defaultRoute ? QStringLiteral("0.0.0.0") : QString());
        fixed->setEnabled(!defaultRoute);
    }
    for (QLineEdit* edit : {NextHopEdit, MetricEdit}) {
        TBasicForm::EnableControl(edit);
        edit->clear();
    }
    cbxStatus->setCurrentIndex(ValidItem);
    cbxStatus->setEnabled(false);
}

bool TIpStaticRouteEditForm::Refuse(QLineEdit* focus, const QString& text) {
    Page.ShowMessage(text);
    if (focus->isEnabled()) focus->setFocus();
    return false;
}

bool TIpStaticRouteEditForm::RefuseDefaultRoute(QLineEdit* focus) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(),
                    QStringLiteral("If you want to add a default route which Destination ip and Mask both are 0.0.0.0, "
                                   "you should use Add Default Route button. If not, you can not add a static route "
                                   "with 0.0.0.0 as Mask. Do you want to add a defaut route?"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    if (box.exec() == QMessageBox::Ok) reject();
    else focus->setFocus();
    return false;
}

bool TIpStaticRouteEditForm::ValidateAdd() {
    const QString destination = DesEdit->text();
    if (destination.isEmpty()) return Refuse(DesEdit, QStringLiteral("Destination IP should be Set!"));
    const auto address = IPv4Value(destination);
    if (address == 0u) return RefuseDefaultRoute(DesEdit);
    if (address == 0xffffffffu) return Refuse(DesEdit, QStringLiteral("Destination ip can not be 255.255.255.255"));
    if (!address) return Refuse(DesEdit, QStringLiteral("Please input a valid ip"));
    if (MaskEdit->text().isEmpty()) return Refuse(MaskEdit, QStringLiteral("Mask should be Set"));
    const auto mask = IPv4Value(MaskEdit->text());
    if (mask == 0u) return RefuseDefaultRoute(MaskEdit);
    if (!mask || !IsContiguousMask(*mask)) return Refuse(MaskEdit, QStringLiteral("Please input a valid mask"));
    return ValidateDefaultRoute();
}

bool TIpStaticRouteEditForm::ValidateDefaultRoute() {
    if (NextHopEdit->text().isEmpty()) return Refuse(NextHopEdit, QStringLiteral("Next Hop should be Set"));
    const auto nextHop = IPv4Value(NextHopEdit->text());
    if (nextHop == 0u) return Refuse(NextHopEdit, QStringLiteral("Next Hop can not be 0.0.0.0"));
    // The switch's own address in any spelling.
    if (nextHop && nextHop == IPv4Value(QString::fromStdString(DeviceIPText)))
        return Refuse(NextHopEdit, QStringLiteral("Next Hop can not be itself"));
    if (!nextHop) return Refuse(NextHopEdit, QStringLiteral("Please input a valid ip"));
    if (!MetricEdit->text().isEmpty() && !IsNumberBetween(MetricEdit->text(), 1, 65535))
        return Refuse(MetricEdit, QStringLiteral("Metric should between 1-65535"));
    return true;
}

void TIpStaticRouteEditForm::SetButtonClick() {
    if (!Page.MainBinder()) {
        reject();
        return;
    }
    cbxStatus->setCurrentIndex(ValidItem);
    if (!(Mode == DefaultRouteMode ? ValidateDefaultRoute() : ValidateAdd())) return;
    std::vector<int> excluded;
    if (MetricEdit->text().isEmpty()) excluded.push_back(TIpStaticRouteForm::Metric);
    if (BakeupComboBox->currentIndex() < 0) excluded.push_back(TIpStaticRouteForm::BackupState);
    try {
        Page.MainBinder()->Request.Active = 1;
        Page.ReadAgainAfter(Page.MaskedSet(excluded));
    } catch (const std::exception& error) {
        Page.Report(error);
        Page.DataComplete = 1;
    }
    accept();
}
