#include "TACACSServerControlUnit.h"

#include "KyIPv4.h"
#include "Oid_security.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { GroupName, Address, Protocol, RowState };

}  // namespace

TAAASrvCtrlForm::TAAASrvCtrlForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 433, .Height = 235, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Server Control Form"));
    BuildLayout();
    FormCreate();
}

void TAAASrvCtrlForm::BuildLayout() {
    edtSrvGrpName = new QLineEdit(Client);
    edtSrvGrpName->setObjectName(QStringLiteral("edtSrvGrpName"));
    edtSrvIP = new QLineEdit(Client);
    edtSrvIP->setObjectName(QStringLiteral("edtSrvIP"));
    cbxAuthPtcl = new QComboBox(Client);
    cbxAuthPtcl->setObjectName(QStringLiteral("cbxAuthPtcl"));
    cbxOper = new QComboBox(Client);
    cbxOper->setObjectName(QStringLiteral("cbxOper"));
    lvOper = new QTreeWidget(Client);
    lvOper->setObjectName(QStringLiteral("lvOper"));
    lvOper->hide();
    SetButton = NewPageButton(Client, "btnSet", QStringLiteral("Set"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    BuildSettingsFrame(Client,
                       {{"Server Group Name", edtSrvGrpName}, {"Server IP Address", edtSrvIP},
                        {"Server Authentication Protocol", cbxAuthPtcl}, {"Operate", cbxOper}},
                       {SetButton, CloseButton});
    connect(SetButton, &QPushButton::clicked, this, &TAAASrvCtrlForm::btnSetClick);
    connect(CloseButton, &QPushButton::clicked, this, &TAAASrvCtrlForm::CloseClick);
}

void TAAASrvCtrlForm::FormCreate() {
    Binder = CreateBinder({.Table = AAASrvCtrlVars,
                           .ItemType = MVT_UMV,
                           .KeyCount = 3,
                           .Main = true,
                           .List = lvOper,
                           .Bind = [&](KySNMPRequest2Edits& binder) {
                               binder.BindEdits(GroupName, "%s{l15}", {edtSrvGrpName});
                               binder.BindEdits(Address, "%s{l16}", {edtSrvIP});
                               binder.BindComboBox(Protocol, cbxAuthPtcl);
                               binder.BindComboBox(RowState, cbxOper);
                           }});
}

void TAAASrvCtrlForm::btnSetClick() {
    if (!Binder) return;
    const std::pair<bool, const char*> checks[] = {
        {edtSrvGrpName->text().isEmpty(), "Please input Server Group Name."},
        {edtSrvIP->text().isEmpty(), "Please input Server IP Address."},
        // The address becomes part of the member's instance: only a whole, valid address may.
        {!parseIPv4Address(edtSrvIP->text().toStdString()), "Server IP Address is not a valid IP address."},
        {cbxAuthPtcl->currentIndex() < 0, "Please choose Server Authentication Protocol."},
        {cbxOper->currentIndex() < 0, "Please choose Operate."},
    };
    for (const auto& [failed, text] : checks) {
        if (!failed) continue;
        ShowMessage(QString::fromUtf8(text));
        return;
    }
    Reported(*this, [&] { ShowRefusal(MaskedSet({}, -1, -1, 0)); });
}
