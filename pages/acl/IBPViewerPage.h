#pragma once

#include "DedicatedPage.h"

#include <vector>

class QComboBox;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// One shown column of a binding filter table: its edit (or, with no format, its combo) and caption.
struct TIBPViewerField {
    int Position;
    const char* Name;
    const char* Caption;
    const char* Format = nullptr;  // null: a combo box shown disabled
};

// What tells the four binding filter viewers apart.
struct TIBPViewerTable {
    const KySNMPVarDesc* Table;
    int KeyCount;
    const char* RefreshName;
    std::vector<TIBPViewerField> Fields;
    int PortPosition = -1;  // the rules' port list, shown on a "Ports" tab
    int Width = 600, Height = 420;
};

// A read-only view of the filter entries that IP-MAC-port binding installs: the list, the selected
// entry in fields that cannot be changed, Refresh and Close. Every read ends with the fields cleared.
class TIBPViewerPage : public TDedicatedPage {
    Q_OBJECT

public:
    TIBPViewerPage(QWidget* owner, const TIBPViewerTable& table);

    QTreeWidget* ListView1;
    QTabWidget* PageControl1 = nullptr;
    TStackingPortUitForm* PortSelector = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;
    // The controls of the shown columns, in the order of the table's fields.
    std::vector<QWidget*> Fields;

    void ClearFields();

protected:
    void ResetInputs() override { ClearFields(); }

private:
    void ListView1Click(bool selected);
    std::vector<QComboBox*> Combos;
};
