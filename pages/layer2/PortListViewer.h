#pragma once

#include "DedicatedPage.h"

#include <utility>
#include <vector>

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
};

// A table of port lists per VLAN, each list shown on its own tab for the selected row.
class TPortListViewer : public TDedicatedPage {
    Q_OBJECT

public:
    TPortListViewer(QWidget* owner, const TPortListViewerLayout& layout);

    QTreeWidget* PortLists;
    QTabWidget* PageControl1;
    std::vector<TStackingPortUitForm*> PortSelectors;  // in tab order
    KySNMPRequest2Edits* ViewRequest = nullptr;

    void RefreshBtnClick() { RefreshClick(); }
    void SetBtnClick();

protected:
    void ResetInputs() override;

private:
    void FormCreate();

    const TPortListViewerLayout& Layout;
};
