#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// "Double VLAN Control Table": the service VLANs with their names, TPIDs and uplink, access, delete and
// unknown ports. The double VLAN global state, read once when the page opens, decides whether it can
// be configured and which port lists it shows.
class TDoubleVLANForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TDoubleVLANForm(QWidget* owner);

    QTreeWidget* lvDoubleVLAN;
    QLineEdit* edtID;
    QLineEdit* edtName;
    QLineEdit* edtTPID;
    QComboBox* cbxStatus;
    QLabel* lbState;
    QLabel* lbmsg;
    QTabWidget* PageControl1;
    QPushButton* RefreshBtn;
    QPushButton* AddBtn;
    QPushButton* SetBtn;
    QPushButton* DeleteBtn;
    TStackingPortUitForm* UplinkSelector = nullptr;
    TStackingPortUitForm* AccessSelector = nullptr;
    TStackingPortUitForm* DeleteSelector = nullptr;
    TStackingPortUitForm* UnknownSelector = nullptr;
    KySNMPRequest2Edits* DoubleVlanStateRequest = nullptr;
    KySNMPRequest2Edits* DoubleVlanRequest = nullptr;

    // The gate: reads the global state and says whether the page can be configured; false when the
    // state could not be read at all.
    bool CheckGlobalState();
    bool Configurable() const;
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    void AfterWrite();
};
