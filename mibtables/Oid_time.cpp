#include "Oid_time.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem SummerTimeVars_SummerTimeStatusItems[] = {
    {0, "disable"},
    {1, "repeating"},
    {2, "annual"},
    {0, nullptr},
};
constinit const KyOptionList SummerTimeVars_SummerTimeStatus{SummerTimeVars_SummerTimeStatusItems};

constexpr KyOptionItem NetworkTimeVars_TimeSourceItems[] = {
    {0, "system"},
    {1, "server1"},
    {2, "server2"},
    {0, nullptr},
};
constinit const KyOptionList NetworkTimeVars_TimeSource{NetworkTimeVars_TimeSourceItems};

} // namespace

constinit const KySNMPVarDesc CurrentTimeVars[] = {
    {"1.3.6.1.4.1.32473.12.10.1", "Time Capacity", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", sxDateTime, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.3", "Clock Reset On Reboot", sxInteger, afReadOnly, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SystemTimeVars[] = {
    {"1.3.6.1.4.1.32473.12.10.10.1", "Current Time", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.10.10.2", "System UpTime", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.10.10.3", "System BootTime", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.10.10.4", "System Time Zone [ -779..839]", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SummerTimeVars[] = {
    {"1.3.6.1.4.1.32473.12.10.12.1", "Summer Time Status", sxInteger, afReadWrite, &SummerTimeVars_SummerTimeStatus},
    {"1.3.6.1.4.1.32473.12.10.12.2", "Summer Time Offset", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.12.3", "Repeat Summer Time Start", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.12.4", "Repeat Summer Time End", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.12.5", "Annual Summer Time Start", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.12.6", "Annual Summer Time End", sxOctetStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc NetworkTimeVars[] = {
    {"1.3.6.1.4.1.32473.12.10.11.1", "Network Time State", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.10.11.2", "Time Source", sxInteger, afReadOnly, &NetworkTimeVars_TimeSource},
    {"1.3.6.1.4.1.32473.12.10.11.3", "Server1 IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.11.4", "Server2 IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.11.5", "Poll Interval[30....99999(sec)]", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};
