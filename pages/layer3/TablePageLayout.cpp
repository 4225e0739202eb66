#include "TablePageLayout.h"

#include "DedicatedPage.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TTablePageLayout BuildTablePageLayout(QWidget* client, const char* listName) {
    auto* columns = new QHBoxLayout(client);
    auto* list = new QTreeWidget(client);
    list->setObjectName(QLatin1String(listName));
    list->setRootIsDecorated(false);
    columns->addWidget(list, 1);
    auto* buttons = new QVBoxLayout();
    columns->addLayout(buttons);
    auto* counter = new QLabel(QStringLiteral("0"), client);
    counter->setObjectName(QStringLiteral("StaticText1"));
    counter->setAlignment(Qt::AlignCenter);
    counter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    counter->setMinimumWidth(104);
    buttons->addWidget(counter);
    return {list, counter, buttons};
}

QPushButton* AddColumnButton(QVBoxLayout* column, QWidget* parent, const char* name, const QString& caption) {
    QPushButton* button = NewPageButton(parent, name, caption);
    column->addWidget(button);
    return button;
}

QLineEdit* AddEditRow(QGridLayout* grid, QWidget* parent, const char* name, const QString& caption) {
    const int row = grid->rowCount();
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QComboBox* AddComboRow(QGridLayout* grid, QWidget* parent, const char* name, const QString& caption) {
    const int row = grid->rowCount();
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(combo, row, 1);
    return combo;
}

QComboBox* NewHiddenCombo(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->hide();
    return combo;
}
