#include "IGMPForwordingUnit.h"

#include "Oid_device.h"

namespace {

// In the instance the group comes before the source, although the table lists the source's column first.
enum Column { Vlan, Group, Source, PortMember };

const TPortListViewerLayout ForwardingLayout = {.Width = 696,
                                                .Height = 432,
                                                .Table = IgmpForwardingVars,
                                                .ItemType = MVT_FMV,
                                                .KeyCount = 3,
                                                .ListName = "ListView1",
                                                .CounterName = "StaticText1",
                                                .Selectors = {{"Static Ports", PortMember}},
                                                .Writable = false,
                                                .Guarded = true,
                                                .KeyTextName = "stVlanID",
                                                .Details = {{"stGroupAddr", "Group Address", Group},
                                                            {"stSRCIP", "Source IP", Source}}};

}  // namespace

TIGMPForwordingForm::TIGMPForwordingForm(QWidget* owner) : TPortListViewer(owner, ForwardingLayout) {
    setWindowTitle(QStringLiteral("IGMP Snooping Forwording Table"));
    ListView1 = PortLists;
}
