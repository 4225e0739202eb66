#include "PageKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

template <typename Control>
Control* named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

// Fits every column to its cells and header once the rows that arrived together are in: a walk delivers
// its rows one by one, and fitting after each would measure the whole list again for every row.
void FitColumnsAsRowsArrive(QTreeWidget* list) {
    auto* pending = new QTimer(list);
    pending->setSingleShot(true);
    pending->setInterval(0);
    QObject::connect(pending, &QTimer::timeout, list, [list] {
        const QHeaderView* header = list->header();
        for (int column = 0; column < list->columnCount(); ++column) {
            list->resizeColumnToContents(column);
            const int width = std::max(list->columnWidth(column), header->sectionSizeHint(column));
            list->setColumnWidth(column, std::min(width, PageKit::ListColumnCap));
        }
    });
    auto fit = [pending] {
        if (!pending->isActive()) pending->start();
    };
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, pending, fit);
    QObject::connect(list->model(), &QAbstractItemModel::dataChanged, pending, fit);
    QObject::connect(list->model(), &QAbstractItemModel::headerDataChanged, pending, fit);
}

QVBoxLayout* NewButtonColumn() {
    auto* column = new QVBoxLayout();
    column->setSpacing(PageKit::Spacing);
    column->addStretch(1);
    return column;
}

}  // namespace

QPushButton* NewPageButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    button->setMinimumWidth(PageKit::ButtonWidth);
    return button;
}

QLineEdit* NewPageEdit(QWidget* parent, const char* name) { return named(new QLineEdit(parent), name); }

QComboBox* NewPageCombo(QWidget* parent, const char* name) { return named(new QComboBox(parent), name); }

QCheckBox* NewPageCheckBox(QWidget* parent, const char* name, const QString& caption) {
    return named(new QCheckBox(caption, parent), name);
}

QComboBox* NewHiddenCombo(QWidget* parent, const char* name) {
    QComboBox* combo = NewPageCombo(parent, name);
    combo->hide();
    return combo;
}

QLabel* NewStaticText(QWidget* parent, const char* name) {
    auto* text = named(new QLabel(parent), name);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return text;
}

QLabel* NewRowCounter(QWidget* parent, const char* name) {
    QLabel* counter = NewStaticText(parent, name);
    counter->setText(QStringLiteral("0"));
    counter->setAlignment(Qt::AlignCenter);
    counter->setMinimumWidth(PageKit::ButtonWidth);
    return counter;
}

QTreeWidget* NewPageList(QWidget* parent, const char* name) {
    auto* list = named(new QTreeWidget(parent), name);
    list->setRootIsDecorated(false);
    FitColumnsAsRowsArrive(list);
    return list;
}

void AddToButtonColumn(QVBoxLayout* column, std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) {
        // A row counter or caption has the buttons' width too; a button already asks for it.
        if (!qobject_cast<QPushButton*>(control)) control->setMinimumWidth(PageKit::ButtonWidth);
        column->insertWidget(column->count() - 1, control);
    }
}

QVBoxLayout* AddButtonColumn(QBoxLayout* columns, std::initializer_list<QWidget*> controls) {
    QVBoxLayout* column = NewButtonColumn();
    columns->addLayout(column);
    AddToButtonColumn(column, controls);
    return column;
}

QPushButton* AddColumnButton(QVBoxLayout* column, QWidget* parent, const char* name, const QString& caption) {
    QPushButton* button = NewPageButton(parent, name, caption);
    AddToButtonColumn(column, {button});
    return button;
}

QHBoxLayout* BuildPageColumns(QWidget* client) {
    auto* columns = new QHBoxLayout(client);
    columns->setContentsMargins(PageKit::Margin, PageKit::Margin, PageKit::Margin, PageKit::Margin);
    columns->setSpacing(PageKit::Margin);
    return columns;
}

TListFrame BuildListFrame(QWidget* client, const char* listName, const char* counterName) {
    QHBoxLayout* columns = BuildPageColumns(client);
    auto* left = new QVBoxLayout();
    columns->addLayout(left, 1);
    QTreeWidget* list = NewPageList(client, listName);
    left->addWidget(list, 1);
    QLabel* counter = NewRowCounter(client, counterName);
    QVBoxLayout* buttons = AddButtonColumn(columns, {counter});
    return {columns, left, list, counter, buttons};
}

TListOverPanel BuildListOverPanel(QWidget* client, const char* listName, bool tabsBelow) {
    QHBoxLayout* columns = BuildPageColumns(client);
    auto* splitter = new QSplitter(Qt::Vertical, client);
    columns->addWidget(splitter, 1);
    QTreeWidget* list = NewPageList(splitter, listName);
    auto* lower = new QWidget(splitter);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, tabsBelow ? 2 : 0);
    return {columns, list, lower, lowerLayout};
}

QGridLayout* BuildSettingsFrame(QWidget* client, const std::vector<std::pair<QString, QWidget*>>& rows,
                                const std::vector<QPushButton*>& buttons) {
    QHBoxLayout* columns = BuildPageColumns(client);
    auto* grid = new QGridLayout();
    columns->addLayout(grid, 1);
    int row = 0;
    for (const auto& [label, control] : rows) {
        grid->addWidget(new QLabel(label, client), row, 0);
        grid->addWidget(control, row++, 1);
    }
    grid->setRowStretch(row, 1);
    QVBoxLayout* column = AddButtonColumn(columns, {});
    for (QPushButton* button : buttons) AddToButtonColumn(column, {button});
    return grid;
}

void AddCaptionedRow(QGridLayout* grid, int row, std::initializer_list<std::pair<QString, QWidget*>> fields) {
    int column = 0;
    for (const auto& [caption, control] : fields) {
        grid->addWidget(new QLabel(caption, control->parentWidget()), row, column);
        grid->addWidget(control, row + 1, column);
        ++column;
    }
}

void AddCaptionedColumn(QGridLayout* grid, std::initializer_list<std::pair<QString, QWidget*>> fields) {
    int row = grid->count() == 0 ? 0 : grid->rowCount();
    for (const auto& [caption, control] : fields) {
        grid->addWidget(new QLabel(caption, control->parentWidget()), row, 0);
        grid->addWidget(control, row, 1);
        ++row;
    }
}

QLineEdit* AddEditRow(QGridLayout* grid, QWidget* parent, const char* name, const QString& caption) {
    QLineEdit* edit = NewPageEdit(parent, name);
    AddCaptionedColumn(grid, {{caption, edit}});
    return edit;
}

QComboBox* AddComboRow(QGridLayout* grid, QWidget* parent, const char* name, const QString& caption) {
    QComboBox* combo = NewPageCombo(parent, name);
    AddCaptionedColumn(grid, {{caption, combo}});
    return combo;
}

QHBoxLayout* AddButtonRow(QBoxLayout* rows, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout();
    row->setSpacing(PageKit::Spacing);
    rows->addLayout(row);
    row->addStretch(1);
    for (QPushButton* button : buttons) {
        button->setMinimumWidth(PageKit::ButtonWidth);
        row->addWidget(button);
    }
    return row;
}

QPushButton* AddDialogButtonRow(QVBoxLayout* rows, QDialog* dialog, const char* actionName, const QString& action,
                                const char* closeName) {
    QPushButton* actionButton = NewPageButton(dialog, actionName, action);
    QPushButton* closeButton = NewPageButton(dialog, closeName, QStringLiteral("Close"));
    AddButtonRow(rows, {actionButton, closeButton});
    QObject::connect(closeButton, &QPushButton::clicked, dialog, &QDialog::reject);
    return actionButton;
}

TFieldGrid::TFieldGrid(QVBoxLayout* column, int rowsPerColumn) : Grid(new QGridLayout()), RowsPerColumn(rowsPerColumn) {
    column->addLayout(Grid);
}

void TFieldGrid::Add(QWidget* caption, QWidget* control) {
    const int row = Count % RowsPerColumn;
    const int column = (Count / RowsPerColumn) * 2;
    Grid->addWidget(caption, row, column);
    Grid->addWidget(control, row, column + 1);
    Grid->setColumnStretch(column + 1, 1);
    ++Count;
}

void TFieldGrid::Add(const QString& caption, QWidget* control) { Add(new QLabel(caption, control->parentWidget()), control); }

QWidget* TFieldGrid::Parent() const { return Grid->parentWidget(); }
