#pragma once

#include "StaticFilterPage.h"

// "802.1Q Multicast Filter Information Table": the static multicast entries with their egress ports;
// an entry is added as "permanent" and removed as "invalid".
class TMulticastFilterInformationForm : public TStaticFilterPage {
    Q_OBJECT

public:
    explicit TMulticastFilterInformationForm(QWidget* owner);

    QTreeWidget* LV_dot1qStaticMulticastEntry;
    QLineEdit* ED_MulticastVID;
    QLineEdit* ED_MACAddress;
    QComboBox* Status;

    void RefreshBtnClick() { RefreshClick(); }
    void AddBtnClick() { AddRow(); }
    void SetBtnClick() { SetRow(); }
    void btnDeleteClick() { DeleteRow(); }
};
