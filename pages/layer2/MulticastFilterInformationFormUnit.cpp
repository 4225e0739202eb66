#include "MulticastFilterInformationFormUnit.h"

#include "Oid_qbridge.h"

namespace {

enum Column { Vlan, Mac, ReceivePort, Ports, Status };
constexpr int InvalidItem = 1;

const TStaticFilterLayout MulticastLayout{.Width = 659,
                                 .Height = 449,
                                 .Table = Dot1qStaticMulticastVars,
                                 .KeyCount = 3,
                                 .ReceivePortColumn = ReceivePort,
                              .PortsColumn = Ports,
                                 .StatusColumn = Status,
                                 .ListName = "LV_dot1qStaticMulticastEntry",
                                 .VlanEditName = "ED_MulticastVID",
                                 .MacEditName = "ED_MACAddress",
                                 .MacCaption = "MAC Address",
                                 .StatusName = "Status",
                                 .StatusShown = true,
                                 .TabsName = "PageControl1",
                                 .TabCaption = "Egress Ports",
                                 .AddName = "AddBtn",
                                 .AddCaption = "Add",
                                 .SetName = "SetBtn",
                                 .SetBeforeAdd = false,
                                 .DeleteName = "btnDelete",
                                 .CloseName = "btnClose",
                                 .CounterCaptioned = false,
                                 .KeysText = "Please input VLAN ID and MAC Address!",
                                 .StatusText = "Status should be set to permanent",
                                 .AddStatusItem = -1,
                                 .AddSendsPorts = true,
                                 .SetSendsStatus = false,
                                 .DeleteStatusItem = InvalidItem,
                                 .DeleteSendsPorts = true};

}  // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(QWidget* owner) : TStaticFilterPage(owner, MulticastLayout) {
    setWindowTitle(QStringLiteral("802.1Q Multicast Filter Information Table"));
    LV_dot1qStaticMulticastEntry = FilterList;
    ED_MulticastVID = VlanEdit;
    ED_MACAddress = MacEdit;
    Status = StatusCombo;
}
