#include "MBAControlUnit.h"

#include "KyControlEvents.h"
#include "MaskedWrite.h"
#include "Oid_dot1x.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

enum Setting { State, Method, Password, ClearAll };
enum Vlan { VlanName, MemberPorts };
constexpr int OtherItem = 0;
constexpr int StartItem = 1;
constexpr int Timeout = 300;

}  // namespace

TMBAControlForm::TMBAControlForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 651, .Height = 341, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("MBA Control"));
    BuildLayout();
    FormCreate();
}

void TMBAControlForm::BuildLayout() {
    const auto combo = [&](const char* name) {
        auto* made = new QComboBox(Client);
        made->setObjectName(QLatin1String(name));
        return made;
    };
    const auto edit = [&](const char* name) {
        auto* made = new QLineEdit(Client);
        made->setObjectName(QLatin1String(name));
        return made;
    };
    Cbox_State = combo("Cbox_State");
    Cbox_Method = combo("Cbox_Method");
    Cbox_ClearAllAction = combo("Cbox_ClearAllAction");
    edtPassWord = edit("edtPassWord");
    edtPassWord->setEchoMode(QLineEdit::Password);
    edtName = edit("edtName");
    cbxDel = combo("cbxDel");
    cbxDel->hide();
    Edit1 = edit("Edit1");
    Edit1->setText(QStringLiteral("Vlan Name"));
    Edit1->hide();
    PageControl1 = new QTabWidget(Client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    RefreshButton = NewPageButton(Client, "BT_Get", QStringLiteral("Refresh"));
    SetBtn = NewPageButton(Client, "SetBtn", QStringLiteral("Set"));
    DelBtn = NewPageButton(Client, "DelBtn", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "BT_Close", QStringLiteral("Close"));
    QGridLayout* grid = BuildSettingsFrame(Client,
                                           {{"State", Cbox_State},
                                            {"Method", Cbox_Method},
                                            {"Clear All Action", Cbox_ClearAllAction},
                                            {"Password", edtPassWord},
                                            {"VLAN Name", edtName}},
                                           {RefreshButton, SetBtn, DelBtn, CloseButton});
    grid->addWidget(PageControl1, grid->rowCount() - 1, 0, 1, 2);
    connect(RefreshButton, &QPushButton::clicked, this, &TMBAControlForm::BT_GetClick);
    connect(SetBtn, &QPushButton::clicked, this, &TMBAControlForm::SetBtnClick);
    connect(DelBtn, &QPushButton::clicked, this, &TMBAControlForm::DelBtnClick);
    connect(CloseButton, &QPushButton::clicked, this, &TMBAControlForm::CloseClick);
    KyControlEvents::onChange(Cbox_ClearAllAction, this, [this] { ClearAllChosen = true; });
}

void TMBAControlForm::FormCreate() {
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Ports"));
    // Created in the order Refresh reads them: the settings last.
    VlanBinder = CreateBinder({.Table = MBAControlVars2,
                               .Async = false,
                               .ReadNow = false,
                               .Timeout = Timeout,
                               .Bind = [this](KySNMPRequest2Edits& binder) {
                                   binder.BindEdits(VlanName, "%s", {edtName});
                                   BindPortList(binder, MemberPorts, PortNumberList(), PortSelector);
                               }});
    DeleteStateBinder = CreateBinder({.Table = MBAControlVars3,
                                      .Async = false,
                                      .ReadNow = false,
                                      .Timeout = Timeout,
                                      .Bind = [this](KySNMPRequest2Edits& binder) { binder.BindComboBox(0, cbxDel); }});
    VlanNameBinder = CreateBinder({.Table = MBAControlVars4,
                                   .Async = false,
                                   .ReadNow = false,
                                   .Timeout = Timeout,
                                   .Bind = [this](KySNMPRequest2Edits& binder) { binder.BindEdits(0, "%s", {Edit1}); }});
    SettingsBinder = CreateBinder({.Table = MBAControlVars1,
                                   .Async = false,
                                   .Main = true,
                                   .ReadNow = false,
                                   .Timeout = Timeout,
                                   .Bind = [this](KySNMPRequest2Edits& binder) {
                                       binder.BindComboBox(State, Cbox_State);
                                       binder.BindComboBox(Method, Cbox_Method);
                                       binder.BindEdits(Password, "%s{l32}", {edtPassWord});
                                       binder.BindComboBox(ClearAll, Cbox_ClearAllAction);
                                       // What the switch gives back for the password is never worth showing or writing.
                                       binder.OnGetDone = [this] { edtPassWord->clear(); };
                                   }});
    for (KySNMPRequest2Edits* binder : {VlanNameBinder, SettingsBinder, VlanBinder, DeleteStateBinder})
        if (binder) Reported(*this, [&] { binder->Get(); });
    ClearAllChosen = false;
}

void TMBAControlForm::ResetInputs() { ClearAllChosen = false; }

void TMBAControlForm::BT_GetClick() { RefreshClick(); }

void TMBAControlForm::SetBtnClick() {
    if (!SettingsBinder || SettingsBinder->Busy || !VlanBinder || VlanBinder->Busy || !VlanNameBinder) return;
    // The VLAN name rule needs the name the switch holds now; it is settled before anything is sent.
    Reported(*this, [&] { VlanNameBinder->Get(); });
    const QString held = Edit1->text();
    if (!held.isEmpty() && edtName->text() != held) {
        ShowMessage(QStringLiteral("Can't change the VLAN name,delete previous name first!"));
        return;
    }
    std::vector<int> settingsLeftOut;
    if (edtPassWord->text().isEmpty()) settingsLeftOut.push_back(Password);
    if (!ClearAllChosen) settingsLeftOut.push_back(ClearAll);
    bool settingsSent = false;
    Reported(*this, [&] {
        const TMaskedWrite mask(SettingsBinder->Request.VarList, settingsLeftOut);
        settingsSent = SettingsBinder->Set(1, 1, {}, nullptr);
    });
    // A refused write keeps its inputs and its refusal: the VLAN name does not follow it.
    if (!settingsSent) return;
    // A clear-all runs once, for the Set that chose it.
    ClearAllChosen = false;
    Cbox_ClearAllAction->setCurrentIndex(OtherItem);
    edtPassWord->clear();
    if (held.isEmpty() && edtName->text().isEmpty()) return;
    Reported(*this, [&] {
        const TMaskedWrite mask(VlanBinder->Request.VarList, held.isEmpty() ? std::vector<int>{} : std::vector<int>{VlanName});
        // The binder shows a refusal or failure; nothing follows this write.
        if (!VlanBinder->Set(1, 1, {}, nullptr)) return;
    });
}

void TMBAControlForm::DelBtnClick() {
    if (DeleteStateBinder) {
        if (DeleteStateBinder->Busy) return;
        cbxDel->setCurrentIndex(StartItem);
        bool sent = false;
        Reported(*this, [&] { sent = DeleteStateBinder->Set(1, 1, {}, nullptr); });
        // The re-read's "Ok!" would hide why nothing was deleted.
        if (!sent) return;
    }
    BT_GetClick();
}
