#pragma once

#include "KySNMPVarDesc.h"

// The PoE LED mode of the TRV-5124E front panel: whether the port LEDs show power delivery instead of link.
// Ends with a row whose Oid is null.
//
// The switch's published objects hold no such variable; this OID, its syntax and its two values are this
// program's assumption, served by the simulator. Kept out of the table registry, which lists the published
// tables only.
extern const KySNMPVarDesc PoeLedModeVars[];
