#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLabel;

// "802.1Q Basic Configuration": the 802.1Q base scalars; only the GVRP status is written.
class TVLanGeneralInfoForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TVLanGeneralInfoForm(QWidget* owner);

    QLabel* VlanVersionNumber;
    QLabel* MaxVlanId;
    QLabel* MaxSupportedVlans;
    QLabel* CurrentNumOfVlans;
    QComboBox* GvrpStatus;
    KySNMPRequest2Edits* BaseRequest = nullptr;

    void RefreshBtnClick();
    void SetBtnClick();

private:
    void BuildLayout();
    void FormCreate();
};
