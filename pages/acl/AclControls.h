#pragma once

#include <QString>

#include <vector>

class QBoxLayout;
class QCheckBox;
class QLabel;
class QPushButton;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;
class QWidget;
class TStackingPortUitForm;

// The list of a page ("ListView1"): its columns follow their widest cell as rows come in, up to a
// width that keeps a long port list from hiding the others.
QTreeWidget* NewAclList(QWidget* parent);
// Controls of the access control pages, named for the handlers and the tests.
QLineEdit* NewAclEdit(QWidget* parent, const char* name);
QComboBox* NewAclCombo(QWidget* parent, const char* name);
QCheckBox* NewAclBox(QWidget* parent, const char* name, const QString& caption);

// The column at the left of a page's client, beside its button column: the list over what the page lays
// out below it.
QVBoxLayout* AddAclListColumn(QWidget* client, QTreeWidget* list);
// The column at the right of a page's client: the sunken row counter above the buttons.
QLabel* AddAclButtonColumn(QWidget* client, const std::vector<QPushButton*>& buttons);

// A grid of fields, filled column by column: a caption (a label, or the check box that carries it) and
// its control on one line.
class TAclFieldGrid {
public:
    TAclFieldGrid(QGridLayout* grid, int rowsPerColumn) : Grid(grid), RowsPerColumn(rowsPerColumn) {}
    // A new grid at the end of the column.
    TAclFieldGrid(QVBoxLayout* column, int rowsPerColumn);
    void Add(QWidget* caption, QWidget* control);
    void Add(const QString& caption, QWidget* control);
    // The widget the grid lays out, the parent of its controls.
    QWidget* Parent() const;

private:
    QGridLayout* Grid;
    int RowsPerColumn;
    int Count = 0;
};

// The row of the list whose first cells hold the keys, or null.
QTreeWidgetItem* FindAclRow(const QTreeWidget* list, const std::vector<QString>& keys);

// Whether a front-panel port of a unit present in the device's unit table is checked.
bool HasCheckedUnitPort(const TStackingPortUitForm& selector);
