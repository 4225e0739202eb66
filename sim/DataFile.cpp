#include "DataFile.h"

#include <filesystem>
#include <fstream>

namespace trvsim {
namespace {

std::vector<std::string> tokenize(const std::string& line)
{
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else {
            std::string token;
            bool quoted = false;
            while (i < line.size()) {
                c = line[i];
                if (!quoted && (c == ' ' || c == '\t' || c == '\r' || c == '#')) break;
                if (c == '"') quoted = !quoted;
                token += c;
                if (c == '\\' && quoted && i + 1 < line.size()) token += line[++i];
                ++i;
            }
            if (quoted) throw std::invalid_argument("unterminated string");
            tokens.push_back(token);
        }
    }
    return tokens;
}

IndexKind parseIndexKind(const std::string& name)
{
    static const std::pair<const char*, IndexKind> kinds[] = {
        {"integer", IndexKind::Integer}, {"ipaddress", IndexKind::IpAddress}, {"string", IndexKind::String},
        {"implied", IndexKind::Implied}, {"mac", IndexKind::Mac},             {"ipv6", IndexKind::Ipv6},
        {"inetaddress", IndexKind::InetAddress},
    };
    for (auto& [n, k] : kinds)
        if (name == n) return k;
    throw std::invalid_argument("unknown index kind '" + name + "'");
}

unsigned parseColumnNumber(const std::string& text)
{
    Oid arcs = parseOid("0." + text);
    if (arcs.size() != 2 || arcs[1] == 0) throw std::invalid_argument("bad column number '" + text + "'");
    return static_cast<unsigned>(arcs[1]);
}

Access parseAccess(const std::string& text)
{
    if (text == "ro") return Access::ReadOnly;
    if (text == "rw") return Access::ReadWrite;
    throw std::invalid_argument("access must be ro or rw, not '" + text + "'");
}

bool isAccess(const std::string& text) { return text == "ro" || text == "rw"; }

struct Pending {
    std::string file;
    int line;
    Oid oid;
    bool accessGiven;
    Object object;
};

class Loader {
public:
    Store store;
    std::vector<Table> tables;
    std::vector<Pending> instances;
    std::vector<std::pair<std::string, int>> tableWhere;
    std::vector<int> tableLayer;  // 0 for the data file, then one per variant
    int layer = 0;

    void loadFile(const std::filesystem::path& path, int depth)
    {
        std::ifstream in(path);
        if (!in) throw DataError(path.string(), 0, "cannot open the file");
        std::string text;
        int number = 0;
        while (std::getline(in, text)) {
            ++number;
            try {
                auto tokens = tokenize(text);
                if (tokens.empty()) continue;
                if (tokens[0] == "@include") {
                    if (tokens.size() != 2) throw std::invalid_argument("@include takes one file name");
                    if (depth > 8) throw std::invalid_argument("@include nested too deeply");
                    loadFile(path.parent_path() / tokens[1], depth + 1);
                } else if (tokens[0] == "@table") {
                    tableLine(tokens);
                    tableWhere.emplace_back(path.string(), number);
                    tableLayer.push_back(layer);
                } else if (tokens[0] == "@column") {
                    columnLine(tokens);
                } else if (tokens[0][0] == '@') {
                    throw std::invalid_argument("unknown directive " + tokens[0]);
                } else {
                    instanceLine(path.string(), number, tokens);
                }
            } catch (const DataError&) {
                throw;
            } catch (const std::exception& e) {
                throw DataError(path.string(), number, e.what());
            }
        }
    }

    void tableLine(const std::vector<std::string>& tokens)
    {
        if (tokens.size() < 3) throw std::invalid_argument("@table needs an entry OID and index=...");
        Table t;
        t.entry = parseOid(tokens[1]);
        for (std::size_t i = 2; i < tokens.size(); ++i) {
            const std::string& opt = tokens[i];
            auto eq = opt.find('=');
            std::string key = opt.substr(0, eq), val = eq == std::string::npos ? "" : opt.substr(eq + 1);
            if (key == "index") {
                std::size_t start = 0;
                while (start <= val.size()) {
                    auto comma = val.find(',', start);
                    if (comma == std::string::npos) comma = val.size();
                    t.index.push_back(parseIndexKind(val.substr(start, comma - start)));
                    start = comma + 1;
                }
                for (std::size_t k = 0; k + 1 < t.index.size(); ++k)
                    if (t.index[k] == IndexKind::Implied) throw std::invalid_argument("only the last index may be implied");
            } else if (key == "rowstatus") {
                t.rowStatus = parseColumnNumber(val);
            } else if (key == "entrystatus") {
                t.entryStatus = parseColumnNumber(val);
            } else if (key == "mirror") {
                // COL:PART[,COL:PART...], the part counted from 1 in index= order
                std::size_t start = 0;
                while (start < val.size()) {
                    auto comma = val.find(',', start);
                    if (comma == std::string::npos) comma = val.size();
                    const std::string pair = val.substr(start, comma - start);
                    const auto colon = pair.find(':');
                    if (colon == std::string::npos) throw std::invalid_argument("mirror needs COL:PART");
                    const unsigned part = parseColumnNumber(pair.substr(colon + 1));
                    t.mirrors[parseColumnNumber(pair.substr(0, colon))] = part - 1;
                    start = comma + 1;
                }
            } else if (key == "entryvalid") {
                t.entryValid = static_cast<std::int32_t>(parseColumnNumber(val));
            } else {
                throw std::invalid_argument("unknown table option '" + opt + "'");
            }
        }
        if (t.index.empty()) throw std::invalid_argument("@table needs index=...");
        replaceEarlierTable(t.entry);
        if (t.rowStatus && t.entryStatus) throw std::invalid_argument("a table has a rowstatus or an entrystatus, not both");
        for (const Table& other : tables)
            if (isPrefix(other.entry, t.entry) || isPrefix(t.entry, other.entry))
                throw std::invalid_argument("table overlaps table " + formatOid(other.entry));
        tables.push_back(std::move(t));
    }

    // A variant's table takes the place of an earlier file's table at the same entry, rows and all.
    void replaceEarlierTable(const Oid& entry)
    {
        for (std::size_t i = 0; i < tables.size(); ++i) {
            if (tables[i].entry != entry || tableLayer[i] >= layer) continue;
            std::erase_if(instances, [&](const Pending& p) { return isPrefix(entry, p.oid); });
            tables.erase(tables.begin() + static_cast<std::ptrdiff_t>(i));
            tableWhere.erase(tableWhere.begin() + static_cast<std::ptrdiff_t>(i));
            tableLayer.erase(tableLayer.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
    }

    void columnLine(const std::vector<std::string>& tokens)
    {
        if (tables.empty()) throw std::invalid_argument("@column before any @table");
        if (tokens.size() < 4 || tokens.size() > 5) throw std::invalid_argument("@column takes COL ro|rw TYPE [DEFAULT]");
        Table& t = tables.back();
        unsigned number = parseColumnNumber(tokens[1]);
        if (t.columns.count(number)) throw std::invalid_argument("column " + tokens[1] + " declared twice");
        Column c;
        c.access = parseAccess(tokens[2]);
        c.type = parseTypeName(tokens[3]);
        if (tokens.size() == 5) c.defaultValue = parseValue(c.type, tokens[4]);
        t.columns[number] = c;
    }

    void instanceLine(const std::string& file, int line, const std::vector<std::string>& tokens)
    {
        Pending p{file, line, parseOid(tokens[0]), false, {}};
        if (p.oid[0] != 1) throw std::invalid_argument("objects are served under 1 only");
        std::size_t i = 1;
        if (i < tokens.size() && isAccess(tokens[i])) {
            p.object.access = parseAccess(tokens[i++]);
            p.accessGiven = true;
        }
        if (i + 1 >= tokens.size()) throw std::invalid_argument("expected OID [ro|rw] TYPE VALUE");
        Type type = parseTypeName(tokens[i++]);
        if (type == Type::TimeTicks && tokens[i] == "uptime" && i + 1 == tokens.size()) {
            p.object.uptime = true;
            p.object.values.push_back(parseValue(type, "0"));
        } else {
            for (; i < tokens.size(); ++i) {
                p.object.values.push_back(parseValue(type, tokens[i]));
                if (i + 1 < tokens.size() && tokens[++i] != "|")
                    throw std::invalid_argument("values are separated by |, found '" + tokens[i] + "'");
                if (tokens[i] == "|" && i + 1 == tokens.size()) throw std::invalid_argument("value missing after |");
            }
        }
        instances.push_back(std::move(p));
    }

    // Table membership, column types and index forms are known only once every line is read.
    Store finish()
    {
        for (std::size_t i = 0; i < tables.size(); ++i) {
            Table& t = tables[i];
            for (unsigned s : {t.rowStatus, t.entryStatus})
                if (s && (!t.columns.count(s) || t.columns[s].type != Type::Integer || t.columns[s].access != Access::ReadWrite))
                    throw DataError(tableWhere[i].first, tableWhere[i].second,
                                    "status column " + std::to_string(s) + " must be a declared rw INTEGER column");
            store.addTable(t);
        }
        auto& objects = store.objects();
        for (Pending& p : instances) {
            auto fail = [&](const std::string& reason) { throw DataError(p.file, p.line, reason); };
            Store::Place place = store.locate(p.oid);
            if (place.table) {
                auto col = place.table->columns.find(place.column);
                if (col == place.table->columns.end())
                    fail("column " + std::to_string(place.column) + " is not declared in table " + formatOid(place.table->entry));
                if (!place.table->validIndex(place.index)) fail("index does not match the table's index=");
                if (col->second.type != p.object.values.front().type) fail("type differs from the column's");
                if (p.accessGiven && p.object.access != col->second.access) fail("access differs from the column's");
                p.object.access = col->second.access;
            } else {
                for (const Table& t : store.tables())
                    if (isPrefix(p.oid, t.entry)) fail("object lies above table " + formatOid(t.entry));
            }
            if (!objects.emplace(p.oid, p.object).second) fail("object defined twice");
        }
        store.indexObjects();
        return std::move(store);
    }
};

} // namespace

Store DataFile::load(const std::string& path) { return load(std::vector<std::string>{path}); }

Store DataFile::load(const std::vector<std::string>& paths)
{
    Loader loader;
    for (const std::string& path : paths) {
        loader.loadFile(path, 0);
        ++loader.layer;
    }
    return loader.finish();
}

Binding DataFile::parseBinding(const std::string& line)
{
    auto tokens = tokenize(line);
    if (tokens.size() != 3) throw std::invalid_argument("expected OID TYPE VALUE");
    return {parseOid(tokens[0]), parseValue(parseTypeName(tokens[1]), tokens[2])};
}

} // namespace trvsim
