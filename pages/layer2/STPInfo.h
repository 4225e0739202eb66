#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

// "Spanning Tree Global Settings": the protocol version, the timers, max hops, the TX hold count, BPDU
// forwarding, loopback detection and the NNI BPDU address. Under MSTP the hello time is neither shown
// nor sent; the main window's STP version follows a successful write.
class TSTP_Info : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TSTP_Info(QWidget* owner);

    QComboBox* Combo_STPVersion;
    QLineEdit* ET_AgingTime;
    QLineEdit* ET_HelloTime;
    QLineEdit* ET_ForwardDelay;
    QLineEdit* ET_Priority;  // max hops
    QLineEdit* ED_TxHoldCount;
    QComboBox* Combo_BPDU;
    QComboBox* Combo_LBD;
    QLineEdit* ET_LBDRecover;
    QComboBox* NNIBPDUADDRESSComboBox;
    QTreeWidget* ListView1;  // hidden: the one row an MSTP write takes its values from
    QLabel* lbMSTPState;     // hidden: whether spanning tree runs
    KySNMPRequest2Edits* StpSettingsRequest = nullptr;
    KySNMPRequest2Edits* StpMstpSettingsRequest = nullptr;
    KySNMPRequest2Edits* StpStateRequest = nullptr;

    void BT_GetClick();
    void BT_SetClick();
    void Combo_STPVersionChange();

private:
    void BuildLayout();
    void FormCreate();
    void ShowHelloTime(bool shown);
    // The checks of the values typed: false, with the refusal shown, when nothing may be sent.
    bool SettingsValid();
    [[nodiscard]] bool SetMstpSettings();
    // The main window's version after a write: the one written, or the switch's when the write failed.
    void FollowVersion(KySNMPRequest2Controls* writer);
};
