#pragma once

#include <QString>

class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;
class QWidget;

// The layout the layer-3 table pages share: the list filling the left, and at the right a column with the
// row counter on top of the buttons.
struct TTablePageLayout {
    QTreeWidget* List;
    QLabel* Counter;
    QVBoxLayout* Buttons;
};
TTablePageLayout BuildTablePageLayout(QWidget* client, const char* listName);

// A button of the column, its name and caption as the form gives them.
QPushButton* AddColumnButton(QVBoxLayout* column, QWidget* parent, const char* name, const QString& caption);

// An edit or drop-down list named as the handlers and the tests know it.
QLineEdit* NewNamedEdit(QWidget* parent, const char* name);
QComboBox* NewNamedCombo(QWidget* parent, const char* name);
// A labelled edit or drop-down list in the next row of a dialog's grid.
QLineEdit* AddEditRow(QGridLayout* grid, QWidget* parent, const char* name, const QString& caption);
QComboBox* AddComboRow(QGridLayout* grid, QWidget* parent, const char* name, const QString& caption);
// The dialog's action and close buttons at the bottom right; the close button rejects the dialog.
QPushButton* AddDialogButtonRow(QVBoxLayout* rows, QDialog* dialog, const char* actionName, const QString& action,
                                const char* closeName);
// A combo box that only carries a value for the SET (a row status the user never chooses).
QComboBox* NewHiddenCombo(QWidget* parent, const char* name);
