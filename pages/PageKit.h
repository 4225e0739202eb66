#pragma once

#include <QString>

#include <initializer_list>
#include <utility>
#include <vector>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;
class QWidget;

// The frames every dedicated page and its dialogs are built from. A page names its controls and hands
// them to these builders; it never sizes a button or sets a margin itself, so every page has the same
// button widths, spacing and margins as the generated pages.
namespace PageKit {
constexpr int ButtonWidth = 96;  // the generated pages' button column
constexpr int Margin = 10;
constexpr int Spacing = 5;
constexpr int ListColumnCap = 360;  // one long text must not push the other columns out of view
}  // namespace PageKit

// Controls named as the handlers and the tests know them.
QPushButton* NewPageButton(QWidget* parent, const char* name, const QString& caption);
QLineEdit* NewPageEdit(QWidget* parent, const char* name);
QComboBox* NewPageCombo(QWidget* parent, const char* name);
QCheckBox* NewPageCheckBox(QWidget* parent, const char* name, const QString& caption);
// A combo box that only carries a value for the SET (a row status the user never chooses).
QComboBox* NewHiddenCombo(QWidget* parent, const char* name);
// A sunken read-only value.
QLabel* NewStaticText(QWidget* parent, const char* name);
// The row counter at the head of a button column.
QLabel* NewRowCounter(QWidget* parent, const char* name = "StaticText1");
// A list whose columns follow their widest cell (and at least their header) as rows come in, each up to
// PageKit::ListColumnCap.
QTreeWidget* NewPageList(QWidget* parent, const char* name = "ListView1");

// The button column on the right of a page: the controls given, top to bottom, then free space. Every
// control of the column has the one width: PageKit::ButtonWidth, or the widest caption when wider.
QVBoxLayout* AddButtonColumn(QBoxLayout* columns, std::initializer_list<QWidget*> controls);
// More controls at the end of a column made above, before its free space.
void AddToButtonColumn(QVBoxLayout* column, std::initializer_list<QWidget*> controls);

// A named button at the end of a column made above.
QPushButton* AddColumnButton(QVBoxLayout* column, QWidget* parent, const char* name, const QString& caption);

// A page's body: its content on the left, with room on the right for the button column.
QHBoxLayout* BuildPageColumns(QWidget* client);

// A list page: the list on the left (with room below it in Left), on the right the row counter over the
// buttons added to Buttons.
struct TListFrame {
    QHBoxLayout* Columns;
    QVBoxLayout* Left;
    QTreeWidget* List;
    QLabel* Counter;
    QVBoxLayout* Buttons;
};
TListFrame BuildListFrame(QWidget* client, const char* listName = "ListView1", const char* counterName = "StaticText1");

// A page edited in place: the list over a lower panel, with a splitter between and room on the right for
// the button column. With tabsBelow the lower panel holds port tabs and takes the larger share.
struct TListOverPanel {
    QHBoxLayout* Columns;
    QTreeWidget* List;
    QWidget* Lower;
    QVBoxLayout* LowerLayout;
};
TListOverPanel BuildListOverPanel(QWidget* client, const char* listName, bool tabsBelow);

// A settings page: label and control rows on the left, the buttons in a column on the right.
QGridLayout* BuildSettingsFrame(QWidget* client, const std::vector<std::pair<QString, QWidget*>>& rows,
                                const std::vector<QPushButton*>& buttons);

// Caption above control, one pair per grid column, from the grid row given.
void AddCaptionedRow(QGridLayout* grid, int row, std::initializer_list<std::pair<QString, QWidget*>> fields);
// Caption beside control, one pair per grid row, below what the grid holds.
void AddCaptionedColumn(QGridLayout* grid, std::initializer_list<std::pair<QString, QWidget*>> fields);
// A labelled edit or drop-down list in the next row of a grid.
QLineEdit* AddEditRow(QGridLayout* grid, QWidget* parent, const char* name, const QString& caption);
QComboBox* AddComboRow(QGridLayout* grid, QWidget* parent, const char* name, const QString& caption);

// A dialog's action and close buttons at the bottom right; the close button rejects the dialog.
QPushButton* AddDialogButtonRow(QVBoxLayout* rows, QDialog* dialog, const char* actionName, const QString& action,
                                const char* closeName);
// Buttons in a row at the bottom right, each at least PageKit::ButtonWidth wide.
QHBoxLayout* AddButtonRow(QBoxLayout* rows, std::initializer_list<QPushButton*> buttons);

// A grid of fields filled column by column: a caption (a label, or the check box that carries it) and its
// control on one line.
class TFieldGrid {
public:
    TFieldGrid(QGridLayout* grid, int rowsPerColumn) : Grid(grid), RowsPerColumn(rowsPerColumn) {}
    // A new grid at the end of the column.
    TFieldGrid(QVBoxLayout* column, int rowsPerColumn);
    void Add(QWidget* caption, QWidget* control);
    void Add(const QString& caption, QWidget* control);
    // The widget the grid lays out, the parent of its controls.
    QWidget* Parent() const;

private:
    QGridLayout* Grid;
    int RowsPerColumn;
    int Count = 0;
};
