#include "StartupSettings.h"

#include "KyIni.h"
#include "SuitePaths.h"

#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cstdint>
#include <stdexcept>

namespace {

constexpr std::string_view IniSection = "Program Information";

std::string unsignedText(int value) { return std::to_string(static_cast<std::uint32_t>(value)); }

// Level and protocols are counted from 0 in the file and from 1 everywhere else.
int countedFromOne(int value) { return static_cast<int>(static_cast<std::uint32_t>(value) + 1u); }

}  // namespace

int StrToInt(std::string_view text) {
    std::string_view digits = text;
    if (digits.starts_with('+')) digits.remove_prefix(1);  // from_chars takes '-' only
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || digits.starts_with('-') != text.starts_with('-') || error != std::errc() ||
        end != digits.data() + digits.size())
        throw std::invalid_argument("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

TStartupSettings::TStartupSettings(const KySNMPDevice& device, const KySNMPScope& scope,
                                   const KySNMPSecurity& security)
    : Device(device), Scope(scope), Security(security) {}

void TStartupSettings::Apply(const std::vector<std::string>& args, const std::string& configDirectory) {
    bool addressGiven = false;
    for (const std::string& arg : args)
        if (arg.starts_with("/I")) {
            Launch.DeviceIP = Device.Host = arg.substr(2);
            addressGiven = true;
        }

    // Without an address there is no device file to read.
    if (addressGiven) {
        const std::string iniFile = JoinPath(configDirectory, Launch.DeviceIP + ".cfg");
        if (QFileInfo(QFile::decodeName(iniFile.c_str())).isFile()) ApplyIni(KyIni(iniFile));
    }

    for (const std::string& arg : args)
        if (!arg.starts_with("/I")) ApplySwitch(arg);
}

void TStartupSettings::ApplyIni(const KyIni& ini) {
    auto read = [&](std::string_view key) { return ini.ReadString(IniSection, key, {}); };

    Device.Port = static_cast<std::uint16_t>(StrToInt(read("AgentPort")));
    Launch.AgentPort = std::to_string(Device.Port);

    Launch.Version = read("Version");
    Security.Version = static_cast<std::uint8_t>(StrToInt(Launch.Version));

    if (const std::string name = read("ContextName"); !name.empty()) Launch.ContextName = Scope.ContextName = name;
    Launch.ContextEngineID = Scope.ContextEngineID = read("ContextEngineID");

    Security.SecurityModel = StrToInt(read("SecurityModel"));
    Launch.SecurityModel = std::to_string(Security.SecurityModel);

    if (const std::string level = read("SecurityLevel"); level != "0") {
        Security.SecurityLevel = countedFromOne(StrToInt(level));
        Launch.SecurityLevel = std::to_string(Security.SecurityLevel);
    }

    Launch.SecurityName = Security.SecurityName = read("SecurityName");

    if (const std::string protocol = read("AuthProtocol"); protocol != "0") {
        Security.AuthProtocol = countedFromOne(StrToInt(protocol));
        Launch.AuthProtocol = unsignedText(Security.AuthProtocol);
    }
    if (const std::string protocol = read("PrivProtocol"); protocol != "0") {
        Security.PrivProtocol = countedFromOne(StrToInt(protocol));
        Launch.PrivProtocol = unsignedText(Security.PrivProtocol);
    }

    if (const std::string password = read("AuthPassword"); !password.empty())
        Launch.AuthPassword = Security.AuthPassword = password;
    if (const std::string password = read("PrivPassword"); !password.empty())
        Launch.PrivPassword = Security.PrivPassword = password;
}

bool TStartupSettings::IsVersion3() const { return Launch.Version == "3" || Security.Version == 3; }

void TStartupSettings::ApplySwitch(std::string_view arg) {
    if (arg.size() < 2 || arg[0] != '/') return;
    const char letter = arg[1];
    const std::string value(arg.substr(2));

    switch (letter) {
    case 'R': Launch.ReadCommunity = Security.ReadCommunity = value; return;
    case 'W': Launch.WriteCommunity = Security.WriteCommunity = value; return;
    case 'v':
        Security.Version = static_cast<std::uint8_t>(StrToInt(value));
        Launch.Version = value;
        return;
    }

    // The SNMPv3 switches count only once the version is 3.
    if (!IsVersion3()) return;
    switch (letter) {
    case 't':
        Device.Port = static_cast<std::uint16_t>(StrToInt(value));
        Launch.AgentPort = std::to_string(Device.Port);
        break;
    case 'c':
        Scope.ContextName = value;
        if (!value.empty()) Launch.ContextName = value;
        break;
    case 'd': Launch.ContextEngineID = Scope.ContextEngineID = value; break;
    case 'm':
        Security.SecurityModel = StrToInt(value);
        Launch.SecurityModel = std::to_string(Security.SecurityModel);
        break;
    case 'l':
        Security.SecurityLevel = StrToInt(value);
        if (Security.SecurityLevel != 0) Launch.SecurityLevel = std::to_string(Security.SecurityLevel);
        break;
    case 'n': Launch.SecurityName = Security.SecurityName = value; break;
    case 'A':
        Security.AuthPassword = value;
        if (!value.empty()) Launch.AuthPassword = value;
        break;
    case 'P':
        Security.PrivPassword = value;
        if (!value.empty()) Launch.PrivPassword = value;
        break;
    case 'a':
        Security.AuthProtocol = StrToInt(value);
        if (Security.AuthProtocol != 0) Launch.AuthProtocol = unsignedText(Security.AuthProtocol);
        break;
    case 'p':
        Security.PrivProtocol = StrToInt(value);
        if (Security.PrivProtocol != 0) Launch.PrivProtocol = unsignedText(Security.PrivProtocol);
        break;
    }
}
