#pragma once

#include "DedicatedPage.h"

#include <array>
#include <optional>

class QComboBox;
class QLineEdit;
class QTreeWidget;

// What tells the enable and the login method list pages apart.
struct TMethodListTexts {
    const KySNMPVarDesc* Table;
    const char* Caption;
    int Width, Height;
    const char* NameLabel;
    const char* TypeLabel;   // "...Method%1 Type"
    const char* GroupLabel;  // "...Method%1 Server Group"
    const char* EmptyName;
    const char* Duplicate;
    const char* NameEdit;
    const char* TypeCombo;   // object names, "%1" for the method
    const char* GroupEdit;
    const char* CloseButton;
};

// A page of AAA method lists: the named lists of up to four methods tried in order, edited in the
// panel under the list. Methods after the first local or none method are never tried, so the page asks
// before writing them and otherwise leaves them out.
class TMethodListPage : public TDedicatedPage {
    Q_OBJECT

public:
    TMethodListPage(QWidget* owner, const TMethodListTexts& texts);

    QTreeWidget* ListView1;
    QLineEdit* NameEdit;
    std::array<QComboBox*, 4> TypeComboBox;
    std::array<QLineEdit*, 4> ServerGroupEdit;
    QComboBox* RowComboBox;
    KySNMPRequest2Edits* Binder = nullptr;
    // Per method: the item of its type when a real type is chosen, else -1.
    std::array<int, 4> MethodTypeIndex{-1, -1, -1, -1};

    void GetButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    // The type of a method changed by the user: its group entry is emptied.
    void TypeComboBoxChange(int method);

    bool CheckMethodOrder();
    void DropMethodsAfterLocal(std::vector<int>& excluded);

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    void ShowGroupEdits();
    void RowShown();
    // The method columns a write leaves out; empty optional when the user wants to correct the order.
    std::optional<std::vector<int>> MethodColumns();

    const TMethodListTexts Texts;
};
