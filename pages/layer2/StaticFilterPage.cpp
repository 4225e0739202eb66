#include "StaticFilterPage.h"

#include "PageKit.h"
#include "StackingPortUitForm.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

constexpr int MaxVlanId = 4094;

}  // namespace

TStaticFilterPage::TStaticFilterPage(QWidget* owner, const TStaticFilterLayout& layout)
    : TDedicatedPage(owner, {.Width = layout.Width, .Height = layout.Height}), Layout(layout) {
    BuildLayout();
    FormCreate();
}

void TStaticFilterPage::BuildLayout() {
    TListOverPanel body = BuildListOverPanel(Client, Layout.ListName, true);
    FilterList = body.List;
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    VlanEdit = NewPageEdit(body.Lower, Layout.VlanEditName);
    MacEdit = NewPageEdit(body.Lower, Layout.MacEditName);
    StatusCombo = NewPageCombo(body.Lower, Layout.StatusName);
    if (Layout.StatusShown) {
        AddCaptionedRow(inputs, 0, {{QStringLiteral("VLAN ID"), VlanEdit},
                                    {QString::fromLatin1(Layout.MacCaption), MacEdit},
                                    {QStringLiteral("Status"), StatusCombo}});
    } else {
        AddCaptionedRow(inputs, 0, {{QStringLiteral("VLAN ID"), VlanEdit}, {QString::fromLatin1(Layout.MacCaption), MacEdit}});
        StatusCombo->hide();
    }
    ReceivePortEdit = NewPageEdit(body.Lower, "ReceivePortEdit");
    ReceivePortEdit->hide();
    SelectorTabs = new QTabWidget(body.Lower);
    SelectorTabs->setObjectName(QLatin1String(Layout.TabsName));
    body.LowerLayout->addWidget(SelectorTabs, 1);

    RowCounter = NewRowCounter(Client, "ST_Count");
    RefreshButton = NewPageButton(Client, "RefreshBtn", QStringLiteral("Refresh"));
    AddButton = NewPageButton(Client, Layout.AddName, QString::fromLatin1(Layout.AddCaption));
    if (Layout.SetName) SetButton = NewPageButton(Client, Layout.SetName, QStringLiteral("Set"));
    DeleteButton = NewPageButton(Client, Layout.DeleteName, QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, Layout.CloseName, QStringLiteral("Close"));
    QVBoxLayout* column = AddButtonColumn(body.Columns, {RowCounter, RefreshButton});
    // The buttons follow the counter in each page's own order, then the free space.
    int at = column->count() - 1;
    const auto place = [&](QPushButton* button) {
        if (button) column->insertWidget(at++, button);
    };
    if (Layout.SetBeforeAdd) place(SetButton);
    place(AddButton);
    if (!Layout.SetBeforeAdd) place(SetButton);
    place(DeleteButton);
    place(CloseButton);
    if (Layout.CounterCaptioned) column->insertWidget(0, new QLabel(QStringLiteral("Samples"), Client));

    connect(RefreshButton, &QPushButton::clicked, this, &TStaticFilterPage::RefreshClick);
    connect(AddButton, &QPushButton::clicked, this, &TStaticFilterPage::AddRow);
    if (SetButton) connect(SetButton, &QPushButton::clicked, this, &TStaticFilterPage::SetRow);
    connect(DeleteButton, &QPushButton::clicked, this, &TStaticFilterPage::DeleteRow);
    connect(CloseButton, &QPushButton::clicked, this, &TStaticFilterPage::CloseClick);
}

void TStaticFilterPage::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(SelectorTabs, QString::fromLatin1(Layout.TabCaption));
    KeyEdits = {VlanEdit, MacEdit};
    WatchList(FilterList);
    FilterRequest = CreateBinder({.Table = Layout.Table,
                                  .ItemType = MVT_UMV,
                                  .KeyCount = Layout.KeyCount,
                                  .Main = true,
                                  .List = FilterList,
                                  .Bind = [&](KySNMPRequest2Edits& binder) {
                                      binder.BindEdits(0, "%i{n1x4094}", {VlanEdit});
                                      binder.BindEdits(1, "%h", {MacEdit});
                                      BindPortList(binder, Layout.PortsColumn, ports, PortSelector);
                                      binder.BindComboBox(Layout.StatusColumn, StatusCombo);
                                      if (Layout.ReceivePortColumn >= 0)
                                          binder.BindEdits(Layout.ReceivePortColumn, "%i", {ReceivePortEdit});
                                  }});
    ShowRowSelected(false);
}

void TStaticFilterPage::ResetInputs() {
    if (PortSelector) PortSelector->UncheckAll();
    VlanEdit->clear();
    MacEdit->clear();
    StatusCombo->setCurrentIndex(-1);
    // An entry added here holds for frames from any port.
    ReceivePortEdit->setText(QStringLiteral("0"));
}

bool TStaticFilterPage::KeysValid() {
    // Without its VLAN and all six octets of its address the entry's instance could not be built.
    bool numeric = false;
    const int vlan = VlanEdit->text().toInt(&numeric);
    static const QRegularExpression wholeMac(QStringLiteral("^[0-9A-Fa-f]{12}$"));
    if (numeric && vlan >= 1 && vlan <= MaxVlanId && wholeMac.match(MacEdit->text()).hasMatch()) return true;
    ShowMessage(QString::fromLatin1(Layout.KeysText));
    return false;
}

void TStaticFilterPage::AddRow() {
    if (!KeysValid()) return;
    if (Layout.StatusText && StatusCombo->currentText() != "permanent") {
        ShowMessage(QString::fromLatin1(Layout.StatusText));
        return;
    }
    if (!MayWrite()) return;
    // A new row's ports are written by a later Set where the row status creates it.
    std::vector<int> excluded;
    if (!Layout.AddSendsPorts) excluded.push_back(Layout.PortsColumn);
    GuardedWrite([&] { return MaskedSet(excluded, Layout.AddStatusItem < 0 ? -1 : Layout.StatusColumn, Layout.AddStatusItem); });
}

void TStaticFilterPage::SetRow() {
    if (!FilterList->currentItem() || !MayWrite()) return;
    if (!KeysValid()) return;
    std::vector<int> excluded;
    if (!Layout.SetSendsStatus) excluded.push_back(Layout.StatusColumn);
    GuardedWrite([&] { return MaskedSet(excluded); });
}

void TStaticFilterPage::DeleteRow() {
    if (!FilterList->currentItem()) {
        QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(),
                        QStringLiteral("Please select which entry you want to delete."), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    if (!MayWrite()) return;
    std::vector<int> excluded;
    if (!Layout.DeleteSendsPorts) excluded.push_back(Layout.PortsColumn);
    GuardedWrite([&] { return MaskedSet(excluded, Layout.StatusColumn, Layout.DeleteStatusItem); });
}
