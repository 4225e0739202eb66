#pragma once

#include "DedicatedPage.h"

#include <array>

class QComboBox;
class QLineEdit;
class QTabWidget;
class QTreeWidget;

// "VLAN Management VLAN Table": every VLAN of the switch with its type and seven port lists; only the
// advertisement state is written.
class TVlanForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TVlanForm(QWidget* owner);

    QTreeWidget* LV_dot1qVlanStaticEntry;
    QLineEdit* ED_VLANID;
    QLineEdit* ED_VLANName;
    QComboBox* cbxType;
    QComboBox* cbxStatus;
    QTabWidget* PageControl1;
    std::array<TStackingPortUitForm*, 7> PortSelectors{};
    KySNMPRequest2Edits* VlanRequest = nullptr;

    void RefreshBtnClick();
    void SetButtonClick();
    void btnCloseClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
};
