#include "ListFrame.h"

#include "DedicatedPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

QTreeWidget* BuildListFrame(TDedicatedPage& page, QWidget* client, const std::vector<QPushButton*>& buttons) {
    auto* columns = new QHBoxLayout(client);
    auto* list = new QTreeWidget(client);
    list->setObjectName(QStringLiteral("ListView1"));
    columns->addWidget(list, 1);
    auto* column = new QVBoxLayout();
    columns->addLayout(column);
    page.RowCounter = new QLabel(QStringLiteral("0"), client);
    page.RowCounter->setObjectName(QStringLiteral("StaticText1"));
    page.RowCounter->setAlignment(Qt::AlignCenter);
    page.RowCounter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    column->addWidget(page.RowCounter);
    for (QPushButton* button : buttons) column->addWidget(button);
    column->addStretch(1);
    return list;
}
