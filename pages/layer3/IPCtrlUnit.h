#pragma once

#include "DedicatedPage.h"

class QTreeWidget;
class TIPCtrlEdtForm;

// "IP Control Table": the IP interfaces with their addresses, VLANs and IPv4/IPv6 settings; added and
// edited through TIPCtrlEdtForm, which writes through this page's binder.
class TIpCtrlForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TIpCtrlForm(QWidget* owner);

    // Positions of the page's variable list.
    enum Column {
        InterfaceName, Index, IPAddress, SubnetMask, VlanName, Secondary, Mode, AdminState, Ipv6LinkLocalAddress,
        Ipv6LinkLocalPrefix, State, ProxyArp, LocalProxyArp, Ipv6AutoState, Dhcpv6ClientState, DirectedBroadcast
    };

    QTreeWidget* ListView1;
    TIPCtrlEdtForm* IPCtrlEdtForm = nullptr;
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
    bool CanDelete();
};
