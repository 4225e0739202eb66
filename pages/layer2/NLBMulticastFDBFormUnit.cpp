#include "NLBMulticastFDBFormUnit.h"

#include "Oid_device.h"

namespace {

enum Column { Vlan, Mac, Ports, RowStatus };
constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;

const TStaticFilterLayout NlbLayout{.Width = 660,
                                 .Height = 432,
                                 .Table = NlbMulticastFdbVars,
                                 .KeyCount = 2,
                                 .ReceivePortColumn = -1,
                              .PortsColumn = Ports,
                                 .StatusColumn = RowStatus,
                                 .ListName = "LV_dot1qStaticUnicastEntry",
                                 .VlanEditName = "ED_UnicastVID",
                                 .MacEditName = "UnicastAddress",
                                 .MacCaption = "MAC  Address",
                                 .StatusName = "UStatus",
                                 .StatusShown = false,
                                 .TabsName = "pgc1",
                                 .TabCaption = "Egress Ports",
                                 .AddName = "AddBtn",
                                 .AddCaption = "Add",
                                 .SetName = "SetBtn",
                                 .SetBeforeAdd = true,
                                 .DeleteName = "DeleteBtn",
                                 .CloseName = "CloseButton",
                                 .CounterCaptioned = true,
                                 .KeysText = "Please Input VLAN ID and MAC Address!",
                                 .StatusText = nullptr,
                                 .AddStatusItem = CreateAndGoItem,
                                 .AddSendsPorts = false,
                                 .SetSendsStatus = true,
                                 .DeleteStatusItem = DestroyItem,
                                 .DeleteSendsPorts = false};

}  // namespace

TNLBUnicastFDBForm::TNLBUnicastFDBForm(QWidget* owner) : TStaticFilterPage(owner, NlbLayout) {
    setWindowTitle(QStringLiteral("NLB Multicast FDB Settings"));
    LV_dot1qStaticUnicastEntry = FilterList;
    ED_UnicastVID = VlanEdit;
    UnicastAddress = MacEdit;
    UStatus = StatusCombo;
}
