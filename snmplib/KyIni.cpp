#include "KyIni.h"

#include "KyTextUtils.h"

#include <fstream>
#include <iterator>

namespace {

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
        if (x != y) return false;
    }
    return true;
}

std::string stripQuotes(std::string value) {
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

KyIni::KyIni(const std::string& fileName) : Name(fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return;
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Parse(data);
}

KyIni KyIni::FromText(std::string_view text) {
    KyIni ini;
    ini.Parse(text);
    return ini;
}

void KyIni::Parse(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // editors' UTF-8 mark
    Section* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string line = Trim(text.substr(start, end - start));
        start = end + 1;

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string name = Trim(std::string_view(line).substr(1, close == std::string::npos ? close : close - 1));
            // A repeated section adds nothing: lookups only ever see the first one of a name.
            current = FindSection(name) ? nullptr : &Sections.emplace_back(Section{name, {}});
            continue;
        }
        if (!current) continue;
        const std::size_t equals = line.find('=');
        const std::string key = Trim(std::string_view(line).substr(0, equals));
        const std::string value = equals == std::string::npos ? std::string() : Trim(std::string_view(line).substr(equals + 1));
        current->Keys.emplace_back(key, stripQuotes(value));
    }
}

const KyIni::Section* KyIni::FindSection(std::string_view name) const {
    for (const Section& s : Sections)
        if (sameName(s.Name, name)) return &s;
    return nullptr;
}

bool KyIni::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

std::string KyIni::ReadString(std::string_view section, std::string_view key, const std::string& def) const {
    std::string found = def;
    if (const Section* s = FindSection(section)) {
        for (const auto& [k, v] : s->Keys)
            if (sameName(k, key)) {
                found = v;
                break;
            }
    }
    // Like the profile reader: nothing read gives the default as it was passed.
    return found.empty() ? def : Trim(found);
}
