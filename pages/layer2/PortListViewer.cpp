#include "PortListViewer.h"

#include "PageKit.h"
#include "StackingPortUitForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

TPortListViewer::TPortListViewer(QWidget* owner, const TPortListViewerLayout& layout)
    : TDedicatedPage(owner, {.Width = layout.Width,
                             .Height = layout.Height,
                             .Guarded = layout.Guarded,
                             .RefuseCloseWhileReading = layout.RefuseCloseWhileReading}),
      Layout(layout) {
    TListOverPanel body = BuildListOverPanel(Client, Layout.ListName, true);
    PortLists = body.List;
    if (Layout.KeyTextName || !Layout.Details.empty()) {
        // One row a text: an IPv6 address needs the width of the page.
        auto* strip = new QGridLayout();
        body.LowerLayout->addLayout(strip);
        const auto addText = [&](const char* name, const char* caption) {
            QLabel* text = NewStaticText(body.Lower, name);
            text->setMinimumWidth(80);
            const int row = strip->rowCount();
            strip->addWidget(new QLabel(QString::fromLatin1(caption), body.Lower), row, 0);
            strip->addWidget(text, row, 1, Qt::AlignLeft);
            return text;
        };
        if (Layout.KeyTextName) KeyText = addText(Layout.KeyTextName, "VLAN ID");
        for (const auto& detail : Layout.Details) DetailTexts.push_back(addText(detail.Name, detail.Caption));
        strip->setColumnStretch(1, 1);
    }
    PageControl1 = new QTabWidget(body.Lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body.LowerLayout->addWidget(PageControl1, 1);
    RowCounter = NewRowCounter(Client, Layout.CounterName);
    RefreshButton = NewPageButton(Client, "RefreshBtn", QStringLiteral("Refresh"));
    if (Layout.Writable) SetButton = NewPageButton(Client, "SetBtn", QStringLiteral("Set"));
    if (Layout.Guarded) StopButton = NewPageButton(Client, "btnStop", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    QVBoxLayout* column = AddButtonColumn(body.Columns, {RowCounter, RefreshButton});
    if (SetButton) column->insertWidget(column->count() - 1, SetButton);
    if (StopButton) column->insertWidget(column->count() - 1, StopButton);
    column->insertWidget(column->count() - 1, CloseButton);
    connect(RefreshButton, &QPushButton::clicked, this, &TPortListViewer::RefreshBtnClick);
    if (SetButton) connect(SetButton, &QPushButton::clicked, this, &TPortListViewer::SetBtnClick);
    if (StopButton) connect(StopButton, &QPushButton::clicked, this, &TPortListViewer::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TPortListViewer::CloseClick);
    FormCreate();
}

void TPortListViewer::FormCreate() {
    const std::string ports = PortNumberList();
    for (const auto& [caption, column] : Layout.Selectors)
        PortSelectors.push_back(AddPortSelector(PageControl1, QString::fromLatin1(caption)));
    // Only the lists that are written open for a selected row; the others stay locked.
    WatchList(PortLists, [this](QTreeWidgetItem*, bool selected) {
        for (std::size_t i = 0; i < PortSelectors.size(); ++i) {
            const bool open = selected && ViewRequest && ViewRequest->Request.VarList.IsSettable(Layout.Selectors[i].second);
            if (open) PortSelectors[i]->EnableAll();
            else PortSelectors[i]->DisableAll();
        }
    });
    ViewRequest = CreateBinder({.Table = Layout.Table,
                                .ItemType = Layout.ItemType,
                                .KeyCount = Layout.KeyCount,
                                .Main = true,
                                .List = PortLists,
                                .Bind = [&](KySNMPRequest2Edits& binder) {
                                    if (KeyText) binder.BindStaticText(0, KeyText);
                                    for (std::size_t i = 0; i < DetailTexts.size(); ++i)
                                        binder.BindStaticText(Layout.Details[i].Column, DetailTexts[i]);
                                    for (std::size_t i = 0; i < PortSelectors.size(); ++i)
                                        BindPortList(binder, Layout.Selectors[i].second, ports, PortSelectors[i]);
                                    binder.AutoEnable = 0;
                                    binder.OnGetDone = [this] { FitColumns(); };
                                }});
    for (TStackingPortUitForm* selector : PortSelectors) selector->DisableAll();
    ShowRowSelected(false);
}

void TPortListViewer::FitColumns() {
    // A port list's hex runs on: it keeps a width that leaves the other columns in view.
    constexpr int PortListWidth = 160;
    for (int column = 0; column < PortLists->columnCount(); ++column) {
        const bool portList = std::any_of(Layout.Selectors.begin(), Layout.Selectors.end(),
                                          [column](const auto& selector) { return selector.second == column; });
        if (portList) PortLists->setColumnWidth(column, PortListWidth);
        else PortLists->resizeColumnToContents(column);
    }
}

void TPortListViewer::ResetInputs() {
    for (TStackingPortUitForm* selector : PortSelectors) selector->UncheckAll();
    if (KeyText) KeyText->clear();
    for (QLabel* text : DetailTexts) text->clear();
}

void TPortListViewer::SetBtnClick() {
    // A write names the VLAN of the selected row, never an empty one.
    if (!PortLists->currentItem() || !MayWrite()) return;
    GuardedWrite([&] { return MaskedSet({}); });
}
