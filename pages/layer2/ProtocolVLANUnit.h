#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

// "Protocol VLAN Group Table": the 802.1v protocol groups, a frame type and protocol value mapped to a
// group ID; groups are added (createAndGo) and deleted, never changed.
class TProtocolVLANGroupForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TProtocolVLANGroupForm(QWidget* owner);

    QTreeWidget* ListView1;
    QComboBox* TypeComboBox;
    QLineEdit* ValueEdit;
    QLineEdit* IDEdit;
    QComboBox* RowComboBox;
    KySNMPRequest2Edits* GroupRequest = nullptr;

    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    bool AddChecksPass();
};
