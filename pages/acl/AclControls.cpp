#include "AclControls.h"

#include "MainUnit.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <algorithm>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QFrame>
#include <QLineEdit>
#include <QTreeWidget>

QTreeWidget* NewAclList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("ListView1"));
    list->setRootIsDecorated(false);
    auto fit = [list] {
        for (int column = 0; column < list->columnCount(); ++column) {
            list->resizeColumnToContents(column);
            list->setColumnWidth(column, std::min(list->columnWidth(column), 240));
        }
    };
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list, fit);
    QObject::connect(list->model(), &QAbstractItemModel::dataChanged, list, fit);
    return list;
}

QLineEdit* NewAclEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QComboBox* NewAclCombo(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    return combo;
}

QCheckBox* NewAclBox(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QVBoxLayout* AddAclListColumn(QWidget* client, QTreeWidget* list) {
    auto* columns = new QHBoxLayout(client);
    auto* column = new QVBoxLayout();
    columns->addLayout(column, 1);
    column->addWidget(list, 1);
    return column;
}

QLabel* AddAclButtonColumn(QWidget* client, const std::vector<QPushButton*>& buttons) {
    auto* column = new QVBoxLayout();
    static_cast<QBoxLayout*>(client->layout())->addLayout(column);
    auto* counter = new QLabel(QStringLiteral("0"), client);
    counter->setObjectName(QStringLiteral("StaticText1"));
    counter->setAlignment(Qt::AlignCenter);
    counter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    column->addWidget(counter);
    for (QPushButton* button : buttons) column->addWidget(button);
    column->addStretch(1);
    return counter;
}

TAclFieldGrid::TAclFieldGrid(QVBoxLayout* column, int rowsPerColumn) : Grid(new QGridLayout()), RowsPerColumn(rowsPerColumn) {
    column->addLayout(Grid);
}

void TAclFieldGrid::Add(QWidget* caption, QWidget* control) {
    const int row = Count % RowsPerColumn;
    const int column = (Count / RowsPerColumn) * 2;
    Grid->addWidget(caption, row, column);
    Grid->addWidget(control, row, column + 1);
    Grid->setColumnStretch(column + 1, 1);
    ++Count;
}

void TAclFieldGrid::Add(const QString& caption, QWidget* control) {
    Add(new QLabel(caption, control->parentWidget()), control);
}

QWidget* TAclFieldGrid::Parent() const { return Grid->parentWidget(); }

QTreeWidgetItem* FindAclRow(const QTreeWidget* list, const std::vector<QString>& keys) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list->topLevelItem(i);
        bool same = true;
        for (std::size_t k = 0; k < keys.size() && same; ++k) same = row->text(int(k)) == keys[k];
        if (same) return row;
    }
    return nullptr;
}

bool HasCheckedUnitPort(const TStackingPortUitForm& selector) {
    const TPortSelectorDevice device = CurrentPortSelectorDevice();
    for (const TPortSelectorUnit& unit : device.Units) {
        if (unit.ModuleName == "Not_Exist") continue;
        const int number = QString::fromStdString(unit.UnitId).toInt();
        if (number < 1) continue;
        const std::size_t first = std::size_t(number - 1) * 64;
        const std::size_t end = std::min(selector.PortCheckBoxes.size(),
                                         first + std::size_t(getModelPortCount(unit.ModuleName, device.Stacked)));
        for (std::size_t i = first; i < end; ++i)
            if (selector.PortCheckBoxes[i]->isChecked()) return true;
    }
    return false;
}
