#include "IGMPSnoopingGroupUnit.h"

#include "GroupTableLayout.h"

namespace {

const TPortListViewerLayout IgmpLayout = GroupTableLayout(644, 373, IgmpSnoopingGroupVars,
                                                          {"stGroupIP", "Group IP Address", 0},
                                                          {"stSourceIP", "Source IP Address", 0}, true);

}  // namespace

TIGMPSnoopingGroupForm::TIGMPSnoopingGroupForm(QWidget* owner) : TPortListViewer(owner, IgmpLayout) {
    setWindowTitle(QStringLiteral("IGMP Snooping Group Table"));
    ListView1 = PortLists;
}
