#include "MLD_SnoopingRouterPortsUnit.h"

#include "RouterPortsLayout.h"

namespace {

const TPortListViewerLayout MldLayout = RouterPortsLayout(720, 472, MldRouterPortVars, true);

}  // namespace

TMLD_SnoopingRouterPortsForm::TMLD_SnoopingRouterPortsForm(QWidget* owner) : TPortListViewer(owner, MldLayout) {
    setWindowTitle(QStringLiteral("MLD Snooping Router Ports"));
    ListView1 = PortLists;
}
