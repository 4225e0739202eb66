#include "Oid_lacp.h"

#include "OptionVocabularies.h"

constinit const KySNMPVarDesc AggregatorTableVars[] = {
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.2", "MAC Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.3", "Actor System Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.4", "Actor System ID", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.5", "Aggregate Or Individual", sxInteger, afReadOnly, &TruthValue},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.6", "Actor Administration value Key", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.7", "Actor Operational Value Key", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.8", "Partner System ID", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.9", "Partner System Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.10", "Partner Operational Value Key", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.11", "Collector Max Delay", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AggregatorPortListVars[] = {
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.2.1.1", "Ports                ", sxBitStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AggregatorPortTableVars[] = {
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.2", "Actor System Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.3", "Actor System ID", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.4", "Actor Administration Key", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.5", "Actor Operation Key", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.6", "Partner Administration System Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.7", "Partner Operation System Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.8", "Partner Administration System ID", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.9", "Partner Operation System ID", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.10", "Partner Administration Key", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.11", "Partner Operation Key", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.12", "Selected Aggregate ID", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.13", "Attached Aggregate ID", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.14", "Actor Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.15", "Actor Port Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.16", "Partner Administration Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.17", "Partner Operation Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.18", "Partner Administration Port Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.19", "Partner Operation Port Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.20", "Actor Administration State", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.21", "Actor Operation State", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.22", "Partner Administration State", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.23", "Partner Operation State", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.24", "Aggregate Or Individual", sxInteger, afReadOnly, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};
