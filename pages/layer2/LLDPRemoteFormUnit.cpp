#include "LLDPRemoteFormUnit.h"

#include "NewRequest2Edits3.h"
#include "Oid_lldp.h"
#include "PageKit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

TLLDPRemoteForm::TLLDPRemoteForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 700, .Height = 549, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("LLDP Remote System Data Remote Table"));
    QHBoxLayout* columns = BuildPageColumns(Client);
    ListView1 = NewPageList(Client, "ListView1");
    columns->addWidget(ListView1, 1);
    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    CloseButton = NewPageButton(Client, "CloseButton", QStringLiteral("Close"));
    AddButtonColumn(columns, {RowCounter, RefreshButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TLLDPRemoteForm::RefreshClick);
    connect(CloseButton, &QPushButton::clicked, this, &TLLDPRemoteForm::CloseClick);

    WatchList(ListView1, {}, false);
    RemoteRequest = CreateBinder<NewRequest2Edits3>({.Table = LldpRemoteSystemVars,
                                                     .ItemType = MVT_FMV,
                                                     .KeyCount = 3,
                                                     .Main = true,
                                                     .List = ListView1});
}
