#include "Oid_timerange.h"

#include "OptionVocabularies.h"

constinit const KySNMPVarDesc TimeRangeVars[] = {
    {"1.3.6.1.4.1.32473.12.50.3.1.1.1", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.2", "Select Days", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.3", "Start Time", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.4", "End Time", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.5", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};
