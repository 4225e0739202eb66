#include "ExceptionCode.h"
#include "KyOptionList.h"
#include "KySNMPVarList.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr KyOptionItem RowStatusRows[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
constinit const KyOptionList RowStatus(RowStatusRows);

const KySNMPVarDesc TunnelTableVars[] = {
    {" ", "Destination", sxIPv6Address, afNotAccess, nullptr},
    {" ", "Prefix Length", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.2.1.1", "Interface Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.2.1.100", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

const KySNMPVarDesc InitialisedVars[] = {
    {"1.3.6.1.2.1.1.5", "Name", sxDisplayStr, afReadWrite, nullptr, "$0+1", "$0-1", "x", "sw1", "1.3.6.1.2.1.1.5.0"},
    {nullptr, nullptr, 0, 0, nullptr},
};

const KySNMPVarDesc EndsAtOnce[] = {{nullptr, "unused", sxInteger, afReadOnly, nullptr}};

}  // namespace

TEST(VarList, BuildsOneEntryPerRowUpToTheNullOid) {
    const KySNMPVarList list(TunnelTableVars, MVT_FMV, 3);
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.KeyCount, 3);
    EXPECT_EQ(list.ItemType, MVT_FMV);
    const KySNMPVar& status = list.GetVar(3);
    EXPECT_EQ(status.Oid, "1.3.6.1.4.1.32473.12.26.3.2.1.100");
    EXPECT_EQ(status.Label, "Row Status");
    EXPECT_EQ(status.Syntax, sxInteger);
    EXPECT_EQ(status.Access, afReadWrite);
    EXPECT_EQ(status.Options, &RowStatus);
    EXPECT_EQ(status.Value, "");
    EXPECT_EQ(status.Index, "");

    const KySNMPVarList initialised(InitialisedVars, SVT_SV, 0);
    const KySNMPVar& init = initialised.GetVar(0);
    EXPECT_EQ(init.Value, "sw1");
    EXPECT_EQ(init.Index, "1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(init.GetFormula, "$0+1");
    EXPECT_EQ(init.SetFormula, "$0-1");
    EXPECT_EQ(init.Extra, "x");

    EXPECT_EQ(KySNMPVarList(EndsAtOnce, SVT_SV, 0).GetCount(), 0);
    EXPECT_EQ(KySNMPVarList(nullptr, SVT_SV, 0).GetCount(), 0);
    EXPECT_EQ(KySNMPVarList().GetCount(), 0);
}

TEST(VarList, AccessOutsideTheListRaisesOutOfRange) {
    KySNMPVarList list(TunnelTableVars, MVT_FMV, 3);
    const KySNMPVarList empty;
    struct Case {
        const char* Name;
        std::function<void()> Call;
    };
    const Case cases[] = {
        {"GetVar -1", [&] { list.GetVar(-1); }},
        {"GetVar Count", [&] { list.GetVar(4); }},
        {"GetVar on empty", [&] { empty.GetVar(0); }},
        {"IsReadable", [&] { list.IsReadable(4); }},
        {"IsSettable", [&] { list.IsSettable(-1); }},
        {"IsListColumn", [&] { list.IsListColumn(99); }},
        {"IsHiddenColumn", [&] { list.IsHiddenColumn(4); }},
        {"IsImplied", [&] { list.IsImplied(4); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(codeOf(c.Call), -12);
    }
}

TEST(VarList, AssignmentCopiesDeeplyButKeepsTheTargetsSuffix) {
    KySNMPVarList source(TunnelTableVars, MVT_UMV, 3);
    source.InstanceSuffix = "9";
    source.Name = " Led Status";
    source.GetVar(2).Value = "tun0";

    KySNMPVarList target(InitialisedVars, SVT_SV, 0);
    target.InstanceSuffix = "5";
    target = source;
    EXPECT_EQ(target.InstanceSuffix, "5");
    EXPECT_EQ(target.ItemType, MVT_UMV);
    EXPECT_EQ(target.KeyCount, 3);
    EXPECT_EQ(target.Name, " Led Status");
    ASSERT_EQ(target.GetCount(), 4);
    EXPECT_EQ(target.GetVar(2).Value, "tun0");
    EXPECT_EQ(target.GetVar(3).Options, &RowStatus);

    // Changing the copy leaves the source alone: the request's backup relies on it.
    target.GetVar(2).Value = "changed";
    target.GetVar(3).Access = afInvalid;
    EXPECT_EQ(source.GetVar(2).Value, "tun0");
    EXPECT_EQ(source.GetVar(3).Access, afReadWrite);

    const KySNMPVarList copy(source);
    EXPECT_EQ(copy.InstanceSuffix, "");
    EXPECT_EQ(copy.Name, " Led Status");
    EXPECT_EQ(copy.GetVar(2).Value, "tun0");

    KySNMPVarList& same = target;
    target = same;
    EXPECT_EQ(target.GetVar(2).Value, "changed");
}

TEST(VarList, AppendInstanceIsCumulative) {
    KySNMPVarList list(TunnelTableVars, MVT_SV, 0);
    list.AppendInstance("3");
    EXPECT_EQ(list.GetVar(2).Oid, "1.3.6.1.4.1.32473.12.26.3.2.1.1.3");
    list.AppendInstance("3");
    EXPECT_EQ(list.GetVar(2).Oid, "1.3.6.1.4.1.32473.12.26.3.2.1.1.3.3");
    EXPECT_EQ(list.InstanceSuffix, "");
}

TEST(VarList, AccessWordDecidesReadSetAndColumnKinds) {
    struct Case {
        int Access;
        std::uint8_t ItemType;
        int Index;  // position in a list with key count 1
        bool Readable, Settable, ListColumn, HiddenColumn, Implied;
    };
    const Case cases[] = {
        {afNotAccess, MVT_FMV, 0, false, true, true, false, false},
        {afNotAccess, MVT_UMV, 0, false, true, true, false, false},
        {afNotAccess, MVT_SV, 0, false, false, true, false, false},
        {afNotAccess, MVT_FMV, 1, false, false, true, false, false},
        {afReadOnly, MVT_FMV, 1, true, false, true, false, false},
        {afReadWrite, SVT_SV, 1, true, true, true, false, false},
        {afWriteOnly, SVT_SV, 1, false, true, false, true, false},
        {afWriteOnly | afHidden, SVT_SV, 1, false, true, false, true, false},
        {afReadWrite | afHidden, SVT_SV, 1, true, true, false, true, false},
        {afDerived, SVT_SV, 1, false, false, true, false, false},
        {afInvalid, MVT_FMV, 0, false, false, false, true, false},
        {afReadWrite | afInvalid, SVT_SV, 1, false, false, false, true, false},
        {afNotAccess | afImplied, MVT_FMV, 0, false, true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "access " << c.Access << " item type " << int(c.ItemType)
                                        << " index " << c.Index);
        KySNMPVarList list(TunnelTableVars, c.ItemType, 1);
        list.GetVar(c.Index).Access = c.Access;
        EXPECT_EQ(list.IsReadable(c.Index), c.Readable);
        EXPECT_EQ(list.IsSettable(c.Index), c.Settable);
        EXPECT_EQ(list.IsListColumn(c.Index), c.ListColumn);
        EXPECT_EQ(list.IsHiddenColumn(c.Index), c.HiddenColumn);
        EXPECT_EQ(list.IsImplied(c.Index), c.Implied);
    }
}

TEST(VarList, CountsListAndHiddenColumns) {
    KySNMPVarList list(TunnelTableVars, MVT_FMV, 3);
    EXPECT_EQ(list.CountListColumns(), 4);
    EXPECT_EQ(list.CountHiddenColumns(), 0);
    list.GetVar(1).Access = afHidden | afNotAccess;
    list.GetVar(3).Access = afWriteOnly;
    EXPECT_EQ(list.CountListColumns(), 2);
    EXPECT_EQ(list.CountHiddenColumns(), 2);
}
