#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem RowStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {0, nullptr},
};

constexpr KyOptionItem ActiveCreateDestroyItems[] = {
    {1, "active"},
    {4, "createAndGo"},
    {6, "destroy"},
    {0, nullptr},
};

constexpr KyOptionItem TruthValueItems[] = {
    {1, "true"},
    {2, "false"},
    {0, nullptr},
};

constexpr KyOptionItem StorageTypeItems[] = {
    {1, "other"},
    {2, "volatile"},
    {3, "nonVolatile"},
    {4, "permanent"},
    {5, "readOnly"},
    {0, nullptr},
};

constexpr KyOptionItem EnabledDisabledItems[] = {
    {1, "enabled"},
    {2, "disabled"},
    {0, nullptr},
};

constexpr KyOptionItem DisabledEnabledItems[] = {
    {2, "disabled"},
    {3, "enabled"},
    {0, nullptr},
};

constexpr KyOptionItem OtherDisabledEnabledItems[] = {
    {1, "other"},
    {2, "disabled"},
    {3, "enabled"},
    {0, nullptr},
};

constexpr KyOptionItem EnableDisableItems[] = {
    {1, "enable"},
    {2, "disable"},
    {0, nullptr},
};

constexpr KyOptionItem OtherStartItems[] = {
    {1, "other"},
    {2, "start"},
    {0, nullptr},
};

constexpr KyOptionItem NoneStartItems[] = {
    {1, "none"},
    {2, "start"},
    {0, nullptr},
};

constexpr KyOptionItem DenyPermitItems[] = {
    {1, "deny"},
    {2, "permit"},
    {0, nullptr},
};

constexpr KyOptionItem ServerProtocolItems[] = {
    {1, "tacacs"},
    {2, "xtacacs"},
    {3, "tacacs-plus"},
    {4, "radius"},
    {5, "none"},
    {6, "other"},
    {0, nullptr},
};

constexpr KyOptionItem FilterOwnerItems[] = {
    {1, "any"},
    {2, "acl"},
    {3, "ipbind"},
    {4, "other"},
    {5, "dhcp"},
    {6, "netbios"},
    {7, "ext-netbios"},
    {8, "ismvlan"},
    {9, "dhcp-relay"},
    {13, "ypax-upserver"},
    {14, "ypax-authentication"},
    {0, nullptr},
};

} // namespace

constinit const KyOptionList RowStatus{RowStatusItems};
constinit const KyOptionList ActiveCreateDestroy{ActiveCreateDestroyItems};
constinit const KyOptionList TruthValue{TruthValueItems};
constinit const KyOptionList StorageType{StorageTypeItems};
constinit const KyOptionList EnabledDisabled{EnabledDisabledItems};
constinit const KyOptionList DisabledEnabled{DisabledEnabledItems};
constinit const KyOptionList OtherDisabledEnabled{OtherDisabledEnabledItems};
constinit const KyOptionList EnableDisable{EnableDisableItems};
constinit const KyOptionList OtherStart{OtherStartItems};
constinit const KyOptionList NoneStart{NoneStartItems};
constinit const KyOptionList DenyPermit{DenyPermitItems};
constinit const KyOptionList ServerProtocol{ServerProtocolItems};
constinit const KyOptionList FilterOwner{FilterOwnerItems};
