#pragma once

#include "DedicatedPage.h"

#include <string>
#include <vector>

class QComboBox;
class QLineEdit;

// One present unit of the stack, for checking the unit and port a user types.
struct SecurityEreaseLockUnitInfoList {
    int UnitId;
    int PortCount;
    std::string ModelName;
};

// "Port Sercurity Delete Control Form": deletes one learned port-security entry, named by VLAN, unit
// and port, and MAC address; the switch takes the port as its stack-wide number.
class TPrtSecDelCtrlForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TPrtSecDelCtrlForm(QWidget* owner);

    QLineEdit* edtVlan;
    QLineEdit* UnitEdit;
    QLineEdit* PortEdit;
    QLineEdit* edtPort;
    QComboBox* cbxOper;
    QLineEdit* edtMac;
    KySNMPRequest2Edits* Binder = nullptr;
    std::vector<SecurityEreaseLockUnitInfoList> UnitInfoList;

    void btnRefreshClick();
    void btnSetClick();
    // The stack-wide port number into unit and port: 1-64 are unit 1's, 65 is port 1 of unit 2.
    void edtPortChange();

    void BuildUnitList();
    void FreeUnitList();
    // The port count of a listed unit, or -1.
    int UnitPortCount(int unit) const;

private:
    void BuildLayout();
    void FormCreate();
    bool CheckInput();
    bool CheckUnitPort();
};
