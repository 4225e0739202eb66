#include "KySNMPTarget.h"

#include "KyBootCounter.h"
#include "KyException.h"
#include "KySNMPTransport.h"
#include "SnmpEventProcessor.h"

KySNMPDevice DefaultSNMPDevice;
KySNMPScope DefaultSNMPScope;
KySNMPSecurity DefaultSNMPSecurity;
int DefaultSNMPTimeout = 0;

namespace {

constexpr const char* BootCounterFileName = "KySNMP_PP_BootCounter";
constexpr const char* LocalEngineId = "KySNMP_PP_Application";
bool started = false;

std::string bootCounterPath(const std::string& directory) {
    if (directory.empty()) return BootCounterFileName;
    if (directory.back() == '/' || directory.back() == '\\') return directory + BootCounterFileName;
    return directory + "/" + BootCounterFileName;
}

}  // namespace

void startSNMPSession(const std::string& directory) {
    try {
        KySNMPTransport::initialise();
    } catch (...) {
        throw KyException(-506);
    }

    const std::string counterFile = bootCounterPath(directory);
    unsigned boots = 0;
    if (getBootCounter(counterFile, LocalEngineId, boots) < -2) throw KyException(-507);
    ++boots;
    if (saveBootCounter(counterFile, LocalEngineId, boots) != 0) throw KyException(-508);
    KySNMPTransport::setLocalEngine(LocalEngineId);

    DefaultSNMPDevice = {"127.0.0.1", 161};
    DefaultSNMPScope = {};
    DefaultSNMPSecurity = {};
    DefaultSNMPSecurity.Version = 0;
    DefaultSNMPSecurity.ReadCommunity = "tamber";
    DefaultSNMPSecurity.WriteCommunity = "quiltry";
    DefaultSNMPSecurity.SecurityModel = 1;
    DefaultSNMPSecurity.SecurityLevel = 1;
    DefaultSNMPSecurity.AuthProtocol = 1;
    DefaultSNMPSecurity.PrivProtocol = 1;
    DefaultSNMPTimeout = 100;

    started = true;
    EventProcessor.Enable();
}

bool snmpSessionStarted() {
    return started;
}
