// The published figures of the variable tables: sizes per table, section and module, the syntax and access
// histograms and the use counts of the shared value lists. A dropped, doubled or mis-coded row shows here.
#include "DeclaredTableSizes.h"
#include "MibTableRegistry.h"
#include "MibTables.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

int rowCount(const KySNMPVarDesc* table) {
    int n = 0;
    while (table[n].Oid) ++n;
    return n;
}

template <class F> void forEachRow(F f) {
    for (const MibTableEntry& e : mibTables())
        for (const KySNMPVarDesc* row = e.Table; row->Oid; ++row) f(e, *row);
}

struct Tally {
    int Tables = 0;
    int Variables = 0;
};

std::string itemsText(const KyOptionList& list) {
    std::string text;
    for (int i = 0; i < list.GetCount(); ++i) {
        const KyOptionItem& item = list.GetItem(i);
        if (i) text += ", ";
        text += std::to_string(item.Value) + " " + item.Label;
    }
    return text;
}

} // namespace

TEST(MibTableFigures, EveryTableHoldsItsDeclaredNumberOfVariables) {
    std::map<std::string, const KySNMPVarDesc*> byName;
    for (const MibTableEntry& e : mibTables())
        EXPECT_TRUE(byName.emplace(e.Name, e.Table).second) << "table registered twice: " << e.Name;

    for (const DeclaredTableSize& d : DeclaredTableSizes) {
        SCOPED_TRACE(d.Name);
        auto it = byName.find(d.Name);
        ASSERT_NE(it, byName.end());
        EXPECT_EQ(rowCount(it->second), d.Variables);
    }
    EXPECT_EQ(byName.size(), std::size(DeclaredTableSizes));
}

TEST(MibTableFigures, AllTablesTogetherHold452TablesWith2634Variables) {
    int variables = 0;
    forEachRow([&](const MibTableEntry&, const KySNMPVarDesc&) { ++variables; });
    EXPECT_EQ(mibTables().size(), 452u);
    EXPECT_EQ(variables, 2634);
}

TEST(MibTableFigures, TablesAndVariablesPerSection) {
    struct Case {
        const char* Section;
        int Tables;
        int Variables;
    };
    const Case cases[] = {
        {"Device tables: agent, log and spanning tree", 40, 187},
        {"Device tables: ports, QoS and multicast", 52, 232},
        {"Device tables: layer-2 features and standard MIB rows", 37, 194},
        {"ACL tables", 28, 311},
        {"Security tables", 39, 240},
        {"Routing tables", 40, 213},
        {"LLDP tables", 34, 161},
        {"802.1X and MAC-based access tables", 34, 193},
        {"OSPFv3 tables", 12, 137},
        {"VLAN and bridge priority tables", 30, 122},
        {"System service tables", 40, 214},
        {"DHCP server, multicast, diagnostic and aggregation tables", 41, 272},
        {"SNMP management and AAA client tables", 25, 158},
    };
    std::map<std::string, Tally> seen;
    for (const MibTableEntry& e : mibTables()) {
        Tally& t = seen[e.Section];
        ++t.Tables;
        t.Variables += rowCount(e.Table);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Section);
        EXPECT_EQ(seen[c.Section].Tables, c.Tables);
        EXPECT_EQ(seen[c.Section].Variables, c.Variables);
    }
    EXPECT_EQ(seen.size(), std::size(cases));
}

TEST(MibTableFigures, TablesAndVariablesPerModule) {
    struct Case {
        const char* Module;
        int Tables;
        int Variables;
    };
    const Case cases[] = {
        {"Oid_filesystem", 10, 53},  {"Oid_acl", 28, 311},         {"Oid_dhcpserver", 8, 42},
        {"Oid_dhcpv6server", 7, 29}, {"Oid_dot1x", 24, 123},       {"Oid_stacking", 10, 67},
        {"Oid_time", 4, 18},         {"Oid_dnsresolver", 5, 18},   {"Oid_doublevlan", 2, 9},
        {"Oid_dot1xpae", 10, 70},    {"Oid_lacp", 3, 37},          {"Oid_routing", 40, 213},
        {"Oid_lldp", 34, 161},       {"Oid_mld", 6, 37},           {"Oid_ospfv3", 12, 137},
        {"Oid_pim", 9, 30},          {"Oid_ping", 8, 97},          {"Oid_protocolvlan", 1, 7},
        {"Oid_radiusacct", 2, 15},   {"Oid_radiusauth", 5, 25},    {"Oid_security", 39, 240},
        {"Oid_sflow", 4, 22},        {"Oid_singleip", 7, 36},      {"Oid_subnetvlan", 3, 12},
        {"Oid_supervlan", 3, 19},    {"Oid_snmptarget", 8, 45},    {"Oid_timerange", 1, 5},
        {"Oid_usm", 2, 19},          {"Oid_vacm", 3, 21},          {"Oid_webauth", 4, 28},
        {"Oid_device", 129, 613},    {"Oid_qbridge", 21, 75},
    };
    std::map<std::string, Tally> seen;
    for (const MibTableEntry& e : mibTables()) {
        Tally& t = seen[e.Module];
        ++t.Tables;
        t.Variables += rowCount(e.Table);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Module);
        EXPECT_EQ(seen[c.Module].Tables, c.Tables);
        EXPECT_EQ(seen[c.Module].Variables, c.Variables);
    }
    EXPECT_EQ(seen.size(), std::size(cases));
}

TEST(MibTableFigures, SyntaxHistogram) {
    struct Case {
        int Syntax;
        int Rows;
    };
    const Case cases[] = {
        {sxInteger, 1542},    {sxBitStr, 84},   {sxOctetStr, 111},    {sxObjectId, 11},
        {sxIpAddress, 136},   {sxCounter, 171}, {sxGauge, 144},       {sxTimeTicks, 23},
        {sxCounter64, 20},    {sxMacAddress, 65}, {sxDateTime, 1},    {sxDisplayStr, 281},
        {sxIPv6Address, 35},  {sxBitList, 7},   {sxInetAddress, 3},
    };
    std::map<int, int> seen;
    forEachRow([&](const MibTableEntry&, const KySNMPVarDesc& row) { ++seen[row.Syntax]; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Syntax);
        EXPECT_EQ(seen[c.Syntax], c.Rows);
    }
    EXPECT_EQ(seen.size(), std::size(cases)) << "a syntax code outside the histogram";
}

TEST(MibTableFigures, AccessHistogram) {
    struct Case {
        int Access;
        int Rows;
    };
    const Case cases[] = {
        {afNotAccess, 478},
        {afReadOnly, 908},
        {afReadWrite, 1240},
        {afNotAccess | afImplied, 8},
    };
    std::map<int, int> seen;
    forEachRow([&](const MibTableEntry&, const KySNMPVarDesc& row) { ++seen[row.Access]; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Access);
        EXPECT_EQ(seen[c.Access], c.Rows);
    }
    EXPECT_EQ(seen.size(), std::size(cases)) << "an access code outside the histogram";
}

TEST(MibTableFigures, SharedValueListsHoldTheirItemsAndServeTheirRows) {
    struct Case {
        const char* Name;
        const KyOptionList* List;
        int Rows;
        const char* Items;
    };
    const Case cases[] = {
        {"RowStatus", &RowStatus, 99,
         "1 active, 2 notInService, 3 notReady, 4 createAndGo, 5 createAndWait, 6 destroy"},
        {"ActiveCreateDestroy", &ActiveCreateDestroy, 13, "1 active, 4 createAndGo, 6 destroy"},
        {"TruthValue", &TruthValue, 50, "1 true, 2 false"},
        {"StorageType", &StorageType, 10, "1 other, 2 volatile, 3 nonVolatile, 4 permanent, 5 readOnly"},
        {"EnabledDisabled", &EnabledDisabled, 156, "1 enabled, 2 disabled"},
        {"DisabledEnabled", &DisabledEnabled, 54, "2 disabled, 3 enabled"},
        {"OtherDisabledEnabled", &OtherDisabledEnabled, 22, "1 other, 2 disabled, 3 enabled"},
        {"EnableDisable", &EnableDisable, 9, "1 enable, 2 disable"},
        {"OtherStart", &OtherStart, 21, "1 other, 2 start"},
        {"NoneStart", &NoneStart, 10, "1 none, 2 start"},
        {"DenyPermit", &DenyPermit, 7, "1 deny, 2 permit"},
        {"ServerProtocol", &ServerProtocol, 8, "1 tacacs, 2 xtacacs, 3 tacacs-plus, 4 radius, 5 none, 6 other"},
        {"FilterOwner", &FilterOwner, 8,
         "1 any, 2 acl, 3 ipbind, 4 other, 5 dhcp, 6 netbios, 7 ext-netbios, 8 ismvlan, 9 dhcp-relay, "
         "13 ypax-upserver, 14 ypax-authentication"},
    };
    std::map<const KyOptionList*, int> uses;
    int rowsWithList = 0;
    forEachRow([&](const MibTableEntry&, const KySNMPVarDesc& row) {
        if (!row.Options) return;
        ++uses[row.Options];
        ++rowsWithList;
    });
    int byName = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(uses[c.List], c.Rows);
        EXPECT_EQ(itemsText(*c.List), c.Items);
        EXPECT_EQ(c.List->Kind, KyOptionList::IntegerValues);
        EXPECT_FALSE(c.List->CaseSensitive);
        byName += c.Rows;
    }
    EXPECT_EQ(byName, 467);
    EXPECT_EQ(rowsWithList, 820);
}
