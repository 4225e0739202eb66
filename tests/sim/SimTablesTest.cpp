// The simulator serves every variable table the pages read: each one reads without an error, tables
// deliver whole rows, and tables with a RowStatus column create and destroy a row. The generated data
// file is what the generator writes now.
#include "KyOptionList.h"
#include "KySNMPRequest.h"
#include "KySNMPTarget.h"
#include "MibTableRegistry.h"
#include "SimAgent.h"
#include "SimTarget.h"
#include "TableGen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string dataPath(const std::string& name)
{
    const char* dir = std::getenv("TRVSIM_DATA_DIR");
    return std::string(dir && *dir ? dir : TRVSIM_DATA_DIR_FALLBACK) + "/" + name;
}

using Row = std::vector<std::string>;

Row values(const KySNMPVarList& list)
{
    Row row;
    for (int i = 0; i < list.GetCount(); ++i) row.push_back(list.GetVar(i).Value);
    return row;
}

std::string joined(const Row& row)
{
    std::string text;
    for (const std::string& v : row) text += "[" + v + "]";
    return text;
}

// A key text of another row than the one read: integers move up by 100, addresses and hex keys change
// their last octet, names get a suffix; a key with a value list takes its last value.
bool moveKey(KySNMPVar& key, bool withOptions)
{
    std::string& v = key.Value;
    if (v.empty() || bool(key.Options) != withOptions) return false;
    if (key.Options) {
        const std::string last = key.Options->GetItem(key.Options->GetCount() - 1).Label;
        if (v == last) return false;
        v = last;
        return true;
    }
    switch (key.Syntax) {
    case sxInteger: case sxGauge: case sxUInteger: case sxCounter:
        v = std::to_string(std::stoll(v) + 100);
        return true;
    case sxIpAddress: case sxInetAddress:
        v = v.substr(0, v.rfind('.') + 1) + "200";
        return true;
    case sxMacAddress: case sxIPv6Address: case sxOctetStr: case sxBitStr:
        v = v.substr(0, v.size() - 2) + "EE";
        return true;
    case sxDisplayStr:
        v += "new";
        return true;
    default:
        return false;
    }
}

// v1 cannot carry 64-bit counters.
bool hasCounter64(const MibTableEntry& t)
{
    for (const KySNMPVarDesc* row = t.Table; row->Oid; ++row)
        if (row->Syntax == sxCounter64) return true;
    return false;
}

// One simulator per data file: the standalone switch and the stack, each with the generated tables.
class SimTables : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        sim = std::make_unique<trvtest::SimAgent>(GetParam());
        targetSimulator(*sim, 1, 100);
    }

    static std::unique_ptr<KySNMPRequest> request(const MibTableEntry& t)
    {
        const tablegen::TableShape shape = tablegen::tableShape(t);
        auto r = std::make_unique<KySNMPRequest>();
        r->VarList = KySNMPVarList(t.Table, shape.Scalar ? SVT_SV : MVT_FMV, shape.KeyCount);
        return r;
    }

    // Every cell of the row just read holds a value: an empty cell is an empty string the simulator
    // stores, never a column whose rows do not line up with the others.
    void expectWholeRow(const KySNMPRequest& r)
    {
        const KySNMPVarList& list = r.VarList;
        std::string instance;
        for (int i = 0; i < list.GetCount() && instance.empty(); ++i)
            if (list.IsReadable(i) && !list.GetVar(i).Value.empty() && list.GetVar(i).Value != "(NOTDONE)")
                instance = list.GetVar(i).Index.substr(r.BaseOid(i).size() + 1);
        for (int i = 0; i < list.GetCount(); ++i) {
            const KySNMPVar& v = list.GetVar(i);
            if (!list.IsReadable(i) && i >= list.KeyCount) continue;
            EXPECT_NE(v.Value, "(NOTDONE)") << v.Label << " in " << joined(values(list));
            if (v.Value.empty() && list.IsReadable(i)) {
                // A display string ends at its first zero octet.
                const std::string stored = sim->value(instance.empty() ? v.Index : r.BaseOid(i) + "." + instance).value_or("");
                EXPECT_TRUE(stored == "STRING 0x" || (v.Syntax == sxDisplayStr && stored.starts_with("STRING 0x00")))
                    << stored << " " << v.Label << " in " << joined(values(list));
            } else {
                EXPECT_NE(v.Value, "") << v.Label << " in " << joined(values(list));
            }
        }
    }

    std::unique_ptr<trvtest::SimAgent> sim;
};

TEST(SimTablesData, GeneratedFileIsWhatTheGeneratorWritesNow)
{
    // The hand files: both switches and every area's own data.
    std::vector<std::string> hand{dataPath("standalone.txt"), dataPath("stack.txt")};
    std::vector<std::string> areas;
    for (const auto& file : std::filesystem::directory_iterator(dataPath("")))
        if (const std::string name = file.path().filename().string(); name.starts_with("area-") && name.ends_with(".txt"))
            areas.push_back(file.path().string());
    std::sort(areas.begin(), areas.end());
    hand.insert(hand.end(), areas.begin(), areas.end());
    const auto served = tablegen::HandServed::read(hand);
    std::ifstream in(dataPath("tables.txt"));
    ASSERT_TRUE(in);
    std::stringstream committed;
    committed << in.rdbuf();
    EXPECT_TRUE(committed.str() == tablegen::generateTables(served))
        << "sim/data/tables.txt is stale: run trvtablegen tables.txt standalone.txt stack.txt area-*.txt in sim/data";
}

TEST_P(SimTables, EveryTableReadsWholeRowsInV1AndV2c)
{
    // v1 has no null for a missing object: a scalar the simulator lacks fails the whole read.
    int counter64Tables = 0;
    for (const MibTableEntry& t : mibTables()) counter64Tables += hasCounter64(t);
    for (std::uint8_t version : {0, 1}) {
        targetSimulator(*sim, version, 100);
        int tables = 0;
        for (const MibTableEntry& t : mibTables()) {
            if (version == 0 && hasCounter64(t)) continue; // their pages raise v1 to v2c while open
            SCOPED_TRACE(std::string(t.Name) + (version ? " v2c" : " v1"));
            auto r = request(t);
            std::vector<int> errors;
            r->OnError = [&](const KySNMPError& e) { errors.push_back(e.Code); };
            bool ok = false;
            if (r->VarList.ItemType == SVT_SV) {
                r->GetSync(true, ok);
                EXPECT_TRUE(ok);
                for (int i = 0; i < r->VarList.GetCount(); ++i) {
                    if (!r->VarList.IsReadable(i)) continue;
                    EXPECT_NE(r->VarList.GetVar(i).Value, "(NULL)") << r->VarList.GetVar(i).Label;
                }
            } else {
                int rows = 0;
                for (bool first = true; r->GetSync(first, ok); first = false, ++rows)
                    expectWholeRow(*r);
                EXPECT_TRUE(ok);
                EXPECT_GT(rows, 0);
            }
            EXPECT_TRUE(errors.empty()) << "first error " << errors.front();
            ++tables;
        }
        EXPECT_EQ(tables, version ? 452 : 452 - counter64Tables);
    }
}

TEST_P(SimTables, RowStatusTablesCreateAndDestroyARow)
{
    int created = 0;
    for (const MibTableEntry& t : mibTables()) {
        const tablegen::TableShape shape = tablegen::tableShape(t);
        if (shape.RowStatus < 0) continue;
        SCOPED_TRACE(t.Name);
        auto reader = request(t);
        bool ok = false;
        ASSERT_TRUE(reader->GetSync(true, ok)) << "no row to copy";
        const KySNMPVarList row = reader->VarList;

        auto writer = request(t);
        writer->VarList = row;
        bool moved = false;
        for (bool withOptions : {false, true})
            for (int k = 0; k < shape.KeyCount && !moved; ++k) moved = moveKey(writer->VarList.GetVar(k), withOptions);
        ASSERT_TRUE(moved) << "no key to move in " << joined(values(row));
        writer->VarList.GetVar(shape.RowStatus).Value = "createAndGo";
        KySNMPError result;
        writer->SetSync(ok, result, false);
        EXPECT_TRUE(ok) << "createAndGo: " << result.Message << " " << joined(values(writer->VarList));

        const std::string status = writer->VarList.GetVar(shape.RowStatus).Oid + "." + writer->JoinIndex();
        EXPECT_EQ(sim->value(status), "INTEGER 1");
        const std::vector<std::string> destroy{"destroy"};
        writer->SetSync(ok, result, false, std::to_string(shape.RowStatus), &destroy);
        EXPECT_TRUE(ok) << "destroy: " << result.Message;
        EXPECT_EQ(sim->value(status), std::nullopt);
        ++created;
    }
    EXPECT_EQ(created, 112);  // 115 tables have a RowStatus list; in 3 of them it is read-only
}

INSTANTIATE_TEST_SUITE_P(DataFiles, SimTables, ::testing::Values("menus.txt", "menus-stack.txt"),
                         [](const auto& info) { return std::string(info.param) == "menus.txt" ? "Standalone" : "Stack"; });

} // namespace
