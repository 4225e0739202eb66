#pragma once

#include "Oid_device.h"
#include "Oid_mld.h"
#include "PortListViewer.h"

// The snooping group twins: per VLAN, group and source (in this order in the instance) the include and
// exclude port maps, only shown; the group's caption goes with the group. Unguarded, the binder reports
// a failed read itself on the status line.
inline TPortListViewerLayout GroupTableLayout(int width, int height, const KySNMPVarDesc* table,
                                              TPortListViewerLayout::TDetailText group,
                                              TPortListViewerLayout::TDetailText source, bool guarded) {
    enum Column { Vlan, Group, Source, IncludePorts, ExcludePorts };
    group.Column = Group;
    source.Column = Source;
    return {.Width = width,
            .Height = height,
            .Table = table,
            .ItemType = MVT_FMV,
            .KeyCount = 3,
            .ListName = "ListView1",
            .CounterName = "StaticText1",
            .Selectors = {{"Include Member Ports", IncludePorts}, {"Exclude Member Ports", ExcludePorts}},
            .Writable = false,
            .Guarded = guarded,
            .Details = {group, source}};
}
