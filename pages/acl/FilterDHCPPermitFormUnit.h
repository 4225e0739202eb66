#pragma once

#include "AclTablePage.h"

class QComboBox;
class QLineEdit;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// "Permit  Table" of the DHCP server screening: per DHCP server address and client MAC address, the
// ports where the server's packets to that client pass.
class TFilterDHCPPermitForm : public TAclTablePage {
    Q_OBJECT

public:
    explicit TFilterDHCPPermitForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLineEdit* edtIpAddr;
    QLineEdit* edtMacAddr;
    QTabWidget* PageControl1;
    QComboBox* ComboStatus;  // hidden: the row status of a write
    TStackingPortUitForm* PortSelector = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;

    void btnGetClick();
    void btnAddClick();
    void btnEditClick();
    void btnDeleteClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    bool CheckInputs(const QString& portText);
    void Write(const std::vector<int>& excluded, int rowStatusItem);
};
