#include "PageLayout.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTreeWidget>

#include <algorithm>
#include <stdexcept>

namespace {

template <typename Control>
Control* named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

}  // namespace

QTreeWidget* NewPageList(QWidget* parent, const char* name) { return named(new QTreeWidget(parent), name); }

QLineEdit* NewPageEdit(QWidget* parent, const char* name) { return named(new QLineEdit(parent), name); }

QComboBox* NewPageCombo(QWidget* parent, const char* name) { return named(new QComboBox(parent), name); }

QLabel* NewStaticText(QWidget* parent, const char* name) {
    auto* text = named(new QLabel(parent), name);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return text;
}

QLabel* NewRowCounter(QWidget* parent, const char* name) {
    auto* counter = NewStaticText(parent, name);
    counter->setText(QStringLiteral("0"));
    counter->setAlignment(Qt::AlignCenter);
    return counter;
}

void FitColumnsBut(QTreeWidget* list, std::initializer_list<int> portColumns) {
    for (int column = 0; column < list->columnCount(); ++column)
        if (std::find(portColumns.begin(), portColumns.end(), column) == portColumns.end())
            list->resizeColumnToContents(column);
}

TListPanel AddListOverPanel(QWidget* client, const char* listName, bool tabsBelow) {
    auto* columns = new QHBoxLayout(client);
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

QVBoxLayout* AddButtonColumn(QBoxLayout* columns, std::initializer_list<QWidget*> controls) {
    auto* column = new QVBoxLayout();
    columns->addLayout(column);
    for (QWidget* control : controls) column->addWidget(control);
    column->addStretch(1);
    return column;
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
    int row = grid->rowCount();
    if (grid->count() == 0) row = 0;
    for (const auto& [caption, control] : fields) {
        grid->addWidget(new QLabel(caption, control->parentWidget()), row, 0);
        grid->addWidget(control, row, 1);
        ++row;
    }
}

int WholeNumber(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    if (!ok) throw std::invalid_argument("'" + edit->text().toStdString() + "' is not a valid integer value");
    return value;
}
