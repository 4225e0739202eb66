#pragma once

#include "Oid_device.h"
#include "Oid_mld.h"
#include "PortListViewer.h"

// The snooping router port twins: static and forbidden router ports written per VLAN, the learnt ones
// only shown.
inline TPortListViewerLayout RouterPortsLayout(int width, int height, const KySNMPVarDesc* table, bool refuseClose) {
    enum Column { Vlan, StaticPorts, DynamicPorts, ForbiddenPorts };
    return {.Width = width,
            .Height = height,
            .Table = table,
            .ItemType = MVT_FMV,
            .KeyCount = 1,
            .ListName = "ListView1",
            .CounterName = "StaticText1",
            .Selectors = {{"Static Ports", StaticPorts}, {"Forbidden Ports", ForbiddenPorts}, {"Dynamic Ports", DynamicPorts}},
            .Writable = true,
            .Guarded = true,
            .RefuseCloseWhileReading = refuseClose,
            .KeyTextName = "stVlanID"};
}
