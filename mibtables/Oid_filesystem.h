#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of file system drives, directories, files, copy control (.12.14); remote copy file
// tables (.12.82).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc DriveInformationVars[];
extern const KySNMPVarDesc DriveChangeControlVars[];
extern const KySNMPVarDesc DriveInformationStackVars[];
extern const KySNMPVarDesc DirectoryInformationVars[];
extern const KySNMPVarDesc FileRenameVars[];
extern const KySNMPVarDesc FileDeleteVars[];
extern const KySNMPVarDesc CopyControlVars[];
extern const KySNMPVarDesc RCPFileTableVars[];
extern const KySNMPVarDesc RCPFileSystemTableVars[];
extern const KySNMPVarDesc ServerConfigurationTableVars[];
