#include "Dot1xStatisticsPage.h"


#include <QPushButton>
#include <QTreeWidget>

TDot1xStatisticsPage::TDot1xStatisticsPage(QWidget* owner, const TDot1xStatisticsTexts& texts)
    : TDedicatedPage(owner, {.Width = texts.Width, .Height = texts.Height, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QString::fromUtf8(texts.Caption));
    RefreshButton = NewPageButton(Client, "Button1", QStringLiteral("Refresh"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    const TListFrame frame = BuildListFrame(Client);
    ListView1 = frame.List;
    RowCounter = frame.Counter;
    AddToButtonColumn(frame.Buttons, {RefreshButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TDot1xStatisticsPage::Button1Click);
    connect(CloseButton, &QPushButton::clicked, this, &TDot1xStatisticsPage::CloseClick);
    WatchList(ListView1, {}, false);
    Binder = CreateBinder({.Table = texts.Table,
                           .ItemType = MVT_FMV,
                           .KeyCount = 2,
                           .Async = false,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [this](KySNMPRequest2Edits& binder) {
                               binder.OnGetDone = [this] { ListView1->resizeColumnToContents(0); };
                           }});
}

void TDot1xStatisticsPage::Button1Click() {
    if (Binder) Reported(*this, [&] { Binder->Get(); });
}
