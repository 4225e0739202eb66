#include "MLD_SnoopingGroupUnit.h"

#include "GroupTableLayout.h"

namespace {

const TPortListViewerLayout MldLayout = GroupTableLayout(678, 437, MldSnoopingGroupVars,
                                                         {"edtIPAddress", "Group Address", 0},
                                                         {"edtMAC", "Source Address", 0}, false);

}  // namespace

TMLD_SnoopingGroupForm::TMLD_SnoopingGroupForm(QWidget* owner) : TPortListViewer(owner, MldLayout) {
    setWindowTitle(QStringLiteral("MLD Snooping Group Table"));
    ListView1 = PortLists;
}
