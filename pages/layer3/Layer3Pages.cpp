#include "Layer3Pages.h"

#include "ARPIPV6ControlFormUnit.h"
#include "BOOTCtrlTableFormUnit.h"
#include "DHCPPoolUnit.h"
#include "DNSCtrlFormUnit.h"
#include "DedicatedPage.h"
#include "ECMPManagementFormUnit.h"
#include "IPCtrlUnit.h"
#include "IpStaticRouteUnit.h"
#include "Ipv6StaticRouteUnit.h"

void RegisterLayer3Pages() {
    RegisterPage<TIpCtrlForm>("TIpCtrlForm");
    RegisterPage<TIpStaticRouteForm>("TIpStaticRouteForm");
    RegisterPage<TIpv6StaticRouteForm>("TIpv6StaticRouteForm");
    RegisterPage<TARPIPV6ControlForm>("TARPIPV6ControlForm");
    RegisterPage<TBOOTCtrlTableForm>("TBOOTCtrlTableForm");
    RegisterPage<TDHCPPoolForm>("TDHCPPoolForm");
    RegisterPage<TDNSCtrlForm>("TDNSCtrlForm");
    RegisterPage<TECMPManagementForm>("TECMPManagementForm");
}
