#pragma once
// Points the library's target record at a running simulator: the engine started once per program, v1 or
// v2c with the simulator's communities.
#include "KySNMPTarget.h"
#include "SimAgent.h"

#include <QTemporaryDir>

#include <cstdint>

inline void targetSimulator(const trvtest::SimAgent& sim, std::uint8_t version = 1, int timeout = 30) {
    static QTemporaryDir counterDir;
    if (!snmpSessionStarted()) startSNMPSession(counterDir.path().toStdString());
    DefaultSNMPDevice = {"127.0.0.1", std::uint16_t(sim.port())};
    DefaultSNMPSecurity = {};
    DefaultSNMPSecurity.Version = version;
    DefaultSNMPSecurity.ReadCommunity = "tamber";
    DefaultSNMPSecurity.WriteCommunity = "quiltry";
    DefaultSNMPSecurity.SecurityModel = version + 1;
    DefaultSNMPSecurity.SecurityLevel = 1;
    DefaultSNMPSecurity.AuthProtocol = 1;
    DefaultSNMPSecurity.PrivProtocol = 1;
    DefaultSNMPTimeout = timeout;
}
