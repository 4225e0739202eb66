#pragma once

#include <string>
#include <string_view>

class TRegistry;

// Keys of the suite below HKEY_LOCAL_MACHINE.
inline constexpr std::string_view HelpPathKey = "\\SOFTWARE\\Ostrel\\Modules\\HelpPath";
inline constexpr std::string_view HelpPathValue = "1.3.6.1.4.1.32473.11.70.1";
inline constexpr std::string_view ExePathKey = "\\SOFTWARE\\Ostrel\\Varden5.1\\ExePath";
inline constexpr std::string_view MibFileKey = "\\SOFTWARE\\Ostrel\\Varden5.1\\MibFile";

// Stored paths may be written with "\": they mean "/" here.
std::string NativePath(std::string_view path);

// directory and name with one "/" between them; an empty directory gives the name alone.
std::string JoinPath(std::string_view directory, std::string_view name);

// The directory of the suite's help file, ending in "/", where the message files lie under "errmsg/";
// empty (the current directory) when the help path names no directory.
std::string HelpBaseDirectory(const TRegistry& registry);

// Where the per-device INI files lie: "<ExePath>/../Conf/MBF/", or the MibFile path when that key
// exists; empty (the current directory) with neither.
std::string ConfigDirectory(const TRegistry& registry);
