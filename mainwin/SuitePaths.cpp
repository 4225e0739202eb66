#include "SuitePaths.h"

#include "Registry.h"

#include <algorithm>

std::string NativePath(std::string_view path) {
    std::string native(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

std::string JoinPath(std::string_view directory, std::string_view name) {
    std::string joined(directory);
    if (!joined.empty() && joined.back() != '/') joined += '/';
    joined += name;
    return joined;
}

std::string HelpBaseDirectory(const TRegistry& registry) {
    // The value names the help file itself; its directory is what the suite shares.
    const std::string helpFile = NativePath(registry.ReadString(HelpPathKey, HelpPathValue));
    const std::size_t slash = helpFile.rfind('/');
    return slash == std::string::npos ? std::string() : helpFile.substr(0, slash + 1);
}

std::string ConfigDirectory(const TRegistry& registry) {
    std::string directory;
    if (registry.KeyExists(ExePathKey)) directory = JoinPath(NativePath(registry.ReadString(ExePathKey, "Path")), "../Conf/MBF/");
    if (registry.KeyExists(MibFileKey)) directory = NativePath(registry.ReadString(MibFileKey, "Path"));
    return directory;
}
