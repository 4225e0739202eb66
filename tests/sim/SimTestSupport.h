#pragma once
// Shared names for the simulator's tests.
#include "SimAgent.h"
#include "SnmpClient.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <string>

namespace simtest {

using trvtest::Reply;
using trvtest::SetVb;
using trvtest::SnmpClient;
using trvtest::Vb;


inline const std::string E = "1.3.6.1.4.1.32473";
inline const std::string T = E + ".99"; // the test area of syntaxes.txt
inline const std::string sysDescr = "1.3.6.1.2.1.1.1.0";

// The simulator's stored value of an OCTET STRING in the control interface's form.
inline std::string storedString(const std::string& text)
{
    static const char* hex = "0123456789abcdef";
    std::string out = "STRING 0x";
    for (unsigned char c : text) {
        out += hex[c >> 4];
        out += hex[c & 15];
    }
    return out;
}

} // namespace simtest
