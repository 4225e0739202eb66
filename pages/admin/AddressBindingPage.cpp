#include "AddressBindingPage.h"

#include "AddressChecks.h"
#include "KyPortList.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

TAddressBindingPage::TAddressBindingPage(QWidget* owner, const TAddressBindingTexts& texts)
    : TDedicatedPage(owner, {.Width = texts.Width, .Height = texts.Height}), Texts(texts) {
    setWindowTitle(QString::fromLatin1(texts.Caption));
    BuildLayout(texts);
    FormCreate();
}

void TAddressBindingPage::BuildLayout(const TAddressBindingTexts& texts) {
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* splitter = new QSplitter(Qt::Vertical, Client);
    columns->addWidget(splitter, 1);
    ListView1 = new QTreeWidget(splitter);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    auto* entry = new QWidget(splitter);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    auto* rows = new QGridLayout(entry);
    rows->setContentsMargins(0, 0, 0, 0);
    edtIpAddr = new QLineEdit(entry);
    edtIpAddr->setObjectName(QStringLiteral("edtIpAddr"));
    edtMacAddr = new QLineEdit(entry);
    edtMacAddr->setObjectName(QStringLiteral("edtMacAddr"));
    cbxMode = new QComboBox(entry);
    cbxMode->setObjectName(QStringLiteral("cbxMode"));
    cbxMode->hide();
    rows->addWidget(new QLabel(QStringLiteral("IP Address"), entry), 0, 0);
    rows->addWidget(edtIpAddr, 0, 1);
    rows->addWidget(new QLabel(QStringLiteral("MAC Address"), entry), 0, 2);
    rows->addWidget(edtMacAddr, 0, 3);
    rows->setColumnStretch(1, 2);
    rows->setColumnStretch(3, 1);
    PageControl1 = new QTabWidget(entry);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    rows->addWidget(PageControl1, 1, 0, 1, 4);
    rows->setRowStretch(1, 1);

    RowCounter = NewRowCounter(Client);
    RefreshButton = NewPageButton(Client, "btnGet", QStringLiteral("Refresh"));
    AddButton = NewPageButton(Client, "btnAdd", QStringLiteral("Add"));
    SetButton = NewPageButton(Client, "btnEdit", QString::fromLatin1(texts.EditCaption));
    DeleteButton = NewPageButton(Client, "btnDelete", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    ComboStatus = NewHiddenCombo(Client, "ComboStatus");
    AddButtonColumn(columns, {RowCounter, RefreshButton, AddButton, SetButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TAddressBindingPage::btnGetClick);
    connect(AddButton, &QPushButton::clicked, this, &TAddressBindingPage::btnAddClick);
    connect(SetButton, &QPushButton::clicked, this, &TAddressBindingPage::btnEditClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TAddressBindingPage::btnDeleteClick);
    connect(CloseButton, &QPushButton::clicked, this, &TAddressBindingPage::CloseClick);
}

void TAddressBindingPage::FormCreate() {
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Ports"));
    // The address is always a key; with two keys the MAC address is the second.
    KeyEdits = {edtIpAddr};
    if (Texts.KeyCount == 2) KeyEdits.push_back(edtMacAddr);
    WatchList(ListView1);
    Binder = CreateBinder({.Table = Texts.Table,
                           .ItemType = MVT_UMV,
                           .KeyCount = Texts.KeyCount,
                           .Async = false,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [this](KySNMPRequest2Edits& binder) {
                               binder.BindEdits(0, Texts.KeyFormat, {edtIpAddr});
                               binder.BindEdits(1, "%s{l12}", {edtMacAddr});
                               binder.BindComboBox(Texts.StatusPos, ComboStatus);
                               BindPortList(binder, Texts.PortsPos, PortNumberList(), PortSelector);
                               binder.OnGetDone = [this] { ShowPortNumbers(); };
                           }});
    ShowRowSelected(false);
}

void TAddressBindingPage::ShowPortNumbers() {
    // The list shows the ports as numbers; a selected row still gives the binder the octets read.
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = ListView1->topLevelItem(i);
        const QString octets = row->text(Texts.PortsPos);
        row->setData(Texts.PortsPos, Qt::UserRole, octets.toLatin1());
        row->setText(Texts.PortsPos, QString::fromStdString(portBitmapToText(octets.toStdString(), false)));
    }
    for (int c = 0; c < ListView1->columnCount(); ++c) ListView1->resizeColumnToContents(c);
}

void TAddressBindingPage::ResetInputs() {
    edtIpAddr->clear();
    edtMacAddr->clear();
    cbxMode->setCurrentIndex(0);
    PortSelector->UncheckAll();
}

bool TAddressBindingPage::AnyPortChecked() const {
    return PortSelector->AnyChecked();
}

bool TAddressBindingPage::CheckEntries() {
    const QString refusal = AddressRefusal(edtIpAddr->text());
    if (!refusal.isEmpty()) {
        ShowMessage(refusal);
        if (edtIpAddr->isEnabled()) edtIpAddr->setFocus();
        return false;
    }
    if (!IsHexOfLength(edtMacAddr->text(), 12)) {
        ShowMessage(QStringLiteral("Invalid MAC address"));
        if (edtMacAddr->isEnabled()) edtMacAddr->setFocus();
        return false;
    }
    return true;
}

void TAddressBindingPage::btnGetClick() { RefreshClick(); }

void TAddressBindingPage::Write(bool adding) {
    if (!Binder || Binder->Busy || !CheckEntries()) return;
    std::vector<int> excluded;
    if (!SendsPorts(adding)) excluded.push_back(Texts.PortsPos);
    GuardedWrite([&] { return MaskedSet(excluded, adding ? Texts.StatusPos : -1, Texts.CreateAndGoItem); });
}

void TAddressBindingPage::btnEditClick() {
    if (ListView1->currentItem()) Write(false);
}

void TAddressBindingPage::btnAddClick() {
    if (!ListView1->currentItem()) Write(true);
}

void TAddressBindingPage::btnDeleteClick() {
    if (!Binder || Binder->Busy || !ListView1->currentItem()) return;
    GuardedWrite([&] { return MaskedSet({}, Texts.StatusPos, Texts.DestroyItem); });
}
