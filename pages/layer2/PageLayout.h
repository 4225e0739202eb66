#pragma once

#include <QString>

#include <initializer_list>
#include <utility>

class QBoxLayout;
class QHBoxLayout;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;
class QWidget;

// Controls of the layer-2 pages, named as the handlers and the tests know them.
QTreeWidget* NewPageList(QWidget* parent, const char* name);
QLineEdit* NewPageEdit(QWidget* parent, const char* name);
QComboBox* NewPageCombo(QWidget* parent, const char* name);
// A sunken read-only value.
QLabel* NewStaticText(QWidget* parent, const char* name);
// The row counter at the head of the button column.
QLabel* NewRowCounter(QWidget* parent, const char* name);

// Fits every column of the list to its cells but the port lists, whose hex runs on.
void FitColumnsBut(QTreeWidget* list, std::initializer_list<int> portColumns);

// The page's body: a list over a lower panel, with room on the right for the button column.
struct TListPanel {
    QHBoxLayout* Columns;
    QTreeWidget* List;
    QWidget* Lower;
    QVBoxLayout* LowerLayout;
};
// With tabsBelow the lower panel holds port tabs and takes the larger share of the height.
TListPanel AddListOverPanel(QWidget* client, const char* listName, bool tabsBelow);

// The button column on the right of a page: the controls given, top to bottom, then free space.
QVBoxLayout* AddButtonColumn(QBoxLayout* columns, std::initializer_list<QWidget*> controls);

// Caption above control, one pair per grid column, from the grid row given.
void AddCaptionedRow(QGridLayout* grid, int row, std::initializer_list<std::pair<QString, QWidget*>> fields);
// Caption beside control, one pair per grid row.
void AddCaptionedColumn(QGridLayout* grid, std::initializer_list<std::pair<QString, QWidget*>> fields);

// A whole decimal number, as the checks need it; anything else throws the conversion error the status
// line shows.
int WholeNumber(const QLineEdit* edit);
