// Any bytes as an INI file: parsing and lookups must stay within the text and terminate.
#include "KyIni.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The first line names the section and key to look up; the rest is the file.
    const std::size_t eol = text.find('\n');
    const std::string query = eol == std::string::npos ? std::string() : text.substr(0, eol);
    const std::size_t slash = query.find('/');
    const std::string section = query.substr(0, slash);
    const std::string key = slash == std::string::npos ? std::string() : query.substr(slash + 1);

    const KyIni ini = KyIni::FromText(eol == std::string::npos ? text : text.substr(eol + 1));
    ini.SectionExists(section);
    const std::string value = ini.ReadString(section, key, "default");
    // Whatever the file holds, a value read from it comes back trimmed.
    if (!value.empty() && (static_cast<unsigned char>(value.front()) <= ' ' ||
                           static_cast<unsigned char>(value.back()) <= ' '))
        __builtin_trap();
    return 0;
}
