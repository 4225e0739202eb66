#include "IGMPRouterPortsUnit.h"

#include "RouterPortsLayout.h"

namespace {

const TPortListViewerLayout IgmpLayout = RouterPortsLayout(720, 496, IgmpRouterPortVars, false);

}  // namespace

TIGMPRouterPortsForm::TIGMPRouterPortsForm(QWidget* owner) : TPortListViewer(owner, IgmpLayout) {
    setWindowTitle(QStringLiteral("IGMP Snooping Router Ports"));
    ListView1 = PortLists;
}
