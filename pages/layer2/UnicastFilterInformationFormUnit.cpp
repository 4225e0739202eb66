#include "UnicastFilterInformationFormUnit.h"

#include "Oid_qbridge.h"

namespace {

enum Column { Vlan, Mac, ReceivePort, Ports, Status };
constexpr int InvalidItem = 1;

const TStaticFilterLayout UnicastLayout{.Width = 695,
                                 .Height = 479,
                                 .Table = Dot1qStaticUnicastVars,
                                 .KeyCount = 3,
                                 .ReceivePortColumn = ReceivePort,
                              .PortsColumn = Ports,
                                 .StatusColumn = Status,
                                 .ListName = "LV_dot1qStaticUnicastEntry",
                                 .VlanEditName = "ED_UnicastVID",
                                 .MacEditName = "UnicastAddress",
                                 .MacCaption = "MAC  Address",
                                 .StatusName = "UStatus",
                                 .StatusShown = true,
                                 .TabsName = "PageControl1",
                                 .TabCaption = "Allow To Go To Ports",
                                 .AddName = "SetBtn",
                                 .AddCaption = "Add",
                                 .SetName = nullptr,
                                 .SetBeforeAdd = false,
                                 .DeleteName = "DeleteBtn",
                                 .CloseName = "btnClose",
                                 .CounterCaptioned = false,
                                 .KeysText = "Please input VLAN ID and MAC Address!",
                                 .StatusText = "Status Should be permanent",
                                 .AddStatusItem = -1,
                                 .AddSendsPorts = true,
                                 .SetSendsStatus = true,
                                 .DeleteStatusItem = InvalidItem,
                                 .DeleteSendsPorts = false};

}  // namespace

TUnicastFilterInformationForm::TUnicastFilterInformationForm(QWidget* owner) : TStaticFilterPage(owner, UnicastLayout) {
    setWindowTitle(QStringLiteral("802.1Q Unicast Filter Information Table"));
    LV_dot1qStaticUnicastEntry = FilterList;
    ED_UnicastVID = VlanEdit;
    UnicastAddress = MacEdit;
    UStatus = StatusCombo;
}
