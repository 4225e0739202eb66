#pragma once

#include "StaticFilterPage.h"

// "802.1Q Unicast Filter Information Table": the static unicast entries with the ports each may go to;
// an entry is added as "permanent" and removed as "invalid".
class TUnicastFilterInformationForm : public TStaticFilterPage {
    Q_OBJECT

public:
    explicit TUnicastFilterInformationForm(QWidget* owner);

    QTreeWidget* LV_dot1qStaticUnicastEntry;
    QLineEdit* ED_UnicastVID;
    QLineEdit* UnicastAddress;
    QComboBox* UStatus;

    void RefreshBtnClick() { RefreshClick(); }
    // The button captioned "Add".
    void SetBtnClick() { AddRow(); }
    void DeleteBtnClick() { DeleteRow(); }
};
