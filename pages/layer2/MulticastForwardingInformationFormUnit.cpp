#include "MulticastForwardingInformationFormUnit.h"

#include "Oid_qbridge.h"

namespace {

enum Column { Vlan, AllPorts, StaticPorts, ForbiddenPorts };

const TPortListViewerLayout ForwardAllLayout{
    .Width = 696,
    .Height = 514,
    .Table = Dot1qForwardAllVars,
    .ItemType = MVT_FMV,
    .KeyCount = 1,
    .ListName = "LV_dot1qForwardUnregisteredEntry",
    .CounterName = "ST_Count",
    .Selectors = {{"Forward Ports", AllPorts}, {"Static Ports", StaticPorts}, {"Forbidden Ports", ForbiddenPorts}},
    .Writable = true};

}  // namespace

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(QWidget* owner)
    : TPortListViewer(owner, ForwardAllLayout) {
    setWindowTitle(QStringLiteral("Multicast Forwarding Information"));
    LV_dot1qForwardUnregisteredEntry = PortLists;
}
