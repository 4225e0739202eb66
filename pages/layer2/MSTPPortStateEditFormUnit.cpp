#include "MSTPPortStateEditFormUnit.h"

#include "DedicatedPage.h"
#include "MSTPPortStateFormUnit.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int AdminHelloTime = 2;

}  // namespace

TMSTPPortStateEditForm::TMSTPPortStateEditForm(TDedicatedPage& page) : TPageEditDialog(page) {
    setObjectName(QStringLiteral("MSTPPortStateEditForm"));
    resize(520, 300);
    QHBoxLayout* columns = BuildPageColumns(this);
    auto* values = new QGridLayout();
    columns->addLayout(values, 1);
    edtPortIndex = NewPageEdit(this, "edtPortIndex");
    edtOperHelloTime = NewPageEdit(this, "edtOperHelloTime");
    edtAdminHelloTime = NewPageEdit(this, "edtAdminHelloTime");
    cbxPortEnable = NewPageCombo(this, "cbxPortEnable");
    edtExtPathCost = NewPageEdit(this, "edtExtPathCost");
    cbxMigration = NewPageCombo(this, "cbxMigration");
    cbxAdminEdgePort = NewPageCombo(this, "cbxAdminEdgePort");
    cbxOperEdgePort = NewPageCombo(this, "cbxOperEdgePort");
    cbxAdminP2P = NewPageCombo(this, "cbxAdminP2P");
    cbxOperP2P = NewPageCombo(this, "cbxOperP2P");
    cbxSTPlbd = NewPageCombo(this, "cbxSTPlbd");
    cbxBPDUFlt = NewPageCombo(this, "cbxBPDUFlt");
    cbxSTPRole = NewPageCombo(this, "cbxSTPRole");
    cbxSTPTCN = NewPageCombo(this, "cbxSTPTCN");
    AddCaptionedColumn(values, {{QStringLiteral("Port Index"), edtPortIndex},
                                {QStringLiteral("Operate Hello Time"), edtOperHelloTime},
                                {QStringLiteral("Admin Hello Time"), edtAdminHelloTime},
                                {QStringLiteral("Port Enable"), cbxPortEnable},
                                {QStringLiteral("External Path Cost"), edtExtPathCost},
                                {QStringLiteral("Migration"), cbxMigration},
                                {QStringLiteral("Admin Edge"), cbxAdminEdgePort}});
    // The second half of the controls in a second pair of columns.
    int row = 0;
    for (const auto& [caption, control] :
         std::initializer_list<std::pair<QString, QWidget*>>{{QStringLiteral("Operate Edge"), cbxOperEdgePort},
                                                             {QStringLiteral("Admin P2P"), cbxAdminP2P},
                                                             {QStringLiteral("Operate P2P"), cbxOperP2P},
                                                             {QStringLiteral("Loopback Detection"), cbxSTPlbd},
                                                             {QStringLiteral("BPDU Filtering"), cbxBPDUFlt},
                                                             {QStringLiteral("Restricted Role"), cbxSTPRole},
                                                             {QStringLiteral("Restricted TCN"), cbxSTPTCN}}) {
        values->addWidget(new QLabel(caption, this), row, 2);
        values->addWidget(control, row, 3);
        ++row;
    }
    values->setRowStretch(values->rowCount(), 1);
    btnEdit = NewPageButton(this, "btnEdit", QStringLiteral("Set"));
    btnClose = NewPageButton(this, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {btnEdit, btnClose});
    connect(btnEdit, &QPushButton::clicked, this, &TMSTPPortStateEditForm::btnEditClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TMSTPPortStateEditForm::PrepareEdit() {
    // The index and the operating values are shown, not edited.
    for (QWidget* shown : std::initializer_list<QWidget*>{edtPortIndex, edtOperHelloTime, cbxOperEdgePort, cbxOperP2P})
        TBasicForm::DisableControl(shown);
}

void TMSTPPortStateEditForm::btnEditClick() {
    auto& page = static_cast<TMSTPPortStateForm&>(Page);
    KySNMPRequest2Edits* binder = page.PortStateRequest;
    if (!binder) {
        reject();
        return;
    }
    if (binder->Busy) return;
    const QString version = page.lblSTPVersion->text();
    if (version == "stp" || version == "rstp") {
        // Outside MSTP the port's admin hello time is not the switch's to take.
        page.GuardedWrite([&] { return page.MaskedSet({AdminHelloTime}); });
    } else {
        try {
            binder->Request.Active = 1;
            page.ShowRefusal(page.MaskedSet({}, -1, -1, 1));
        } catch (const std::exception& error) {
            page.DataComplete = 1;
            page.Report(error);
        }
    }
    accept();
}
