#include "GuestVlanFormUnit.h"

#include "MaskedWrite.h"
#include "Oid_dot1xpae.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

enum Column { Name, Ports };
constexpr int GuestVlanTimeout = 300;
constexpr int StartItem = 1;

}  // namespace

TGuestVlanForm::TGuestVlanForm(QWidget* owner) : TDedicatedPage(owner, {.Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("802.1X Guest VLAN"));
    // The dialog keeps its designed size on every screen.
    resize(680, 380);
    BuildLayout();
    FormCreate();
}

void TGuestVlanForm::BuildLayout() {
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* left = new QVBoxLayout();
    columns->addLayout(left, 1);
    auto* inputs = new QGridLayout();
    left->addLayout(inputs);
    edtName = NewPageEdit(Client, "edtName");
    AddCaptionedColumn(inputs, {{QStringLiteral("Name"), edtName}});
    Edit1 = NewPageEdit(Client, "Edit1");
    Edit1->setText(QStringLiteral("Guest Vlan Name"));
    Edit1->hide();
    cbxDel = NewPageCombo(Client, "cbxDel");
    cbxDel->hide();
    PageControl1 = new QTabWidget(Client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    left->addWidget(PageControl1, 1);

    RefreshButton = NewPageButton(Client, "BT_Get", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "SetBtn", QStringLiteral("Set"));
    DeleteButton = NewPageButton(Client, "DelBtn", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "BT_Close", QStringLiteral("Close"));
    AddButtonColumn(columns, {RefreshButton, SetButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TGuestVlanForm::BT_GetClick);
    connect(SetButton, &QPushButton::clicked, this, &TGuestVlanForm::SetBtnClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TGuestVlanForm::DelBtnClick);
    connect(CloseButton, &QPushButton::clicked, this, &TGuestVlanForm::CloseClick);
}

void TGuestVlanForm::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Guest VLAN Ports"));
    GuestVlanRequest = CreateBinder({.Table = GuestVlanVars,
                                     .Async = false,
                                     .Main = true,
                                     .Timeout = GuestVlanTimeout,
                                     .Bind = [&](KySNMPRequest2Edits& binder) {
                                         binder.BindEdits(Name, "%s", {edtName});
                                         BindPortList(binder, Ports, ports, PortSelector);
                                     }});
    GuestVlanNameRequest = CreateBinder({.Table = GuestVlanNameVars,
                                         .Async = false,
                                         .Timeout = GuestVlanTimeout,
                                         .Bind = [this](KySNMPRequest2Edits& binder) {
                                             // Cleared before each read: a read that fails leaves no name,
                                             // so creating a guest VLAN stays possible.
                                             binder.OnBeforeGet = [this] { Edit1->clear(); };
                                             binder.BindEdits(0, "%s", {Edit1});
                                         }});
    GuestVlanDeleteRequest = CreateBinder({.Table = GuestVlanDeleteVars,
                                           .Async = false,
                                           .ReadNow = false,
                                           .Timeout = GuestVlanTimeout,
                                           .Bind = [this](KySNMPRequest2Edits& binder) {
                                               binder.BindComboBox(0, cbxDel);
                                           }});
}

void TGuestVlanForm::ReadGuestVlan() {
    try {
        GuestVlanRequest->Get();
        if (GuestVlanNameRequest) GuestVlanNameRequest->Get();
    } catch (const std::exception& error) {
        Report(error);
    }
}

void TGuestVlanForm::BT_GetClick() {
    if (!GuestVlanRequest || GuestVlanRequest->Busy) return;
    ReadGuestVlan();
    if (!GuestVlanDeleteRequest || GuestVlanDeleteRequest->Busy) return;
    try {
        GuestVlanDeleteRequest->Get();
    } catch (const std::exception& error) {
        Report(error);
    }
}

void TGuestVlanForm::SetBtnClick() {
    if (GuestVlanRequest && GuestVlanRequest->Busy) return;
    if (GuestVlanRequest) {
        KySNMPVarList& list = GuestVlanRequest->Request.VarList;
        try {
            if (Edit1->text().isEmpty()) {
                // A new guest VLAN: its name creates it, then its ports follow.
                {
                    const TMaskedWrite onlyName(list, {Ports});
                    if (!GuestVlanRequest->Set(1, 1, {}, nullptr)) return ShowRefusal(false);
                }
                const TMaskedWrite onlyPorts(list, {Name});
                if (!GuestVlanRequest->Set(1, 1, {}, nullptr)) return ShowRefusal(false);
            } else {
                // The guest VLAN exists: its name stays, whatever is typed.
                const TMaskedWrite onlyPorts(list, {Name});
                if (!GuestVlanRequest->Set(1, 1, {}, nullptr)) return ShowRefusal(false);
            }
        } catch (const std::exception& error) {
            Report(error);
        }
    }
    BT_GetClick();
}

void TGuestVlanForm::DelBtnClick() {
    if (!GuestVlanDeleteRequest || GuestVlanDeleteRequest->Busy) return;
    cbxDel->setCurrentIndex(StartItem);
    try {
        // The re-read's "Ok!" would hide why nothing was deleted.
        if (!GuestVlanDeleteRequest->Set(1, 1, {}, nullptr)) return ShowRefusal(false);
    } catch (const std::exception& error) {
        Report(error);
    }
    if (GuestVlanRequest) ReadGuestVlan();
}
