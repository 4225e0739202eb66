#include "NewBootpCtrlFormUnit.h"

#include "AddressChecks.h"
#include "BOOTCtrlTableFormUnit.h"
#include "KySNMPRequest2Edits.h"
#include "PageKit.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int MaxServersPerInterface = 4;

}  // namespace

TNewBootpCtrlForm::TNewBootpCtrlForm(TDedicatedPage& page) : TPageEditDialog(page) {
    setWindowTitle(QStringLiteral("New DHCP Ctrl Entry"));
    BuildLayout();
    KeyEdits = {Edit1, Edit2};
}

void TNewBootpCtrlForm::BuildLayout() {
    auto* rows = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    rows->addLayout(grid);
    Edit1 = AddEditRow(grid, this, "Edit1", QStringLiteral("Interface Name"));
    Edit2 = AddEditRow(grid, this, "Edit2", QStringLiteral("DHCP Server IP"));
    DeleteBtn = AddDialogButtonRow(rows, this, "DeleteBtn", QStringLiteral("Set"), "BitBtn1");
    connect(DeleteBtn, &QPushButton::clicked, this, &TNewBootpCtrlForm::DeleteBtnClick);
}

void TNewBootpCtrlForm::Bind(KySNMPRequest2Edits& binder) {
    binder.BindEdits(TBOOTCtrlTableForm::InterfaceName, "%s", {Edit1});
    binder.BindEdits(TBOOTCtrlTableForm::ServerIP, "%s", {Edit2});
}

bool TNewBootpCtrlForm::Validate() {
    QTreeWidget* list = static_cast<TBOOTCtrlTableForm&>(Page).ListView1;
    int servers = 0;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(TBOOTCtrlTableForm::InterfaceName) == Edit1->text()) ++servers;
    if (servers >= MaxServersPerInterface) {
        QMessageBox::warning(this, QApplication::applicationDisplayName(),
                             QStringLiteral("One interface can support four bootp servers at most."));
        return false;
    }
    // Both texts make the pair's instance: nothing else may reach the wire.
    if (Edit1->text().isEmpty()) {
        Page.ShowMessage(QStringLiteral("Please input Interface Name."));
        return false;
    }
    if (!IPv4Value(Edit2->text())) {
        Page.ShowMessage(QStringLiteral("Please input a valid ip"));
        return false;
    }
    return true;
}

void TNewBootpCtrlForm::DeleteBtnClick() {
    if (!Page.MainBinder() || !Validate()) return;
    try {
        Page.MainBinder()->Request.Active = 1;
        Page.ReadAgainAfter(Page.MaskedSet({}, TBOOTCtrlTableForm::State, TBOOTCtrlTableForm::ValidItem));
        Edit1->clear();
        Edit2->clear();
        accept();
    } catch (const std::exception& error) {
        Page.DataComplete = 1;
        Page.Report(error);
    }
}
