#include "Oid_filesystem.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem DriveInformationVars_MediaIDItems[] = {
    {0, "a"},
    {1, "b"},
    {2, "c"},
    {3, "d"},
    {4, "e"},
    {5, "f"},
    {0, nullptr},
};
constinit const KyOptionList DriveInformationVars_MediaID{DriveInformationVars_MediaIDItems};

constexpr KyOptionItem DriveChangeControlVars_DriveChangeDriveIDItems[] = {
    {1, "none"},
    {2, "a"},
    {3, "b"},
    {4, "c"},
    {5, "d"},
    {6, "e"},
    {7, "f"},
    {8, "g"},
    {9, "h"},
    {10, "i"},
    {11, "j"},
    {12, "k"},
    {13, "l"},
    {14, "m"},
    {15, "n"},
    {16, "o"},
    {17, "p"},
    {18, "q"},
    {19, "r"},
    {20, "s"},
    {21, "t"},
    {22, "u"},
    {23, "v"},
    {24, "w"},
    {25, "x"},
    {26, "y"},
    {27, "z"},
    {0, nullptr},
};
constinit const KyOptionList DriveChangeControlVars_DriveChangeDriveID{DriveChangeControlVars_DriveChangeDriveIDItems};

constexpr KyOptionItem DriveInformationStackVars_DriveIDItems[] = {
    {1, "a"},
    {2, "b"},
    {3, "c"},
    {4, "d"},
    {5, "e"},
    {6, "f"},
    {7, "g"},
    {8, "h"},
    {9, "i"},
    {10, "j"},
    {11, "k"},
    {12, "l"},
    {13, "m"},
    {14, "n"},
    {15, "o"},
    {16, "p"},
    {17, "q"},
    {18, "r"},
    {19, "s"},
    {20, "t"},
    {21, "u"},
    {22, "v"},
    {23, "w"},
    {24, "x"},
    {25, "y"},
    {26, "z"},
    {0, nullptr},
};
constinit const KyOptionList DriveInformationStackVars_DriveID{DriveInformationStackVars_DriveIDItems};

constexpr KyOptionItem DirectoryInformationVars_AttributeItems[] = {
    {1, "dir"},
    {2, "file"},
    {0, nullptr},
};
constinit const KyOptionList DirectoryInformationVars_Attribute{DirectoryInformationVars_AttributeItems};

constexpr KyOptionItem RCPFileTableVars_LoadTypeItems[] = {
    {1, "other"},
    {2, "upload"},
    {3, "download"},
    {0, nullptr},
};
constinit const KyOptionList RCPFileTableVars_LoadType{RCPFileTableVars_LoadTypeItems};

constexpr KyOptionItem RCPFileTableVars_ServerAddressTypeItems[] = {
    {0, "unknown"},
    {1, "ipv4"},
    {0, nullptr},
};
constinit const KyOptionList RCPFileTableVars_ServerAddressType{RCPFileTableVars_ServerAddressTypeItems};

} // namespace

constinit const KySNMPVarDesc DriveInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.14.2.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.2", "Media ID", sxInteger, afReadOnly, &DriveInformationVars_MediaID},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.3", "Type", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.4", "Size", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.5", "Partition", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.6", "Type", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DriveChangeControlVars[] = {
    {"1.3.6.1.4.1.32473.12.14.2.3.1", "Unit ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.3.2", "Drive Change Drive ID", sxInteger, afReadWrite, &DriveChangeControlVars_DriveChangeDriveID},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DriveInformationStackVars[] = {
    {"1.3.6.1.4.1.32473.12.14.2.4.1.1", "Unit ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.4.1.2", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.4.1.3", "Drive ID", sxInteger, afReadOnly, &DriveInformationStackVars_DriveID},
    {"1.3.6.1.4.1.32473.12.14.2.4.1.4", "Type", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.4.1.5", "Size", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.4.1.6", "Partition", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.4.1.7", "Type", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DirectoryInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.1", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.2", "Attribute", sxInteger, afReadOnly, &DirectoryInformationVars_Attribute},
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.3", "Time", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.4", "Size", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FileRenameVars[] = {
    {"1.3.6.1.4.1.32473.12.14.4.1.1", "Source Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.14.4.1.2", "Target Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.14.4.1.3", "Rename Activity", sxInteger, afReadWrite, &NoneStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FileDeleteVars[] = {
    {"1.3.6.1.4.1.32473.12.14.4.2.1", "Delete Name", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CopyControlVars[] = {
    {"1.3.6.1.4.1.32473.12.14.5.1", "Source Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.14.5.2", "Destination Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.14.5.3", "Activity", sxInteger, afReadWrite, &NoneStart},
    {"1.3.6.1.4.1.32473.12.14.5.4", "Destination Unit ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.14.5.5", "Destination Drive ID", sxInteger, afReadWrite, &DriveChangeControlVars_DriveChangeDriveID},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RCPFileTableVars[] = {
    {"1.3.6.1.4.1.32473.12.82.1.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.2", "Load Type", sxInteger, afReadWrite, &RCPFileTableVars_LoadType},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.3", "Type", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.4", "Server User Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.5", "Server Address Type", sxInteger, afReadWrite, &RCPFileTableVars_ServerAddressType},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.6", "Server Address", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.7", "Server Path File Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.8", "Unit ID", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.9", "Control ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.12", "Control", sxInteger, afReadWrite, &OtherStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RCPFileSystemTableVars[] = {
    {"1.3.6.1.4.1.32473.12.82.1.2.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.2", "Load Type", sxInteger, afReadWrite, &RCPFileTableVars_LoadType},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.3", "File Type", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.4", "Server User Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.5", "Server Address Type", sxInteger, afReadWrite, &RCPFileTableVars_ServerAddressType},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.6", "Server Address", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.7", "Server Path File Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.8", "Device Path File Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.9", "Unit ID", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.10", "Boot Up Image", sxInteger, afReadWrite, &TruthValue},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.12", "Control", sxInteger, afReadWrite, &OtherStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ServerConfigurationTableVars[] = {
    {"1.3.6.1.4.1.32473.12.82.1.3.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.3.1.2", "Address Type", sxInteger, afReadWrite, &RCPFileTableVars_ServerAddressType},
    {"1.3.6.1.4.1.32473.12.82.1.3.1.3", "Address", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.3.1.4", "User Name", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};
