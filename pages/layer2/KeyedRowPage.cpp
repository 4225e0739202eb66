#include "KeyedRowPage.h"

#include "PageKit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { PortNumber, Index, Value };

}  // namespace

TKeyedRowPage::TKeyedRowPage(QWidget* owner, const TKeyedRowLayout& layout)
    : TDedicatedPage(owner, {.Width = layout.Width, .Height = layout.Height, .Guarded = true, .Report = TPageReport::BarePanel}),
      Layout(layout) {
    setWindowTitle(QString::fromLatin1(layout.Caption));
    const TListOverPanel body = BuildListOverPanel(Client, "ListView1", false);
    ListView1 = body.List;
    Inputs = new QGridLayout();
    body.LowerLayout->addLayout(Inputs);
    PortNumberText = NewStaticText(body.Lower, "PortNumberText");
    IndexText = NewStaticText(body.Lower, "IndexText");

    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "RefreshButton", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "SetButton", QStringLiteral("Set"));
    StopButton = NewPageButton(Client, "StopButton", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "CloseButton", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {RowCounter, RefreshButton, SetButton, StopButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TKeyedRowPage::RefreshButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TKeyedRowPage::SetButtonClick);
    connect(StopButton, &QPushButton::clicked, this, &TKeyedRowPage::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TKeyedRowPage::CloseClick);
}

void TKeyedRowPage::FormCreate(QWidget* valueControl, const std::function<void(KySNMPRequest2Edits&, int)>& bindValue) {
    AddCaptionedRow(Inputs, 0, {{QStringLiteral("Port Number"), PortNumberText},
                                {QString::fromLatin1(Layout.IndexCaption), IndexText},
                                {QString::fromLatin1(Layout.ValueCaption), valueControl}});
    // The keys' captions stay disabled: the keys are not edited.
    for (int column : {PortNumber, Index}) Inputs->itemAtPosition(0, column)->widget()->setEnabled(false);

    WatchList(ListView1);
    RowRequest = CreateBinder({.Table = Layout.Table,
                               .ItemType = Layout.ItemType,
                               .KeyCount = 2,
                               .Main = true,
                               .List = ListView1,
                               .Bind = [&](KySNMPRequest2Edits& binder) {
                                   binder.BindStaticText(PortNumber, PortNumberText);
                                   binder.BindStaticText(Index, IndexText);
                                   bindValue(binder, Value);
                               }});
    ShowRowSelected(false);
}

void TKeyedRowPage::ResetInputs() {
    IndexText->setText(QStringLiteral(" "));
    PortNumberText->setText(QStringLiteral(" "));
}

void TKeyedRowPage::RefreshButtonClick() { RefreshOrRefuse(QStringLiteral("Get data not complete!")); }

void TKeyedRowPage::SetButtonClick() {
    if (!ListView1->currentItem() || !MayWrite() || !ValueAccepted()) return;
    // A refused write is shown by the binder; the table is read again once the answer is in, either way.
    GuardedWrite([this] {
        const bool sent = RowRequest->Set(0, 1, {}, nullptr);
        WaitForBinder(*RowRequest);
        return sent;
    });
}
