#pragma once

#include "DedicatedPage.h"

class QTreeWidget;
class TDHCPPoolEdtForm;

// "DHCP Pool Table": the DHCP server's address pools; a pool is created from its name and its fields
// set with Edit, both through TDHCPPoolEdtForm.
class TDHCPPoolForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TDHCPPoolForm(QWidget* owner);

    enum Column {
        Name, NetworkAddress, NetworkMask, DomainName, NetBIOSNodeType, LeaseState, LeaseDay, LeaseHour,
        LeaseMinute, BootFile, NextServer, Status
    };

    QTreeWidget* ListView1;
    TDHCPPoolEdtForm* DHCPPoolEdtForm = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;

    void btnRefreshClick();
    void btnAddClick();
    void btnEditClick();
    void btnDelClick();

protected:
    void ReadEnded(const KySNMPError&) override;

private:
    void BuildLayout();
    void FormCreate();
    void ListView1SelectItem();
};
