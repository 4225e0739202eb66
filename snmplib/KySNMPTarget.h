#pragma once

#include <cstdint>
#include <string>

// The agent a request talks to.
struct KySNMPDevice {
    std::string Host;
    std::uint16_t Port = 0;
};

// SNMPv3 context.
struct KySNMPScope {
    std::string ContextEngineID;
    std::string ContextName;
};

// Version (0 v1, 1 v2c, 3 v3), communities and the SNMPv3 user. Protocol numbers: 1 none; auth 2 MD5,
// 3 SHA; priv 2 DES, 19/20/21 AES-128/192/256.
struct KySNMPSecurity {
    std::uint8_t Version = 0;
    std::string ReadCommunity;
    std::string WriteCommunity;
    int SecurityModel = 0;
    int SecurityLevel = 0;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int AuthProtocol = 0;
    int PrivProtocol = 0;
};

// The target record every request copies when it is created.
extern KySNMPDevice DefaultSNMPDevice;
extern KySNMPScope DefaultSNMPScope;
extern KySNMPSecurity DefaultSNMPSecurity;
extern int DefaultSNMPTimeout;  // one try, in units of 10 ms

// Starts the SNMP engine once: engine-boots counter advanced in "<directory>/KySNMP_PP_BootCounter",
// target defaults written, event pump running. Raises -506, -507 or -508.
void startSNMPSession(const std::string& directory);
bool snmpSessionStarted();
