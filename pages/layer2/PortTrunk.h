#pragma once

#include "DedicatedPage.h"

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// A present unit of the device as the trunk checks know it.
struct UnitInformationTrunkList {
    int UnitId;  // -1 when the unit table's ID is not a number
    int PortCount;
    std::string ModelName;
};

// "Port Trunk": the trunks of the switch or stack with their master, member and active ports; a trunk
// is created (and enabled when asked), changed and destroyed by its state column. The master port is
// typed as unit and port and must be one of the ticked members, two to eight of them.
class TPortTrunkForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TPortTrunkForm(QWidget* owner);

    QTreeWidget* LV_PortTrunk;
    QLineEdit* ED_Index;
    QComboBox* Combo_Type;
    QComboBox* ComboBox1;  // "Status": enable or disable
    QLineEdit* UnitEdit;
    QLineEdit* PortEdit;
    QLabel* ST_FloodingPort;
    QLineEdit* ED_MasterPort;  // hidden: the master port number the row holds
    QComboBox* Combo_State;    // hidden: the state column as sent
    QTabWidget* PageControl1;
    TStackingPortUitForm* MemberSelector = nullptr;
    TStackingPortUitForm* ActiveSelector = nullptr;
    KySNMPRequest2Edits* TrunkRequest = nullptr;
    // The present units, in unit-table order.
    std::vector<UnitInformationTrunkList> UnitList;
    // Ticked member boxes found by the last count.
    int MemberCount = 0;

    void BT_GetClick();
    void BT_SetClick();  // Add
    void SetBtnClick();
    void BT_DeleteClick();

    // Whether the master port may be used; a refusal has shown its message and moved the focus.
    bool CheckUnitPort(int unit, int port);
    // Whether two to eight member boxes are ticked; a ninth is unticked. A refusal has shown its message.
    bool CheckMemberCount(int unit);

protected:
    void ResetInputs() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void FormCreate();
    void BuildUnitSelectors();
    // A selected row: its master port number shown as unit and port, its state in the status combo.
    void LV_PortTrunkClick(const QTreeWidgetItem& row);
    // Shows the refusal and puts the focus on the control that needs changing.
    void Refuse(const char* text, QWidget* focus);
    // An exception of a handler: back to add mode, the message on the status line.
    void Failed(const std::exception& error);
    bool MasterChecked(int master) const;
};
