#pragma once

#include "DedicatedPage.h"

class QGridLayout;
class QLabel;
class QTreeWidget;

// What tells the pages of one writable column keyed by port and a second index apart.
struct TKeyedRowLayout {
    const char* Caption;
    const KySNMPVarDesc* Table;
    const char* IndexCaption;
    const char* ValueCaption;
    int Width;
    int Height;
    std::uint8_t ItemType = MVT_FMV;
};

// A table keyed by port and a second index with one writable column: the selected row's value is
// written, the answer awaited (a refusal shown) and the table read again.
class TKeyedRowPage : public TDedicatedPage {
    Q_OBJECT

public:
    TKeyedRowPage(QWidget* owner, const TKeyedRowLayout& layout);

    QTreeWidget* ListView1;
    QLabel* PortNumberText;
    QLabel* IndexText;
    KySNMPRequest2Edits* RowRequest = nullptr;

    void RefreshButtonClick();
    void SetButtonClick();

protected:
    // Puts the value's control in the strip and reads the table; bindValue binds it to the value column.
    void FormCreate(QWidget* valueControl, const std::function<void(KySNMPRequest2Edits&, int column)>& bindValue);
    // Whether the value may be sent; a refusal is the page's to show.
    virtual bool ValueAccepted() { return true; }
    void ResetInputs() override;

private:
    const TKeyedRowLayout Layout;
    QGridLayout* Inputs = nullptr;
};
