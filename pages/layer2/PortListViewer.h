#pragma once

#include "DedicatedPage.h"

#include <utility>
#include <vector>

class QLabel;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// What tells the forwarding viewers apart: their table, their list and counter names, their port lists
// and whether any of them is written.
struct TPortListViewerLayout {
    int Width;
    int Height;
    const KySNMPVarDesc* Table;
    std::uint8_t ItemType;
    int KeyCount;
    const char* ListName;
    const char* CounterName;
    std::vector<std::pair<const char*, int>> Selectors;  // tab caption, column
    bool Writable;  // its writable port lists are written by Set
    // Refresh and Set wait for the end of a read, which Stop ends; the close may wait for it too.
    bool Guarded = false;
    bool RefuseCloseWhileReading = false;
    // The name of a static text showing the selected row's key under the list, or none.
    const char* KeyTextName = nullptr;
    // Static texts after it showing other columns of the selected row.
    struct TDetailText {
        const char* Name;
        const char* Caption;
        int Column;
    };
    std::vector<TDetailText> Details;
};

// A table of port lists per VLAN, each list shown on its own tab for the selected row.
class TPortListViewer : public TDedicatedPage {
    Q_OBJECT

public:
    TPortListViewer(QWidget* owner, const TPortListViewerLayout& layout);

    QTreeWidget* PortLists;
    QTabWidget* PageControl1;
    std::vector<TStackingPortUitForm*> PortSelectors;  // in tab order
    QLabel* KeyText = nullptr;
    std::vector<QLabel*> DetailTexts;  // in the order of the layout's details
    KySNMPRequest2Edits* ViewRequest = nullptr;

    void RefreshBtnClick() { RefreshClick(); }
    void SetBtnClick();

protected:
    void ResetInputs() override;

private:
    void FormCreate();
    void FitColumns();

    const TPortListViewerLayout& Layout;
};
