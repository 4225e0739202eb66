#pragma once

#include "PageEditDialog.h"

#include <QString>

#include <vector>

class KySNMPRequest2Edits;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidgetItem;
class TIpCtrlForm;

// "IP Control Edit": adds an IP interface or changes the ticked fields of one, through the IP interface
// page's binder. Its rules keep the interface list consistent: unique names, a unicast address, a
// contiguous mask, one network per interface, one primary interface per VLAN and up to 64 in all.
class TIPCtrlEdtForm : public TPageEditDialog {
    Q_OBJECT

public:
    explicit TIPCtrlEdtForm(TDedicatedPage& page);

    // Binds the controls to the page's binder in the positions of its list.
    void Bind(KySNMPRequest2Edits& binder);

    QLineEdit* edtInterface;
    QLineEdit* edtIndex;
    QLineEdit* edtIPAddr;
    QLineEdit* edtMask;
    QLineEdit* edtVlan;
    QComboBox* cbxMode;
    QComboBox* cbxAdmin;
    QLineEdit* edtIpv6Addr;
    QLineEdit* edtIPv6Prefix;
    QComboBox* cbxSecondary;
    QComboBox* ProxyARPComboBox;
    QComboBox* ProxyARPStateComboBox;
    QComboBox* cbxAutoState;
    QComboBox* ClientStatecbx;
    QComboBox* DirectedBroadcastStateCBX;
    QComboBox* cbxState;  // hidden: the row status

    QCheckBox* InterfaceNameCheckBox;
    QCheckBox* IPAddressCheckBox;
    QCheckBox* SubnetMaskCheckBox;
    QCheckBox* VLANNameCheckBox;
    QCheckBox* ModeCheckBox;
    QCheckBox* AdminStateCheckBox;
    QCheckBox* SecondaryCheckBox;
    QCheckBox* ProxyARPCheckBox;
    QCheckBox* LocalProxyArpCheckBox;
    QCheckBox* ipV6LKAutoStateCheckBox;
    QCheckBox* DHCPv6CheckBox;
    QCheckBox* DirectedBroadcastStateCheckBox;
    QCheckBox* StateCheckBox;  // hidden

    QPushButton* btnSet;
    QPushButton* CheckButton;
    QPushButton* UncheckButton;
    QPushButton* btnClose;

    void PrepareAdd() override;
    void PrepareEdit() override;
    void btnSetClick();
    void CheckButtonClick();
    void UncheckButtonClick();
    void cbxSecondaryChange();

    // The rules, public for the table of cases that guards them.
    static bool IsValidIPv4(const QString& text);
    static bool IsValidMask(const QString& text);
    static QString NetworkOf(const QString& address, const QString& mask);

private:
    struct Field {
        QCheckBox* Box;
        int Position;
    };

    void BuildLayout();
    TIpCtrlForm& IpCtrlForm() const;
    // The rows of the page but the one being edited.
    std::vector<QTreeWidgetItem*> OtherRows() const;
    bool Refuse(const QString& text);
    bool CheckAddressAndMask();
    bool CheckSameNetwork();
    bool CheckInterfaceName();
    bool CheckVlanAndSecondary();
    bool CheckCombos();
    bool ValidateAdd();
    bool ValidateEdit();
    void ApplySet();
    bool SecondarySelected() const;

    std::vector<Field> Fields;  // every check box with the position it sends
};
