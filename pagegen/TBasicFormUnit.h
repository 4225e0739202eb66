#pragma once

#include <QDialog>

#include <initializer_list>
#include <string>
#include <vector>

// Base of dedicated dialogs that grey out, enable, reset and uncheck groups of their controls.
class TBasicForm : public QDialog {
    Q_OBJECT

public:
    explicit TBasicForm(QWidget* owner = nullptr);

    std::vector<QWidget*> CheckBoxes;     // for UncheckAll
    std::vector<QWidget*> ValueControls;  // value editors in variable order, for ResetControls
    int VarCount = 0;
    int KeyCount = 0;
    std::string PortPositions;  // "0,1,...,63"

    // Edits and combo boxes disabled on the menu colour; check and radio buttons unchecked and disabled.
    static void DisableControl(QWidget* control);
    // The same, and edits emptied.
    static void DisableControls(std::initializer_list<QWidget*> controls);
    static void EnableControl(QWidget* control);
    // Combo boxes to their first item, edits emptied; missing entries skipped.
    static void ResetControls(const std::vector<QWidget*>& controls);
    static void UncheckAll(const std::vector<QWidget*>& controls);

    // The subclass's size, 1.25 times on a screen not at 96 dpi.
    void SetScaledSize(int width, int height);
};
