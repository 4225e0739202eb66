#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of protocol VLAN (.12.16).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc ProtocolVlanVars[];
