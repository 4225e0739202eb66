#pragma once
// Keeps a Net-SNMP process (the program, the simulator, or a test talking to it) away from the host's
// set-up: no MIBs loaded, no configuration read, persistent files only in `dir`. Call before
// init_snmp/init_agent.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline void isolateNetSnmp(const std::string& dir)
{
    // The library creates this on start and says so on stderr; an existing one keeps it quiet.
    std::error_code ec;
    std::filesystem::create_directory(dir + "/cert_indexes", ec);
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", dir.c_str(), 1);
    setenv("SNMPCONFPATH", dir.c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", dir.c_str(), 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    // Both: the library checks the LOAD flag where it means SAVE.
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, dir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, dir.c_str());
}
