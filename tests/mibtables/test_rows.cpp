// Rows that differ from the common pattern, the invariants every row keeps, the second names some pages use,
// and the value lists pages write or compare with.
#include "MibTableRegistry.h"
#include "KyOid.h"
#include "KySNMPVarList.h"
#include "MibTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

namespace {

template <class F> void forEachRow(F f) {
    for (const MibTableEntry& e : mibTables())
        for (const KySNMPVarDesc* row = e.Table; row->Oid; ++row) f(e, *row);
}

bool hasDigits(const char* oid) { return std::strpbrk(oid, "0123456789") != nullptr; }

// "value label, ..." with the value text for lists whose values are texts.
std::string itemsText(const KyOptionList* list) {
    if (!list) return "";
    std::string text;
    for (int i = 0; i < list->GetCount(); ++i) {
        const KyOptionItem& item = list->GetItem(i);
        if (i) text += ", ";
        text += list->Kind == KyOptionList::IntegerValues ? std::to_string(item.Value) : std::string(item.ValueText);
        text += std::string(" ") + item.Label;
    }
    return text;
}

const KySNMPVarDesc* tableNamed(const std::string& name) {
    for (const MibTableEntry& e : mibTables())
        if (name == e.Name) return e.Table;
    return nullptr;
}

} // namespace

TEST(MibTableRows, IrregularRowsAreKeptLetterForLetter) {
    struct Case {
        const char* What;
        const KySNMPVarDesc* Table;
        int Row;
        const char* Oid;
        const char* Label;
        int Syntax;
        int Access;
        const char* Items;
    };
    const Case cases[] = {
        {"label padded with 27 blanks, IMPLIED index", DHCPv6RelayVars2, 2, "1.3.6.1.4.1.32473.12.84.1.4.1.2",
         "Address                           ", sxInetAddress, afNotAccess | afImplied, ""},
        {"first of two key columns without an object", TunnelTableVars, 0, " ", "Destination", sxIPv6Address,
         afNotAccess, ""},
        {"second key column without an object", TunnelTableVars, 1, " ", "Prefix Length", sxInteger, afNotAccess,
         ""},
        {"column after the key columns", TunnelTableVars, 3, "1.3.6.1.4.1.32473.12.26.3.2.1.100", "Row Status",
         sxInteger, afReadWrite, "1 active, 2 notInService, 3 notReady, 4 createAndGo, 5 createAndWait, 6 destroy"},
        {"key column with the empty Oid", ProtocolVLANPortTableVars, 0, "", "Port", sxInteger, afNotAccess, ""},
        {"row after the empty Oid", ProtocolVLANPortTableVars, 3, "1.3.6.1.2.1.17.7.1.5.2.1.3", "Row Status",
         sxInteger, afReadWrite, "1 active, 4 createAndGo, 6 destroy"},
        {"values are OIDs", UserBasedSecurityModelUserTableVars, 4, "1.3.6.1.6.3.15.1.2.2.1.5",
         "Authentication Protocol", sxObjectId, afReadWrite,
         "1.3.6.1.6.3.10.1.1.1 None, 1.3.6.1.6.3.10.1.1.2 MD5, 1.3.6.1.6.3.10.1.1.3 SHA"},
        {"values are OIDs", UserBasedSecurityModelUserTableVars, 7, "1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol",
         sxObjectId, afReadWrite, "1.3.6.1.6.3.10.1.2.1 None, 1.3.6.1.6.3.10.1.2.2 DES, 1.3.6.1.6.3.10.1.2.4 AES"},
        {"list starting at 0", STP_InfoVars1, 0, "1.3.6.1.4.1.32473.12.15.1.2", "STP Version", sxInteger,
         afReadWrite, "0 stp, 1 rstp, 2 mstp"},
        {"leading blank", AAASrvCtrlVars, 0, "1.3.6.1.4.1.32473.12.5.12.1.1", " Group Name", sxDisplayStr,
         afNotAccess, ""},
        {"log state in its own column", ERPSGlobalSettingsVars, 2, "1.3.6.1.4.1.32473.12.78.1.3", "Log State",
         sxInteger, afReadWrite, "1 enabled, 2 disabled"},
        {"trailing blanks", AggregatorPortListVars, 1, nullptr, "Ports                ", 0, 0, nullptr},
        {"doubled inner blank", MBAManagementStateTableVars, -1, nullptr, "Backend  State", 0, 0, nullptr},
        {"first row of a largest table", IPRuleVars, 0, "1.3.6.1.4.1.32473.12.9.3.2.1.1", "Profile ID", sxInteger,
         afNotAccess, ""},
        {"last row of a largest table", IPRuleVars, 28, "1.3.6.1.4.1.32473.12.9.3.2.1.35", "Mirror Group ID",
         sxInteger, afReadWrite, ""},
        {"first row of a largest table", FlowMeterTableVars, 0, "1.3.6.1.4.1.32473.12.9.6.1.1.1", "Profile ID",
         sxInteger, afNotAccess, ""},
        {"last row of a largest table", FlowMeterTableVars, 28, "1.3.6.1.4.1.32473.12.9.6.1.1.35", "Row Status",
         sxInteger, afReadWrite, "1 active, 2 notInService, 3 notReady, 4 createAndGo, 5 createAndWait, 6 destroy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        const KySNMPVarDesc* row = nullptr;
        if (c.Row >= 0) {
            row = &c.Table[c.Row];
        } else {
            for (const KySNMPVarDesc* r = c.Table; r->Oid && !row; ++r)
                if (std::string(r->Label) == c.Label) row = r;
        }
        ASSERT_NE(row, nullptr);
        ASSERT_NE(row->Oid, nullptr);
        EXPECT_EQ(std::string(row->Label), c.Label);
        if (!c.Oid) continue;  // only the label is in question
        EXPECT_EQ(std::string(row->Oid), c.Oid);
        EXPECT_EQ(row->Syntax, c.Syntax);
        EXPECT_EQ(row->Access, c.Access);
        EXPECT_EQ(itemsText(row->Options), c.Items);
    }
}

TEST(MibTableRows, OidValuedListsMapProtocolOidsToNames) {
    const KyOptionList* auth = UserBasedSecurityModelUserTableVars[4].Options;
    ASSERT_NE(auth, nullptr);
    EXPECT_EQ(auth->Kind, KyOptionList::TextValues);
    EXPECT_EQ(auth->ValueToLabel("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(auth->LabelToValue("sha"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(auth->ValueToLabel("2"), "2");
}

TEST(MibTableRows, ListStartingAtZeroShowsItsFirstItem) {
    const KyOptionList* version = STP_InfoVars1[0].Options;
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->ValueToLabel("0"), "stp");
    EXPECT_EQ(version->LabelToValue("mstp"), "2");
}

TEST(MibTableRows, EveryTableEndsWithAnAllZeroRowAndNothingBefore) {
    for (const MibTableEntry& e : mibTables()) {
        SCOPED_TRACE(e.Name);
        const KySNMPVarDesc* row = e.Table;
        for (; row->Oid; ++row) {
            EXPECT_NE(row->Label, nullptr);
            EXPECT_EQ(row->GetFormula, nullptr);
            EXPECT_EQ(row->SetFormula, nullptr);
            EXPECT_EQ(row->Extra, nullptr);
            EXPECT_EQ(row->InitValue, nullptr);
            EXPECT_EQ(row->InitIndex, nullptr);
        }
        EXPECT_EQ(row->Label, nullptr);
        EXPECT_EQ(row->Syntax, 0);
        EXPECT_EQ(row->Access, 0);
        EXPECT_EQ(row->Options, nullptr);
    }
}

TEST(MibTableRows, KeyColumnsWithoutObjectsAreLeadingIndexColumns) {
    int columns = 0;
    std::set<std::string> tables;
    for (const MibTableEntry& e : mibTables()) {
        SCOPED_TRACE(e.Name);
        bool keysDone = false;
        for (const KySNMPVarDesc* row = e.Table; row->Oid; ++row) {
            if (hasDigits(row->Oid)) {
                keysDone = true;
                continue;
            }
            EXPECT_FALSE(keysDone) << row->Label << " follows a column with an object";
            EXPECT_EQ(row->Access, afNotAccess) << row->Label;
            ++columns;
            tables.insert(e.Name);
        }
    }
    EXPECT_EQ(columns, 70);
    EXPECT_EQ(tables.size(), 40u);
}

// A key column with the empty Oid must not end the list early; only the null Oid does.
TEST(MibTableRows, EveryTableLoadsIntoAVariableListRowForRow) {
    for (const MibTableEntry& e : mibTables()) {
        SCOPED_TRACE(e.Name);
        int rows = 0;
        while (e.Table[rows].Oid) ++rows;
        EXPECT_EQ(KySNMPVarList(e.Table, MVT_UMV, 0).GetCount(), rows);
    }
    EXPECT_EQ(KySNMPVarList(ProtocolVLANPortTableVars, MVT_UMV, 2).GetCount(), 4);
    EXPECT_TRUE(KySNMPVarList(DHCPv6RelayVars2, MVT_UMV, 3).IsImplied(2));
}

TEST(MibTableRows, ObjectOidsAreDottedDecimal) {
    forEachRow([&](const MibTableEntry& e, const KySNMPVarDesc& row) {
        if (hasDigits(row.Oid)) {
            const auto oid = KyOid::tryParse(row.Oid);
            EXPECT_TRUE(oid && oid->size() > 1 && (*oid)[0] == 1 && row.Oid[0] == '1') << e.Name << ": " << row.Oid;
        }
    });
}

// Two rows on one object would make a Set write it twice and leave the other column untouched.
TEST(MibTableRows, NoTableNamesAnObjectTwice) {
    for (const MibTableEntry& e : mibTables()) {
        std::set<std::string> seen;
        for (const KySNMPVarDesc* row = e.Table; row->Oid; ++row)
            if (hasDigits(row->Oid)) {
                EXPECT_TRUE(seen.insert(row->Oid).second) << e.Name << ": " << row->Oid;
            }
    }
}

TEST(MibTableRows, EveryListMapsEachValueAndLabelOnce) {
    std::set<const KyOptionList*> lists;
    forEachRow([&](const MibTableEntry&, const KySNMPVarDesc& row) {
        if (row.Options) lists.insert(row.Options);
    });
    for (const KyOptionList* list : lists) {
        SCOPED_TRACE(itemsText(list));
        EXPECT_GT(list->GetCount(), 0);
        std::set<std::string> values, labels;
        for (int i = 0; i < list->GetCount(); ++i) {
            const KyOptionItem& item = list->GetItem(i);
            values.insert(list->Kind == KyOptionList::IntegerValues ? std::to_string(item.Value) : item.ValueText);
            std::string label = item.Label;
            for (char& ch : label) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            labels.insert(label);
        }
        EXPECT_EQ(values.size(), static_cast<size_t>(list->GetCount()));
        EXPECT_EQ(labels.size(), static_cast<size_t>(list->GetCount()));
    }
}

TEST(MibTableAliases, EverySecondNameIsTheCanonicalTable) {
    EXPECT_EQ(mibTableAliases().size(), 54u);
    std::set<std::string> names;
    for (const MibTableEntry& e : mibTables()) names.insert(e.Name);
    for (const MibTableAlias& a : mibTableAliases()) {
        SCOPED_TRACE(a.Name);
        EXPECT_EQ(a.Table, tableNamed(a.Canonical));
        EXPECT_FALSE(names.count(a.Name)) << "an alias hides a table of that name";
    }
    struct Case {
        const KySNMPVarDesc* Alias;
        const KySNMPVarDesc* Table;
    };
    const Case direct[] = {
        {Dot1qVlanStaticVars, VlanStaticVars1},
        {StpGlobalSettingsVars, STP_InfoVars1},
        {Dot1qForwardAllVars, MulticastForwardingInformationVars},
        {Dot1qTpGroupVars, FilteringInformationVars},
        {AggregatorPortVars, AggregatorPortTableVars},
        {PortLinkStatusVars, PanelLinkStatusVars},
        {UnitFrontPanelLedVars, PanelStackLedStatusVars},
    };
    for (const Case& c : direct) EXPECT_EQ(c.Alias, c.Table);
}

// Pages add a row by writing createAndGo and delete one by writing destroy to the row status column.
TEST(MibTableRowStatus, EveryRowStatusColumnTakesCreateAndGoAndDestroy) {
    int columns = 0;
    forEachRow([&](const MibTableEntry& e, const KySNMPVarDesc& row) {
        const std::string label = row.Label;
        const bool named = label.find("Row Status") != std::string::npos;
        const bool creates = row.Options && row.Options->IndexOfLabel("createAndGo") >= 0;
        if (!named && !creates) return;
        SCOPED_TRACE(std::string(e.Name) + ": " + label);
        ++columns;
        ASSERT_NE(row.Options, nullptr);
        EXPECT_EQ(row.Options->LabelToValue("createAndGo"), "4");
        EXPECT_EQ(row.Options->LabelToValue("destroy"), "6");
    });
    EXPECT_EQ(columns, 115);
}

TEST(MibTableOptions, StateListsShowEnabledAndDisabled) {
    struct Case {
        const char* Table;
        const KySNMPVarDesc* Row;
        const char* EnabledValue;
        const char* DisabledValue;
    };
    const Case cases[] = {
        {"RmonStateVars", &RmonStateVars[0], "3", "2"},
        {"Dot1xGlobalStateVars", &Dot1xGlobalStateVars[0], "1", "2"},
        {"StackModeVars", &StackModeVars[0], "1", "2"},
        {"QInQGlobalSettingsVars", &QInQGlobalSettingsVars[0], "1", "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Table);
        ASSERT_NE(c.Row->Options, nullptr);
        EXPECT_EQ(c.Row->Options->ValueToLabel(c.EnabledValue), "enabled");
        EXPECT_EQ(c.Row->Options->ValueToLabel(c.DisabledValue), "disabled");
    }
}
