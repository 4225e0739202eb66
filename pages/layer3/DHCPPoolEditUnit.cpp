#include "DHCPPoolEditUnit.h"

#include "AddressChecks.h"
#include "DHCPPoolUnit.h"
#include "KySNMPRequest2Edits.h"
#include "PageKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int CreateAndGoItem = 3;

}  // namespace

TDHCPPoolEdtForm::TDHCPPoolEdtForm(TDedicatedPage& page) : TPageEditDialog(page) {
    setWindowTitle(QStringLiteral("DHCP Pool Edit"));
    BuildLayout();
    KeyEdits = {edtName};
}

void TDHCPPoolEdtForm::BuildLayout() {
    QHBoxLayout* columns = BuildPageColumns(this);
    auto* grid = new QGridLayout();
    columns->addLayout(grid, 1);
    auto row = [&](const char* boxName, const QString& caption, QWidget* control, int position) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(boxName));
        const int r = grid->rowCount();
        grid->addWidget(box, r, 0);
        grid->addWidget(control, r, 1);
        if (position != TDHCPPoolForm::Name) Fields.push_back({box, control, position});
        return box;
    };
    auto edit = [this](const char* name) { return NewPageEdit(this, name); };
    auto combo = [this](const char* name) { return NewPageCombo(this, name); };
    using P = TDHCPPoolForm;
    cbxName = row("cbxName", QStringLiteral("Name"), edtName = edit("edtName"), P::Name);
    cbxAddress = row("cbxAddress", QStringLiteral("Network Address"), edtAddress = edit("edtAddress"), P::NetworkAddress);
    cbxMask = row("cbxMask", QStringLiteral("Network Address Mask"), edMask = edit("edMask"), P::NetworkMask);
    cbxDomain = row("cbxDomain", QStringLiteral("Domain Name"), edtDomain = edit("edtDomain"), P::DomainName);
    cbxNType = row("cbxNType", QStringLiteral("NetBIOS Node Type"), cbxType = combo("cbxType"), P::NetBIOSNodeType);
    cbxNState = row("cbxNState", QStringLiteral("Lease State"), cbxState = combo("cbxState"), P::LeaseState);
    cbxDay = row("cbxDay", QStringLiteral("Lease Day"), edtDay = edit("edtDay"), P::LeaseDay);
    cbxHour = row("cbxHour", QStringLiteral("Lease Hour"), edtHour = edit("edtHour"), P::LeaseHour);
    cbxMinute = row("cbxMinute", QStringLiteral("Lease Minute"), edtMinute = edit("edtMinute"), P::LeaseMinute);
    cbxBoot = row("cbxBoot", QStringLiteral("Boot File"), edtBoot = edit("edtBoot"), P::BootFile);
    cbxServer = row("cbxServer", QStringLiteral("Next Server"), edtServer = edit("edtServer"), P::NextServer);
    cbxStatus = NewHiddenCombo(this, "cbxStatus");
    grid->setRowStretch(grid->rowCount(), 1);
    cbxName->setChecked(true);
    cbxName->setEnabled(false);
    edtName->setMinimumWidth(200);

    QVBoxLayout* buttons = AddButtonColumn(columns, {});
    btnSet = AddColumnButton(buttons, this, "btnSet", QStringLiteral("Set Checked"));
    btnCheck = AddColumnButton(buttons, this, "btnCheck", QStringLiteral("Check All"));
    ClearBtnButton = AddColumnButton(buttons, this, "ClearBtnButton", QStringLiteral("Clear Checks"));
    CloseBTN = AddColumnButton(buttons, this, "CloseBTN", QStringLiteral("Close"));
    connect(btnSet, &QPushButton::clicked, this, &TDHCPPoolEdtForm::btnSetClick);
    connect(btnCheck, &QPushButton::clicked, this, &TDHCPPoolEdtForm::btnCheckClick);
    connect(ClearBtnButton, &QPushButton::clicked, this, &TDHCPPoolEdtForm::ClearBtnButtonClick);
    connect(CloseBTN, &QPushButton::clicked, this, &TDHCPPoolEdtForm::reject);
}

void TDHCPPoolEdtForm::Bind(KySNMPRequest2Edits& binder) {
    using P = TDHCPPoolForm;
    binder.BindEdits(P::Name, "%s", {edtName});
    binder.BindEdits(P::NetworkAddress, "%s{I}", {edtAddress});
    binder.BindEdits(P::NetworkMask, "%s", {edMask});
    binder.BindEdits(P::DomainName, "%s", {edtDomain});
    binder.BindComboBox(P::NetBIOSNodeType, cbxType);
    binder.BindComboBox(P::LeaseState, cbxState);
    binder.BindEdits(P::LeaseDay, "%i", {edtDay});
    binder.BindEdits(P::LeaseHour, "%i{n0x23l2}", {edtHour});
    binder.BindEdits(P::LeaseMinute, "%i{n0x59l2}", {edtMinute});
    binder.BindEdits(P::BootFile, "%s", {edtBoot});
    binder.BindEdits(P::NextServer, "%s{I}", {edtServer});
    binder.BindComboBox(P::Status, cbxStatus);
}

void TDHCPPoolEdtForm::ShowFields(bool shown) {
    for (const Field& field : Fields) {
        field.Box->setVisible(shown);
        field.Control->setVisible(shown);
    }
    adjustSize();
}

void TDHCPPoolEdtForm::PrepareAdd() {
    TPageEditDialog::PrepareAdd();
    ClearBtnButtonClick();
    ShowFields(false);
    cbxStatus->setCurrentIndex(CreateAndGoItem);
    btnSet->setText(QStringLiteral("Add"));
}

void TDHCPPoolEdtForm::PrepareEdit() {
    TPageEditDialog::PrepareEdit();
    ClearBtnButtonClick();
    ShowFields(true);
    btnSet->setText(QStringLiteral("Edit"));
}

void TDHCPPoolEdtForm::btnCheckClick() {
    for (const Field& field : Fields) field.Box->setChecked(true);
}

void TDHCPPoolEdtForm::ClearBtnButtonClick() {
    for (const Field& field : Fields) field.Box->setChecked(false);
}

bool TDHCPPoolEdtForm::Refuse(const QString& text) {
    Page.ShowMessage(text);
    return false;
}

bool TDHCPPoolEdtForm::ValidateEdit() {
    const bool any = std::any_of(Fields.begin(), Fields.end(), [](const Field& f) { return f.Box->isChecked(); });
    if (!any) return Refuse(QStringLiteral("Please check the items to edit."));
    if (cbxAddress->isChecked() && !IPv4Value(edtAddress->text())) return Refuse(QStringLiteral("Please input a valid ip"));
    const auto mask = IPv4Value(edMask->text());
    if (cbxMask->isChecked() && !(mask && IsContiguousMask(*mask))) return Refuse(QStringLiteral("Please input a valid mask"));
    if (cbxServer->isChecked() && !IPv4Value(edtServer->text())) return Refuse(QStringLiteral("Please input a valid ip"));
    return true;
}

void TDHCPPoolEdtForm::btnSetClick() {
    if (!Page.MainBinder()) {
        reject();
        return;
    }
    std::vector<int> excluded;
    if (Adding) {
        if (edtName->text().isEmpty()) {
            Refuse(QStringLiteral("Please input Pool Name."));
            return;
        }
        excluded = Page.AllButKeysAnd(TDHCPPoolForm::Status);
    } else {
        if (!ValidateEdit()) return;
        for (const Field& field : Fields)
            if (!field.Box->isChecked()) excluded.push_back(field.Position);
        // An edit never changes the pool's row status.
        excluded.push_back(TDHCPPoolForm::Status);
    }
    try {
        Page.MainBinder()->Request.Active = 1;
        Page.ReadAgainAfter(Page.MaskedSet(excluded));
        accept();
    } catch (const std::exception& error) {
        Page.DataComplete = 1;
        Page.Report(error);
    }
}
