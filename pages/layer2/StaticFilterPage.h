#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// What tells the static forwarding twins apart: their table, the names of their controls, their texts
// and how each write treats the port list and the status column.
struct TStaticFilterLayout {
    int Width;
    int Height;
    const KySNMPVarDesc* Table;
    int KeyCount;
    int ReceivePortColumn;  // -1: the entries have no receive port
    int PortsColumn;
    int StatusColumn;
    const char* ListName;
    const char* VlanEditName;
    const char* MacEditName;
    const char* MacCaption;
    const char* StatusName;
    bool StatusShown;
    const char* TabsName;
    const char* TabCaption;
    const char* AddName;
    const char* AddCaption;
    const char* SetName;  // nullptr: no Set
    bool SetBeforeAdd;
    const char* DeleteName;
    const char* CloseName;
    bool CounterCaptioned;  // "Samples" beside the row counter
    const char* KeysText;   // refusal of a write without a VLAN ID and a whole MAC address
    const char* StatusText;  // refusal of an Add whose status is not "permanent"; nullptr: none needed
    int AddStatusItem;       // the status an Add writes; -1: the one chosen
    bool AddSendsPorts;
    bool SetSendsStatus;
    int DeleteStatusItem;
    bool DeleteSendsPorts;
};

// A table of static forwarding entries keyed by VLAN and MAC address, each with one port list: rows are
// added with a status that makes them permanent (or a row status), changed, and removed by their status.
// An entry is never written without a VLAN from 1 to 4094 and a whole MAC address.
class TStaticFilterPage : public TDedicatedPage {
    Q_OBJECT

public:
    TStaticFilterPage(QWidget* owner, const TStaticFilterLayout& layout);

    QTreeWidget* FilterList;
    QLineEdit* VlanEdit;
    QLineEdit* MacEdit;
    QComboBox* StatusCombo;
    QLineEdit* ReceivePortEdit;  // hidden: 0 for a new entry, the selected entry's own port otherwise
    QTabWidget* SelectorTabs;
    TStackingPortUitForm* PortSelector = nullptr;
    KySNMPRequest2Edits* FilterRequest = nullptr;

    void AddRow();
    void SetRow();
    void DeleteRow();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    bool KeysValid();

    const TStaticFilterLayout& Layout;
};
