#include "EditorFrame.h"

#include "DedicatedPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

TEditorFrame BuildEditorFrame(TDedicatedPage& page, QWidget* client, const char* counterName, const char* closeName) {
    auto* columns = new QHBoxLayout(client);
    auto* splitter = new QSplitter(Qt::Vertical, client);
    columns->addWidget(splitter, 1);
    auto* list = new QTreeWidget(splitter);
    list->setObjectName(QStringLiteral("ListView1"));
    auto* entry = new QWidget(splitter);
    splitter->setStretchFactor(0, 1);

    auto* buttons = new QVBoxLayout();
    columns->addLayout(buttons);
    page.RowCounter = new QLabel(QStringLiteral("0"), client);
    page.RowCounter->setObjectName(QLatin1String(counterName));
    page.RowCounter->setAlignment(Qt::AlignCenter);
    page.RowCounter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    buttons->addWidget(page.RowCounter);
    page.RefreshButton = NewPageButton(client, "GetButton", QStringLiteral("Refresh"));
    page.SetButton = NewPageButton(client, "EditButton", QStringLiteral("Edit"));
    page.AddButton = NewPageButton(client, "AddButton", QStringLiteral("Add"));
    page.DeleteButton = NewPageButton(client, "DeleteButton", QStringLiteral("Delete"));
    page.CloseButton = NewPageButton(client, closeName, QStringLiteral("Close"));
    for (QPushButton* button : {page.RefreshButton, page.SetButton, page.AddButton, page.DeleteButton, page.CloseButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    return {list, entry};
}
