#pragma once

#include "AclTablePage.h"

#include <QString>

#include <vector>

class QComboBox;
class QLineEdit;
class QTreeWidget;

// What an IPv4 profile's Add leaves out depends on these choices and on which edits are empty.
struct TIPMaskChoice {
    QString MaskState, Icmp, Tcp, Udp, FlagBit, ProtocolIdOption, ProtocolType;
    std::vector<int> EmptyEdits;  // positions of the empty edits
};
// The columns an Add leaves out, in ascending order: the mask state, the protocol options and the
// protocol type take out what they make meaningless (a later rule may bring a column back), then
// every empty edit.
std::vector<int> IPMaskExclusions(const TIPMaskChoice& choice);

// "IP Mask": the IPv4 access profiles, added whole and deleted whole.
class TIPMaskInformationForm : public TAclTablePage {
    Q_OBJECT

public:
    explicit TIPMaskInformationForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLineEdit* IPIDEdit;
    QComboBox* VlanComboBox;
    QComboBox* IpAddMaskStateComboBox;
    QLineEdit* IpAddMaskSrcEdit;
    QLineEdit* IpAddMaskDstEdit;
    QComboBox* UseDSCPComBo;
    QComboBox* UseProTypeComBo;
    QComboBox* IcmpComboBox;
    QComboBox* IgmpComboBox;
    QComboBox* TCPOptionComBo;
    QComboBox* UDPOptionComBo;
    QLineEdit* TCPUDPSrcMaskEdit;
    QLineEdit* TCPUDPDstPortMaskEdit;
    QComboBox* TCPFlagBitOptionComBo;
    QLineEdit* TCPFlagBitMaskEdit;
    QComboBox* ProOptionComBo;
    QLineEdit* ProtoIDEdit;
    QLineEdit* ProIDMaskEdit;
    QComboBox* RowStatusComBo;  // hidden
    QComboBox* OwnerComboBox;
    QLineEdit* SrcMacAddrMaskEdit;
    QLineEdit* EntriesEdit;
    KySNMPRequest2Edits* Binder = nullptr;

    void BT_GetClick();
    void BT_AddClick();
    void BT_DeleteClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    bool Validate();
    TIPMaskChoice Choice() const;
};
