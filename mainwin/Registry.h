#pragma once

#include "KyIni.h"

#include <string>
#include <string_view>

// The suite's HKEY_LOCAL_MACHINE keys, read-only, from one INI-syntax file: a section per key, named by
// the full key path ("HKEY_LOCAL_MACHINE\SOFTWARE\Ostrel\Modules\HelpPath"), and the key's values in it.
class TRegistry {
public:
    // A missing file is a registry without keys.
    explicit TRegistry(const std::string& fileName);

    // The file named by TRV_REGISTRY, else "ostrel/registry.ini" under the user's and then the
    // system's configuration directory; empty when there is none.
    static std::string DefaultFileName();

    // key: the path below HKEY_LOCAL_MACHINE, such as "\SOFTWARE\Ostrel\Varden5.1\ExePath".
    bool KeyExists(std::string_view key) const;
    // The value's text; empty when the key or the value is missing.
    std::string ReadString(std::string_view key, std::string_view name) const;

private:
    static std::string SectionOf(std::string_view key);

    KyIni Ini;
};
