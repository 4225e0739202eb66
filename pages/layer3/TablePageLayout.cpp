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
    // Addresses in full: the columns follow their widest cell as the rows come in and are filled.
    auto fit = [list] {
        for (int column = 0; column < list->columnCount(); ++column) list->resizeColumnToContents(column);
    };
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list, fit);
    QObject::connect(list->model(), &QAbstractItemModel::dataChanged, list, fit);
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

QLineEdit* NewNamedEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QComboBox* NewNamedCombo(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    return combo;
}

QLineEdit* AddEditRow(QGridLayout* grid, QWidget* parent, const char* name, const QString& caption) {
    const int row = grid->rowCount();
    QLineEdit* edit = NewNamedEdit(parent, name);
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QComboBox* AddComboRow(QGridLayout* grid, QWidget* parent, const char* name, const QString& caption) {
    const int row = grid->rowCount();
    QComboBox* combo = NewNamedCombo(parent, name);
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(combo, row, 1);
    return combo;
}

QPushButton* AddDialogButtonRow(QVBoxLayout* rows, QDialog* dialog, const char* actionName, const QString& action,
                                const char* closeName) {
    auto* buttons = new QHBoxLayout();
    rows->addLayout(buttons);
    buttons->addStretch(1);
    QPushButton* actionButton = NewPageButton(dialog, actionName, action);
    QPushButton* closeButton = NewPageButton(dialog, closeName, QStringLiteral("Close"));
    buttons->addWidget(actionButton);
    buttons->addWidget(closeButton);
    QObject::connect(closeButton, &QPushButton::clicked, dialog, &QDialog::reject);
    return actionButton;
}

QComboBox* NewHiddenCombo(QWidget* parent, const char* name) {
    QComboBox* combo = NewNamedCombo(parent, name);
    combo->hide();
    return combo;
}
