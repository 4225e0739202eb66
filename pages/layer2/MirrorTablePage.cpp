#include "MirrorTablePage.h"

#include "PageKit.h"
#include "StackingPortUitForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;

}  // namespace

TMirrorTablePage::TMirrorTablePage(QWidget* owner, const TMirrorTableLayout& layout)
    : TDedicatedPage(owner, {.Width = layout.Width,
                             .Height = layout.Height,
                             .Guarded = true,
                             .RefuseCloseWhileReading = true,
                             .Report = TPageReport::BarePanel}),
      Layout(layout) {
    BuildLayout();
}

void TMirrorTablePage::BuildLayout() {
    TListOverPanel body = BuildListOverPanel(Client, "ListView1", true);
    ListView1 = body.List;
    Inputs = new QGridLayout();
    body.LowerLayout->addLayout(Inputs);
    KeyEdit = NewPageEdit(body.Lower, Layout.KeyName);
    AddCaptionedRow(Inputs, 0, {{QString::fromLatin1(Layout.KeyCaption), KeyEdit}});
    CBoxStatus = NewPageCombo(body.Lower, "CBoxStatus");
    CBoxStatus->hide();
    PageControl1 = new QTabWidget(body.Lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body.LowerLayout->addWidget(PageControl1, 1);

    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "RefreshBtn", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnSet", QStringLiteral("Set"));
    AddButton = NewPageButton(Client, "btnAdd", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "btnDelete", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {new QLabel(QStringLiteral("Samples"), Client), RowCounter, RefreshButton, SetButton,
                                   AddButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TMirrorTablePage::RefreshClick);
    connect(SetButton, &QPushButton::clicked, this, [this] { btnSetClick(); });
    connect(AddButton, &QPushButton::clicked, this, &TMirrorTablePage::btnAddClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TMirrorTablePage::btnDeleteClick);
    connect(CloseButton, &QPushButton::clicked, this, &TMirrorTablePage::CloseClick);
}

void TMirrorTablePage::FormCreate(const std::function<void(KySNMPRequest2Edits&)>& bindInputs) {
    const std::string ports = PortNumberList();
    for (const auto& [caption, column] : Layout.Selectors)
        PortSelectors.push_back(AddPortSelector(PageControl1, QString::fromLatin1(caption)));
    KeyEdits = {KeyEdit};
    WatchList(ListView1, [this](QTreeWidgetItem* row, bool selected) { ShowRowInputs(selected ? row : nullptr); });
    TableRequest = CreateBinder({.Table = Layout.Table,
                                 .ItemType = MVT_UMV,
                                 .KeyCount = 1,
                                 .Main = true,
                                 .List = ListView1,
                                 .Bind = [&](KySNMPRequest2Edits& binder) {
                                     binder.BindEdits(0, Layout.KeyFormat, {KeyEdit});
                                     binder.BindComboBox(Layout.StatusColumn, CBoxStatus);
                                     for (std::size_t i = 0; i < PortSelectors.size(); ++i)
                                         BindPortList(binder, Layout.Selectors[i].second, ports, PortSelectors[i]);
                                     bindInputs(binder);
                                     // The page opens the inputs for the row it shows.
                                     binder.AutoEnable = 0;
                                     binder.OnGetDone = [this] {
                                         for (int column = 0; column < ListView1->columnCount(); ++column)
                                             if (!IsPortColumn(column)) ListView1->resizeColumnToContents(column);
                                     };
                                 }});
    ShowRowSelected(false);
}

bool TMirrorTablePage::IsPortColumn(int column) const {
    for (const auto& selector : Layout.Selectors)
        if (selector.second == column) return true;
    return false;
}

void TMirrorTablePage::EnableSelectors(bool enabled) {
    for (TStackingPortUitForm* selector : PortSelectors) {
        if (enabled) selector->EnableAll();
        else selector->DisableAll();
    }
}

void TMirrorTablePage::ResetInputs() {
    for (TStackingPortUitForm* selector : PortSelectors) selector->UncheckAll();
    KeyEdit->clear();
    CBoxStatus->setCurrentIndex(CreateAndGoItem);
    ShowRowInputs(nullptr);
}

void TMirrorTablePage::btnAddClick() {
    if (!MayWrite()) return;
    if (KeyEdit->text().isEmpty()) {
        ShowMessage(QString::fromLatin1(Layout.KeyMissingText));
        KeyEdit->setFocus();
        return;
    }
    // A new row is made by its status alone; its columns are written by Set once it is selected.
    GuardedWrite([&] { return MaskedSet(AllButKeysAnd(Layout.StatusColumn), Layout.StatusColumn, CreateAndGoItem); });
}

void TMirrorTablePage::btnDeleteClick() {
    if (!ListView1->currentItem() || !MayWrite()) return;
    GuardedWrite([&] { return MaskedSet(AllButKeysAnd(Layout.StatusColumn), Layout.StatusColumn, DestroyItem); });
}
