#include "TableGen.h"

#include "KyCodec.h"
#include "KyOptionList.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace tablegen {
namespace {

constexpr int PortCount = 24;

// Tables read as rows although no leading variable is a marked key: their keys are objects of their
// own (or there are none, and the row is told by the instance alone).
const std::map<std::string, int> RowsWithReadableKeys = {
    {"EquipmentManagementPowerTableVars", 1}, {"MIBCapabilitiesVars", 1}, {"GARPVars", 1},
    {"HighCapacityPortTableVars", 1}, {"PortOverflowVars", 1}, {"MBAManagementStateTableVars", 2},
    {"RIP2RFC1724Vars2", 1}, {"RIP2RFC1724Vars3", 1}, {"NetConfigurationVars", 0},
    {"UpdateServerTableVars", 4}, {"PortTrunkVars", 1}, {"TrafficSegmentationVars", 1},
    {"VLanPortInfomationVars", 1}, {"dot3ControlVars2", 0}, {"dot3PauseVars2", 0},
    {"PortInformationVars", 0}, {"PortConfigurationVars", 0}, {"PanelLinkStatusVars", 0},
    {"PanelStackLedStatusVars", 0},
    // Indexed also by a readable column: the next hop of an IPv6 route, the interface of a neighbour.
    {"Ipv6StaticRouteVars", 4}, {"ARPIPV6ControlVars", 3},
};

struct OidLess {
    bool operator()(const std::string& a, const std::string& b) const { return KyOid::parse(a) < KyOid::parse(b); }
};

bool hasDigits(const char* oid) { return oid && std::strpbrk(oid, "0123456789"); }
bool isMarkedKey(const KySNMPVarDesc& row) { return row.Access == afNotAccess || row.Access == (afNotAccess | afImplied); }

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// Whether a word of the text starts with `word` ("port" is in "Port List", not in "Supported").
bool has(const std::string& text, const char* word)
{
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        if (at == 0 || !std::isalpha(static_cast<unsigned char>(text[at - 1]))) return true;
    return false;
}

bool createsRows(const KySNMPVarDesc& row)
{
    if (!row.Options || (row.Access & afReadWrite) != afReadWrite) return false;
    return row.Options->IndexOfLabel("createAndGo") >= 0 && row.Options->IndexOfLabel("destroy") >= 0;
}

bool isIntegerSyntax(int syntax)
{
    return syntax == sxInteger || syntax == sxGauge || syntax == sxCounter || syntax == sxUInteger
        || syntax == sxTimeTicks || syntax == sxBoolean;
}

std::string hexOf(const std::string& octets)
{
    static const char* digits = "0123456789abcdef";
    std::string out = "0x";
    for (unsigned char c : octets) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

std::string octetsOfHex(const std::string& hex)
{
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) out += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}

// A made-up but steady number for a label, so counters differ between columns.
unsigned labelSeed(const std::string& label)
{
    unsigned h = 2166136261u;
    for (unsigned char c : label) h = (h ^ c) * 16777619u;
    return h;
}

// One key of a table's rows, as the pages see it.
struct Key {
    int Syntax = sxInteger;
    bool Implied = false;
    std::string Label;
    const KyOptionList* Options = nullptr;
};

// The key texts rows take for one key; a table with several keys takes a few of each.
std::vector<std::string> keyTexts(const Key& key, bool several)
{
    const std::string l = lower(key.Label);
    std::vector<std::string> texts;
    if (key.Options && key.Options->GetCount() > 0) {
        // The last item stays free for a row a page adds.
        const int count = several ? 1 : std::clamp(key.Options->GetCount() - 1, 1, 3);
        for (int i = 0; i < count; ++i) texts.push_back(key.Options->GetItem(i).Label);
        return texts;
    }
    switch (key.Syntax) {
    case sxIpAddress:
    case sxInetAddress:
        if (has(l, "mask")) return {"255.255.255.0"};
        for (int i = 1; i <= 3; ++i) texts.push_back("10.90.90." + std::to_string(i));
        break;
    case sxMacAddress:
        for (int i = 1; i <= 3; ++i) texts.push_back("001B2C52000" + std::to_string(i));
        break;
    case sxIPv6Address:
        for (int i = 1; i <= 3; ++i) texts.push_back("FD00000000000000000000000000000" + std::to_string(i));
        break;
    case sxDisplayStr:
        if (has(l, "vlan")) texts = {"default", "vlan10", "vlan20"};
        else if (has(l, "interface") || has(l, "ipif")) texts = {"System", "ipif10", "ipif20"};
        else if (has(l, "user")) texts = {"admin", "operator", "guest"};
        else if (has(l, "community")) texts = {"public", "private", "monitor"};
        else if (has(l, "view")) texts = {"restricted", "CommunityView", "ReadWrite"};
        else if (has(l, "group")) texts = {"public", "private", "initial"};
        else if (has(l, "host") || has(l, "domain")) texts = {"host1.example.net", "host2.example.net", "host3.example.net"};
        else if (has(l, "range")) texts = {"workday", "weekend", "night"};
        else if (has(l, "method") || has(l, "list")) texts = {"default", "local", "radius"};
        else {
            std::string word;
            for (char c : l) {
                if (std::isalnum(static_cast<unsigned char>(c))) word += c;
                else if (!word.empty()) break;
            }
            if (word.empty()) word = "entry";
            for (int i = 1; i <= 3; ++i) texts.push_back(word + std::to_string(i));
        }
        break;
    case sxOctetStr:
    case sxBitStr:
        if (has(l, "oui")) return {"0080C2", "00120F"};
        texts = {"0A5A5A01", "0A5A5A02", "0A5A5A03"};
        break;
    case sxObjectId:
        texts = {"1.3.6.1.2.1.1", "1.3.6.1.2.1.2", "1.3.6.1.6.3"};
        break;
    case sxTimeTicks:
        return {"0"};
    case sxCounter64:
        return {"1"};
    default:
        if (has(l, "unit")) return {"1"};
        if (has(l, "port") || has(l, "ifindex") || has(l, "if index")) {
            for (int i = 1; i <= PortCount; ++i) texts.push_back(std::to_string(i));
        } else if (has(l, "vlan") || has(l, "vid")) {
            texts = {"1", "10", "20"};
        } else if (has(l, "priority")) {
            for (int i = 0; i < 8; ++i) texts.push_back(std::to_string(i));
        } else if (has(l, "instance") || has(l, "msti")) {
            texts = {"0", "1", "2"};
        } else {
            texts = {"1", "2", "3"};
        }
        break;
    }
    if (several && texts.size() > 3) texts.resize(3);
    return texts;
}

// A row's key values; Texts[k] belongs to key k.
struct Row {
    std::vector<std::string> Texts;
    std::string Instance;
};

std::vector<Row> rowsOf(const std::vector<Key>& keys)
{
    std::vector<std::vector<std::string>> choices;
    for (const Key& k : keys) choices.push_back(keyTexts(k, keys.size() > 1));
    std::vector<Row> rows;
    std::vector<std::size_t> at(keys.size(), 0);
    constexpr std::size_t MaxRows = 12;
    while (rows.size() < MaxRows) {
        Row row;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            row.Texts.push_back(choices[k][at[k]]);
            const KyKeyPlace place{k + 1 == keys.size(), keys[k].Implied};
            const std::string part = EncodeIndexPart(keys[k].Syntax, row.Texts.back(), place, keys[k].Options).toString();
            if (!part.empty()) row.Instance += (row.Instance.empty() ? "" : ".") + part;
        }
        rows.push_back(std::move(row));
        std::size_t k = keys.size();
        while (k > 0 && ++at[k - 1] == choices[k - 1].size()) at[--k] = 0;
        if (k == 0) break;
    }
    return rows;
}

std::string indexKind(const Key& key, bool last)
{
    const bool implied = last && key.Implied;
    switch (key.Syntax) {
    case sxIpAddress: return "ipaddress";
    case sxInetAddress: return implied ? "implied" : "ipaddress";
    case sxMacAddress: return "mac";
    case sxIPv6Address: return implied ? "implied" : "ipv6";
    case sxCounter64: return "integer,integer";
    default: return isIntegerSyntax(key.Syntax) ? "integer" : implied ? "implied" : "string";
    }
}

// What the simulator serves for a syntax.
const char* typeOf(int syntax)
{
    switch (syntax) {
    case sxObjectId: return "OID";
    case sxIpAddress: return "IPADDRESS";
    case sxCounter: return "COUNTER32";
    case sxGauge: case sxUInteger: return "GAUGE32";
    case sxTimeTicks: return "TIMETICKS";
    case sxCounter64: return "COUNTER64";
    case sxNull: return "NULL";
    default: return isIntegerSyntax(syntax) ? "INTEGER" : "STRING";
    }
}

struct Column {
    int Syntax;
    bool Writable;
    std::string Label;
    const KyOptionList* Options;
    int KeyPosition; // the key of the reading table this column holds, -1 when none
};

// The value of a key column: the key text in the column's own syntax.
std::string keyValue(const Column& c, const std::string& text)
{
    switch (c.Syntax) {
    case sxDisplayStr: return quoted(text);
    case sxMacAddress: case sxIPv6Address: case sxOctetStr: case sxBitStr: return hexOf(octetsOfHex(text));
    case sxInetAddress: {
        std::string octets;
        const KyOid arcs = EncodeIndexPart(sxIpAddress, text);
        for (std::uint32_t arc : arcs.subIds()) octets += char(arc);
        return hexOf(octets);
    }
    default:
        if (c.Options) return c.Options->LabelToValue(text);
        return text;
    }
}

// A port list with a few ports set, differing from row to row.
std::string portList(const std::string& l, int r)
{
    if (has(l, "forbidden") || has(l, "learnt") || has(l, "router")) return "0x00000000";
    const unsigned bits = (0xC0000000u >> (2 * (r % 8))) | 0x00000300u;
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08x", bits);
    return buf;
}

std::string numberFor(const std::string& l, int r, int syntax)
{
    if (const auto open = l.find('['); open != std::string::npos) {
        // "Max Age[600-4000]": the lowest value of the range in the label
        const auto dash = l.find('-', open);
        if (dash != std::string::npos) {
            try {
                return std::to_string(std::stol(l.substr(open + 1, dash - open - 1)));
            } catch (const std::exception&) {
            }
        }
    }
    if (syntax == sxTimeTicks) return std::to_string(8640000 + 360000 * r);
    if (has(l, "telnet")) return "23";
    if (has(l, "ssh")) return "22";
    if (has(l, "tcp") || has(l, "udp") || has(l, "l4")) return "80";
    if (has(l, "max") && (has(l, "vlan") || has(l, "vlans"))) return "4094";
    if (has(l, "vlan") || has(l, "vid")) return r % 3 == 0 ? "1" : std::to_string(10 * (r % 3));
    if (has(l, "port") && !has(l, "number of") && !has(l, "count")) return std::to_string(r % PortCount + 1);
    if (has(l, "priority")) return std::to_string(r % 8);
    if (has(l, "utilization") || has(l, "usage") || has(l, "percent") || has(l, "load")) return std::to_string(3 + (7 * r) % 60);
    if (has(l, "timeout")) return "300";
    if (has(l, "interval") || has(l, "period")) return "30";
    if (has(l, "time") || has(l, "age") || has(l, "delay") || has(l, "hold")) return "60";
    if (has(l, "mtu")) return "1500";
    if (has(l, "prefix") || has(l, "mask len")) return "24";
    if (has(l, "cost")) return "200000";
    if (has(l, "metric")) return "1";
    if (has(l, "ttl") || has(l, "hop limit")) return "64";
    if (has(l, "retr")) return "3";
    if (has(l, "threshold")) return "80";
    if (has(l, "rate") || has(l, "bandwidth") || has(l, "speed")) return "1000";
    if (has(l, "size") || has(l, "memory") || has(l, "capacity")) return std::to_string(65536 >> (r % 4));
    return std::to_string(r + 1);
}

std::string textFor(const std::string& l, int r)
{
    const std::string n = std::to_string(r + 1);
    if (has(l, "vlan") && has(l, "name")) return r == 0 ? "default" : "vlan" + std::to_string(10 * r);
    if (has(l, "interface")) return r == 0 ? "System" : "ipif" + n;
    if (has(l, "password") || has(l, "key") || has(l, "secret")) return "secret" + n;
    if (has(l, "community")) return r % 2 ? "private" : "public";
    if (has(l, "user")) return r == 0 ? "admin" : "user" + n;
    if (has(l, "contact")) return "noc@example.net";
    if (has(l, "location")) return "Rack 4, room 2.17";
    if (has(l, "host") || has(l, "domain") || has(l, "server name")) return "host" + n + ".example.net";
    if (has(l, "file") || has(l, "path")) return "config" + n + ".cfg";
    if (has(l, "image")) return "runtime" + n + ".had";
    if (has(l, "version") || has(l, "revision") || has(l, "firmware")) return "2.10.0" + std::to_string(14 + r);
    if (has(l, "url")) return "http://10.90.90.10/";
    if (has(l, "mail")) return "user" + n + "@example.net";
    if (has(l, "system") && has(l, "name")) return "trv-lab-1";
    if (has(l, "system") || has(l, "sys")) return "TRV-5124 Managed Ethernet Switch";
    if (has(l, "descr")) return "Port " + std::to_string(r % PortCount + 1);
    if (has(l, "port")) return "Port " + std::to_string(r % PortCount + 1);
    if (has(l, "model") || has(l, "type")) return "TRV-5124";
    if (has(l, "serial")) return "TRV5124" + std::to_string(100200 + r);
    if (has(l, "date")) return "2026-12-10";
    std::string word;
    for (char c : l) {
        if (std::isalnum(static_cast<unsigned char>(c))) word += c;
        else if (!word.empty()) word += '-';
    }
    while (!word.empty() && word.back() == '-') word.pop_back();
    return (word.empty() ? "entry" : word) + "-" + n;
}

// "TYPE VALUE" of a column in row r.
std::string valueFor(const Column& c, int r)
{
    const std::string l = lower(c.Label);
    const std::string type = typeOf(c.Syntax);
    if (c.Options && c.Options->GetCount() > 0) {
        if (c.Options->Kind != KyOptionList::IntegerValues) return type + " " + c.Options->GetItem(0).ValueText;
        int pick = 0;
        if (const int active = c.Options->IndexOfLabel("active"); active >= 0) pick = active;
        else if (c.Options->GetCount() > 1 && lower(c.Options->GetItem(0).Label) == "other") pick = 1;
        return type + " " + std::to_string(c.Options->GetItem(pick).Value);
    }
    switch (c.Syntax) {
    case sxIpAddress:
        if (has(l, "mask")) return type + " 255.255.255.0";
        if (has(l, "gateway") || has(l, "router") || has(l, "next hop") || has(l, "nexthop")) return type + " 10.90.90.254";
        if (has(l, "network") || has(l, "subnet") || has(l, "destination")) return type + " 10.90.90.0";
        return type + " 10.90.90." + std::to_string(10 + r);
    case sxInetAddress: return type + " " + hexOf(std::string("\x0a\x5a\x5a", 3) + char(10 + r));
    case sxMacAddress: return type + " " + hexOf(std::string("\x00\x1b\x2c\x53\x00", 5) + char(1 + r));
    case sxIPv6Address: return type + " " + hexOf(std::string("\xfd\x00", 2) + std::string(13, '\0') + char(1 + r));
    case sxDateTime: return type + " 0x07ea0c0a0d2f05002b0100";
    case sxBitList: return type + " 0x80";
    case sxBitStr: return type + " " + portList(l, r);
    case sxOctetStr:
        if (has(l, "mac") || has(l, "chassis")) return type + " " + hexOf(std::string("\x00\x1b\x2c\x53\x00", 5) + char(1 + r));
        if (has(l, "port") || has(l, "member")) return type + " " + portList(l, r);
        if (has(l, "oui")) return type + " 0x0080c2";
        if (has(l, "capabilities")) return type + " 0x0014";
        if (has(l, "time") || has(l, "date")) return type + " 0x07ea0c0a0d2f05002b0100";
        if (has(l, "address")) return type + " " + hexOf(std::string("\x0a\x5a\x5a", 3) + char(10 + r));
        if (has(l, "vlan") && (has(l, "list") || has(l, "range"))) return type + " 0x8020080000000000";
        if (has(l, "bridge") || has(l, "root")) return type + " 0x8000001b2c510001";
        if (has(l, "engine")) return type + " 0x800000010300001b2c510001";
        if (has(l, "tpid")) return type + " 0x8100";
        return type + " 0x0000ffff";
    case sxDisplayStr:
        if (has(l, "address") && !has(l, "mac") && !has(l, "mail")) return type + " " + quoted("10.90.90." + std::to_string(10 + r));
        return type + " " + quoted(textFor(l, r));
    case sxObjectId: return type + " 1.3.6.1.4.1.32473.10.5124";
    case sxCounter:
    case sxCounter64: {
        const unsigned base = 1000 + labelSeed(c.Label) % 9000;
        return type + " " + std::to_string(std::uint64_t(base) * 4637u * unsigned(r + 1) % 4000000000u);
    }
    case sxNull: return type + " -";
    default: return type + " " + numberFor(l, r, c.Syntax);
    }
}

struct Entry {
    std::vector<Key> Keys;
    bool OwnKeys = false; // the keys are this entry's own index columns
    std::map<unsigned, Column> Columns;
    unsigned RowStatus = 0;
    std::string Group;
    std::vector<std::string> Readers;
};

std::pair<std::string, unsigned> splitColumn(const std::string& oid)
{
    const auto dot = oid.rfind('.');
    return {oid.substr(0, dot), unsigned(std::stoul(oid.substr(dot + 1)))};
}

// Either OID is the other or lies under it.
bool related(const std::string& a, const std::string& b)
{
    const std::string& s = a.size() < b.size() ? a : b;
    const std::string& l = a.size() < b.size() ? b : a;
    return l.compare(0, s.size(), s) == 0 && (l.size() == s.size() || l[s.size()] == '.');
}

class Generator {
public:
    explicit Generator(const HandServed& served) : Served(served) {}

    std::string run()
    {
        for (const MibTableEntry& t : mibTables()) take(t);
        return write();
    }

private:
    const HandServed& Served;
    std::map<std::string, Entry, OidLess> Entries;
    std::map<std::string, Column, OidLess> Scalars;
    std::map<std::string, std::string> Parent; // groups of entries read together in one table

public:
    std::vector<std::string> Conflicts;

private:

    bool handServed(const std::string& oid) const
    {
        for (const std::string& e : Served.Entries)
            if (related(e, oid)) return true;
        for (const std::string& o : Served.Objects)
            if (related(o, oid)) return true;
        return false;
    }

    std::string find(const std::string& e)
    {
        std::string& p = Parent.try_emplace(e, e).first->second;
        if (p != e) p = find(p);
        return Parent[e];
    }

    void take(const MibTableEntry& t)
    {
        const TableShape shape = tableShape(t);
        if (shape.Scalar) {
            for (const KySNMPVarDesc* row = t.Table; row->Oid; ++row) {
                if (!hasDigits(row->Oid)) continue;
                const std::string oid = std::string(row->Oid) + ".0";
                if (handServed(oid)) continue;
                auto [it, fresh] = Scalars.try_emplace(oid, Column{row->Syntax, false, row->Label, row->Options, -1});
                it->second.Writable |= (row->Access & afReadWrite) == afReadWrite;
            }
            return;
        }
        std::vector<Key> keys;
        std::string keyEntry;
        for (int k = 0; k < shape.KeyCount && t.Table[k].Oid; ++k) {
            const KySNMPVarDesc& row = t.Table[k];
            keys.push_back({row.Syntax, (row.Access & afImplied) != 0, row.Label, row.Options});
            if (hasDigits(row.Oid)) keyEntry = splitColumn(row.Oid).first;
        }
        std::string first;
        int index = 0;
        for (const KySNMPVarDesc* row = t.Table; row->Oid; ++row, ++index) {
            if (!hasDigits(row->Oid) || isMarkedKey(*row)) continue;
            const auto [entryOid, number] = splitColumn(row->Oid);
            if (handServed(entryOid)) continue;
            Entry& e = Entries[entryOid];
            const bool own = !keyEntry.empty() && keyEntry == entryOid;
            if (e.Readers.empty() || (e.Keys.empty() && !keys.empty()) || (own && !e.OwnKeys)) {
                e.Keys = keys;
                e.OwnKeys = own;
            }
            if (std::find(e.Readers.begin(), e.Readers.end(), t.Name) == e.Readers.end()) e.Readers.push_back(t.Name);
            const int keyPosition = index < shape.KeyCount ? index : -1;
            auto [col, fresh] = e.Columns.try_emplace(number, Column{row->Syntax, false, row->Label, row->Options, keyPosition});
            col->second.Writable |= (row->Access & afReadWrite) == afReadWrite;
            if (index == shape.RowStatus) {
                // One column read two ways: the page that creates rows with it decides.
                col->second = Column{row->Syntax, true, row->Label, row->Options, -1};
                e.RowStatus = number;
            } else if (!fresh && std::string(typeOf(col->second.Syntax)) != typeOf(row->Syntax)) {
                Conflicts.push_back(entryOid + "." + std::to_string(number) + ": " + t.Name + " reads " + row->Label);
            }
            if (first.empty()) first = entryOid;
            else Parent[find(entryOid)] = find(first);
            find(entryOid);
        }
    }

    std::string write()
    {
        std::ostringstream out;
        out << "# Every variable table the pages read, with a few rows of plausible values.\n"
               "# Generated by sim/tablegen (trvtablegen tables.txt standalone.txt stack.txt area-*.txt in\n"
               "# sim/data): do not edit, run the generator again. Objects the hand-written files serve are left\n"
               "# out.\n"
               "# Format: see sim/DataFile.h.\n";

        out << "\n# Scalars\n";
        std::set<std::string> written;
        for (const auto& [oid, s] : Scalars) {
            bool clash = false;
            for (const auto& [entryOid, e] : Entries) clash = clash || related(entryOid, oid);
            if (clash) continue;
            out << oid << (s.Writable ? " rw " : " ") << valueFor(s, 0) << "\n";
        }

        // Entries read together share their rows, so a page's columns line up.
        std::map<std::string, std::vector<Row>> groupRows;
        std::map<std::string, std::vector<Key>> groupKeys;
        for (auto& [oid, e] : Entries) {
            const std::string g = find(oid);
            auto& keys = groupKeys[g];
            if (keys.empty() || (e.OwnKeys && keys.size() == e.Keys.size())) keys = e.Keys;
        }
        for (auto& [g, keys] : groupKeys) {
            if (keys.empty()) keys.push_back({sxInteger, false, "Index", nullptr});
            groupRows[g] = rowsOf(keys);
        }

        std::vector<std::string> declared;
        for (auto& [oid, e] : Entries) {
            bool clash = false;
            for (const std::string& d : declared) clash = clash || related(d, oid);
            if (clash) continue;
            declared.push_back(oid);
            const std::string g = find(oid);
            std::vector<Key> keys = groupKeys[g];
            std::vector<Row> rows = groupRows[g];
            if (!e.Keys.empty() && e.Keys.size() != keys.size()) {
                keys = e.Keys;
                rows = rowsOf(keys);
            }
            out << "\n# ";
            for (std::size_t i = 0; i < e.Readers.size(); ++i) out << (i ? ", " : "") << e.Readers[i];
            out << "\n@table " << oid << " index=";
            for (std::size_t k = 0; k < keys.size(); ++k) out << (k ? "," : "") << indexKind(keys[k], k + 1 == keys.size());
            if (e.RowStatus) out << " rowstatus=" << e.RowStatus;
            out << "\n";
            for (const auto& [number, c] : e.Columns) {
                const bool rw = c.Writable || number == e.RowStatus;
                out << "@column " << number << (rw ? " rw " : " ro ") << typeOf(c.Syntax);
                // Rows made by createAndGo take the columns a page does not send from here.
                if (e.RowStatus && number != e.RowStatus) {
                    const std::string v = valueFor(c, 0);
                    out << " " << v.substr(v.find(' ') + 1);
                }
                out << "\n";
            }
            for (const auto& [number, c] : e.Columns)
                for (std::size_t r = 0; r < rows.size(); ++r) {
                    std::string v = c.KeyPosition >= 0 && std::size_t(c.KeyPosition) < rows[r].Texts.size()
                        ? std::string(typeOf(c.Syntax)) + " " + keyValue(c, rows[r].Texts[std::size_t(c.KeyPosition)])
                        : valueFor(c, int(r));
                    out << oid << "." << number << "." << rows[r].Instance << " " << v << "\n";
                }
        }
        return out.str();
    }
};

} // namespace

TableShape tableShape(const MibTableEntry& table)
{
    TableShape shape;
    int lead = 0;
    while (table.Table[lead].Oid && isMarkedKey(table.Table[lead])) ++lead;
    if (auto it = RowsWithReadableKeys.find(table.Name); it != RowsWithReadableKeys.end()) {
        shape.Scalar = false;
        shape.KeyCount = it->second;
    } else if (lead > 0) {
        shape.Scalar = false;
        shape.KeyCount = lead;
    }
    if (!shape.Scalar)
        for (int i = 0; table.Table[i].Oid; ++i)
            if (createsRows(table.Table[i]) && shape.KeyCount > 0) shape.RowStatus = i;
    return shape;
}

HandServed HandServed::read(const std::vector<std::string>& paths)
{
    HandServed served;
    for (const std::string& path : paths) {
        std::ifstream in(path);
        if (!in) throw std::runtime_error("cannot read " + path);
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream words(line);
            std::string first, second;
            words >> first >> second;
            if (first == "@table") served.Entries.insert(second);
            else if (!first.empty() && std::isdigit(static_cast<unsigned char>(first[0]))) served.Objects.insert(first);
        }
    }
    return served;
}

std::string generateTables(const HandServed& served, std::vector<std::string>* conflicts)
{
    Generator g(served);
    std::string text = g.run();
    if (conflicts) *conflicts = g.Conflicts;
    return text;
}

} // namespace tablegen
