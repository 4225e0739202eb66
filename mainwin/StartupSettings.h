#pragma once

#include "KySNMPTarget.h"

#include <string>
#include <string_view>
#include <vector>

class KyIni;

// The texts the viewer command line is rebuilt from, as the switches and the device's INI file gave
// them; numbers as decimal text. All start empty.
struct TLaunchParameters {
    std::string DeviceIP;
    std::string ReadCommunity;
    std::string WriteCommunity;
    std::string AgentPort;
    std::string Version;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::string AuthProtocol;
    std::string PrivProtocol;
    std::string ContextEngineID;
    std::string SecurityLevel;
    std::string ContextName;
    std::string SecurityModel;
};

// What the command line and the device's INI file make of the session's target defaults.
class TStartupSettings {
public:
    TStartupSettings(const KySNMPDevice& device, const KySNMPScope& scope, const KySNMPSecurity& security);

    // The device is the "/I" address, wherever "/I" stands; its INI file "<configDirectory>/<address>.cfg"
    // is read once, then the other switches are applied over it in their order, so the command line
    // wins. A switch counts only at the start of its argument. Raises std::invalid_argument
    // "'<text>' is not a valid integer value" for a number that is none.
    void Apply(const std::vector<std::string>& args, const std::string& configDirectory);

    KySNMPDevice Device;
    KySNMPScope Scope;
    KySNMPSecurity Security;
    TLaunchParameters Launch;

private:
    void ApplyIni(const KyIni& ini);
    void ApplySwitch(std::string_view arg);
    bool IsVersion3() const;
};

// A signed 32-bit decimal number, or std::invalid_argument with the conversion message.
int StrToInt(std::string_view text);
