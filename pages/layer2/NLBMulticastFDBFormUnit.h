#pragma once

#include "StaticFilterPage.h"

// "NLB Multicast FDB Settings": multicast entries for load-balanced servers with their egress ports;
// a row is created by its row status alone, its ports written by a Set.
class TNLBUnicastFDBForm : public TStaticFilterPage {
    Q_OBJECT

public:
    explicit TNLBUnicastFDBForm(QWidget* owner);

    QTreeWidget* LV_dot1qStaticUnicastEntry;
    QLineEdit* ED_UnicastVID;
    QLineEdit* UnicastAddress;
    QComboBox* UStatus;  // hidden: the row status

    void RefreshBtnClick() { RefreshClick(); }
    void AddBtnClick() { AddRow(); }
    void SetBtnClick() { SetRow(); }
    void DeleteBtnClick() { DeleteRow(); }
};
