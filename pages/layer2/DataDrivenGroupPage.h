#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTreeWidget;

// What tells the IGMP and MLD data-driven learned group pages apart.
struct TDataDrivenGroupLayout {
    int Width;
    int Height;
    const KySNMPVarDesc* Table;
    const char* AddressFormat;  // an IPv4 or IPv6 group address
    bool AddressEnabledAtStart;
};

// The groups the switch learnt from multicast data, per VLAN and group address with their router ports
// (shown, never written); the selected group is cleared by Set, which waits for the switch's answer
// before reading the table again.
class TDataDrivenGroupPage : public TDedicatedPage {
    Q_OBJECT

public:
    TDataDrivenGroupPage(QWidget* owner, const TDataDrivenGroupLayout& layout);

    QTreeWidget* ListView1;
    QLabel* stVID;
    QLineEdit* edtIPAddress;
    QComboBox* CBoxClear;
    QTabWidget* PageControl1;
    TStackingPortUitForm* PortSelector = nullptr;
    KySNMPRequest2Edits* GroupRequest = nullptr;

    void btnGetClick();
    void btnSetClick();

protected:
    void ResetInputs() override;

private:
    void FormCreate(const TDataDrivenGroupLayout& layout);
};
