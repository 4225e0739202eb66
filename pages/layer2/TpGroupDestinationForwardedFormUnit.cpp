#include "TpGroupDestinationForwardedFormUnit.h"

#include "Oid_qbridge.h"

namespace {

enum Column { Vlan, GroupAddress, EgressPorts, GmrpPorts };

const TPortListViewerLayout TpGroupLayout{.Width = 696,
                                          .Height = 460,
                                          .Table = Dot1qTpGroupVars,
                                          .ItemType = MVT_UMV,
                                          .KeyCount = 2,
                                          .ListName = "LV_dot1qTpGroupEntry",
                                          .CounterName = "StaticText1",
                                          .Selectors = {{"Egress Ports", EgressPorts}, {"GMRP Learning Ports", GmrpPorts}},
                                          .Writable = false};

}  // namespace

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(QWidget* owner) : TPortListViewer(owner, TpGroupLayout) {
    setWindowTitle(QStringLiteral("Tp Group Destination Forwarded"));
    LV_dot1qTpGroupEntry = PortLists;
}
