#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Reads an INI file the way Windows profile functions do: section and key names match without regard
// to letter case, the first section or key of a name wins, values are trimmed and lose one pair of
// surrounding quotes, lines starting with ';' are comments. The file is read once, as bytes.
class KyIni {
public:
    // A missing or unreadable file reads as an empty one.
    explicit KyIni(const std::string& fileName);

    const std::string& FileName() const { return Name; }

    // The value, trimmed; the default unchanged when the key is missing or its value is empty.
    std::string ReadString(std::string_view section, std::string_view key, const std::string& def) const;
    bool SectionExists(std::string_view section) const;

    // Builds the reader from text already in memory.
    static KyIni FromText(std::string_view text);

private:
    KyIni() = default;
    void Parse(std::string_view text);

    struct Section {
        std::string Name;
        std::vector<std::pair<std::string, std::string>> Keys;
    };
    const Section* FindSection(std::string_view name) const;

    std::string Name;
    std::vector<Section> Sections;
};
