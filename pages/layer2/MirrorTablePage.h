#pragma once

#include "DedicatedPage.h"

#include <utility>
#include <vector>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// What tells the mirroring twins apart: their table, their index edit and its refusal, and their port
// lists.
struct TMirrorTableLayout {
    int Width;
    int Height;
    const KySNMPVarDesc* Table;
    int StatusColumn;
    const char* KeyName;
    const char* KeyCaption;
    const char* KeyFormat;
    const char* KeyMissingText;
    std::vector<std::pair<const char*, int>> Selectors;  // tab caption, column
};

// A table of mirroring rows keyed by one index: a row is added and deleted by its row status alone, and
// its other columns are written by Set while it is selected. The inputs beside the index are open only
// while a row is selected.
class TMirrorTablePage : public TDedicatedPage {
    Q_OBJECT

public:
    TMirrorTablePage(QWidget* owner, const TMirrorTableLayout& layout);

    QTreeWidget* ListView1;
    QLineEdit* KeyEdit;
    QComboBox* CBoxStatus;  // hidden: the row status to send
    QGridLayout* Inputs;    // where a page puts its own inputs, from column 1
    QTabWidget* PageControl1;
    std::vector<TStackingPortUitForm*> PortSelectors;  // in tab order
    KySNMPRequest2Edits* TableRequest = nullptr;

    void btnAddClick();
    void btnDeleteClick();
    virtual void btnSetClick() = 0;

protected:
    // Binds the page's own inputs and reads; called once the page has added its inputs.
    void FormCreate(const std::function<void(KySNMPRequest2Edits&)>& bindInputs);
    void ResetInputs() override;
    // Opens or closes the inputs for the row (null: none selected).
    virtual void ShowRowInputs(QTreeWidgetItem* row) = 0;
    void EnableSelectors(bool enabled);

private:
    void BuildLayout();
    bool IsPortColumn(int column) const;

    const TMirrorTableLayout& Layout;
};
