#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QTabWidget;
class QTreeWidget;

// What tells the pages that bind an address to a MAC address and a port list apart.
struct TAddressBindingTexts {
    const char* Caption;
    int Width, Height;
    const KySNMPVarDesc* Table;
    int KeyCount;          // 1: the address alone; 2: the address and the MAC address
    const char* KeyFormat;  // of the address edit
    int PortsPos, StatusPos;
    int CreateAndGoItem, DestroyItem;  // items of the row status combo
    const char* EditCaption;            // "Set" or "Edit"
};

// A table of address - MAC address - ports bindings edited on the page itself: the address and MAC
// address edits, the port selector on its tab, Refresh, Add, Set or Edit, and Delete. Every action is
// silently ignored while the binder is busy; the keys and Add are locked while a row is selected.
class TAddressBindingPage : public TDedicatedPage {
    Q_OBJECT

public:
    TAddressBindingPage(QWidget* owner, const TAddressBindingTexts& texts);

    QTreeWidget* ListView1;
    QLineEdit* edtIpAddr;
    QLineEdit* edtMacAddr;
    QComboBox* cbxMode;
    QTabWidget* PageControl1;
    QComboBox* ComboStatus;
    TStackingPortUitForm* PortSelector = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;

    void btnGetClick();
    void btnEditClick();
    void btnAddClick();
    void btnDeleteClick();

    // Exactly that many hexadecimal digits, nothing else.

protected:
    void ResetInputs() override;
    // The message that refuses the address text, or none.
    virtual QString AddressRefusal(const QString& text) const = 0;
    // Whether the port list goes with a write of the row; Delete always sends it.
    virtual bool SendsPorts(bool adding) const = 0;
    bool AnyPortChecked() const;

private:
    void BuildLayout(const TAddressBindingTexts& texts);
    void FormCreate();
    bool CheckEntries();
    void Write(bool adding);
    void ShowPortNumbers();

    const TAddressBindingTexts Texts;
};
