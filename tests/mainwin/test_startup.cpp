#include "Registry.h"
#include "StartupSettings.h"
#include "SuitePaths.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>

namespace {

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// The record as the session start leaves it.
TStartupSettings sessionDefaults() {
    KySNMPSecurity security;
    security.ReadCommunity = "tamber";
    security.WriteCommunity = "quiltry";
    security.SecurityModel = security.SecurityLevel = security.AuthProtocol = security.PrivProtocol = 1;
    return TStartupSettings({"127.0.0.1", 161}, {}, security);
}

// Every field of the target record and of the launch texts by name.
std::map<std::string, std::string> fields(const TStartupSettings& s) {
    const KySNMPSecurity& c = s.Security;
    const TLaunchParameters& l = s.Launch;
    return {
        {"Host", s.Device.Host}, {"Port", std::to_string(s.Device.Port)},
        {"ContextEngineID", s.Scope.ContextEngineID}, {"ContextName", s.Scope.ContextName},
        {"Version", std::to_string(c.Version)}, {"ReadCommunity", c.ReadCommunity},
        {"WriteCommunity", c.WriteCommunity}, {"SecurityModel", std::to_string(c.SecurityModel)},
        {"SecurityLevel", std::to_string(c.SecurityLevel)}, {"SecurityName", c.SecurityName},
        {"AuthPassword", c.AuthPassword}, {"PrivPassword", c.PrivPassword},
        {"AuthProtocol", std::to_string(c.AuthProtocol)}, {"PrivProtocol", std::to_string(c.PrivProtocol)},
        {"L.DeviceIP", l.DeviceIP}, {"L.ReadCommunity", l.ReadCommunity}, {"L.WriteCommunity", l.WriteCommunity},
        {"L.AgentPort", l.AgentPort}, {"L.Version", l.Version}, {"L.SecurityName", l.SecurityName},
        {"L.AuthPassword", l.AuthPassword}, {"L.PrivPassword", l.PrivPassword},
        {"L.AuthProtocol", l.AuthProtocol}, {"L.PrivProtocol", l.PrivProtocol},
        {"L.ContextEngineID", l.ContextEngineID}, {"L.SecurityLevel", l.SecurityLevel},
        {"L.ContextName", l.ContextName}, {"L.SecurityModel", l.SecurityModel},
    };
}

// A device file with every number the reader insists on; keys given first win over these.
std::string deviceFile(const std::string& keys) {
    return "[Program Information]\r\n" + keys +
           "AgentPort=161\r\nVersion=0\r\nSecurityModel=1\r\nSecurityLevel=0\r\nAuthProtocol=0\r\nPrivProtocol=0\r\n";
}

class StartupSettingsTest : public ::testing::Test {
protected:
    // Applies the arguments with the device file (when given) stored as <address>.cfg, or under fileName.
    TStartupSettings apply(const std::vector<std::string>& args, const std::optional<std::string>& ini,
                           const std::string& fileName = "10.1.1.1.cfg") {
        if (ini) writeFile(dir.filePath(QString::fromStdString(fileName)).toStdString(), *ini);
        TStartupSettings settings = sessionDefaults();
        settings.Apply(args, dir.path().toStdString());
        return settings;
    }
    QTemporaryDir dir;
};

TEST_F(StartupSettingsTest, SwitchesAndDeviceFileFillTheTargetAndTheLaunchTexts) {
    struct Case {
        const char* Name;
        std::vector<std::string> Args;
        std::optional<std::string> Ini;
        std::map<std::string, std::string> Expect;
        const char* IniName = "10.1.1.1.cfg";
    };
    const Case cases[] = {
        {"the address and the communities",
         {"/I10.1.1.1", "/Rpub", "/Wpriv"},
         std::nullopt,
         {{"Host", "10.1.1.1"}, {"L.DeviceIP", "10.1.1.1"}, {"ReadCommunity", "pub"}, {"L.ReadCommunity", "pub"},
          {"WriteCommunity", "priv"}, {"L.WriteCommunity", "priv"}, {"Port", "161"}, {"L.AgentPort", ""}}},
        {"text before a switch makes no switch",
         {"/I10.1.1.1", "x/Rpub", " /Wpriv"},
         std::nullopt,
         {{"ReadCommunity", "tamber"}, {"L.ReadCommunity", ""}, {"WriteCommunity", "quiltry"}}},
        {"a community holding /I leaves the address",
         {"/I10.1.1.1", "/Rab/I9.9.9.9"},
         std::nullopt,
         {{"Host", "10.1.1.1"}, {"ReadCommunity", "ab/I9.9.9.9"}}},
        {"a password holding /R leaves the community",
         {"/I10.1.1.1", "/v3", "/Apass/Rword"},
         std::nullopt,
         {{"AuthPassword", "pass/Rword"}, {"ReadCommunity", "tamber"}}},
        {"everything after /I is the address",
         {"/I10.1.1.1/Rx"},
         std::nullopt,
         {{"Host", "10.1.1.1/Rx"}, {"ReadCommunity", "tamber"}}},
        {"switches are case-sensitive",
         {"/I10.1.1.1", "/r1", "/V3", "/i2"},
         std::nullopt,
         {{"Host", "10.1.1.1"}, {"ReadCommunity", "tamber"}, {"Version", "0"}}},
        {"an SNMPv3 switch before version 3 is ignored",
         {"/I10.1.1.1", "/nuser", "/t1161", "/v3"},
         std::nullopt,
         {{"Version", "3"}, {"L.Version", "3"}, {"SecurityName", ""}, {"L.SecurityName", ""}, {"Port", "161"}}},
        {"the SNMPv3 switches after /v3",
         {"/I10.1.1.1", "/v3", "/t1161", "/cctx", "/d0x8000", "/m3", "/l3", "/nuser", "/Aauthpass", "/Pprivpass",
          "/a3", "/p19"},
         std::nullopt,
         {{"Port", "1161"}, {"L.AgentPort", "1161"}, {"ContextName", "ctx"}, {"L.ContextName", "ctx"},
          {"ContextEngineID", "0x8000"}, {"L.ContextEngineID", "0x8000"}, {"SecurityModel", "3"},
          {"L.SecurityModel", "3"}, {"SecurityLevel", "3"}, {"L.SecurityLevel", "3"}, {"SecurityName", "user"},
          {"L.SecurityName", "user"}, {"AuthPassword", "authpass"}, {"L.AuthPassword", "authpass"},
          {"PrivPassword", "privpass"}, {"L.PrivPassword", "privpass"}, {"AuthProtocol", "3"},
          {"L.AuthProtocol", "3"}, {"PrivProtocol", "19"}, {"L.PrivProtocol", "19"}}},
        {"zero and empty switch values reach the record but not the launch texts",
         {"/I10.1.1.1", "/v3", "/l0", "/a0", "/p0", "/A", "/P", "/c"},
         std::nullopt,
         {{"SecurityLevel", "0"}, {"L.SecurityLevel", ""}, {"AuthProtocol", "0"}, {"L.AuthProtocol", ""},
          {"PrivProtocol", "0"}, {"L.PrivProtocol", ""}, {"AuthPassword", ""}, {"L.AuthPassword", ""},
          {"L.ContextName", ""}}},
        {"a port switch keeps the low 16 bits",
         {"/I10.1.1.1", "/v3", "/t70000"},
         std::nullopt,
         {{"Port", "4464"}, {"L.AgentPort", "4464"}}},
        {"protocol launch texts are unsigned",
         {"/I10.1.1.1", "/v3", "/a-1"},
         std::nullopt,
         {{"AuthProtocol", "-1"}, {"L.AuthProtocol", "4294967295"}}},
        {"the device file of the /I address",
         {"/I10.1.1.1"},
         deviceFile("AgentPort=1161\r\nVersion=1\r\nSecurityModel=2\r\nContextName=ctx\r\nContextEngineID=abcd\r\n"),
         {{"Port", "1161"}, {"L.AgentPort", "1161"}, {"Version", "1"}, {"L.Version", "1"}, {"SecurityModel", "2"},
          {"L.SecurityModel", "2"}, {"ContextName", "ctx"}, {"L.ContextName", "ctx"}, {"ContextEngineID", "abcd"},
          {"L.ContextEngineID", "abcd"}}},
        {"the file's level and protocols count from 0",
         {"/I10.1.1.1"},
         deviceFile("SecurityLevel=2\r\nAuthProtocol=1\r\nPrivProtocol=18\r\n"),
         {{"SecurityLevel", "3"}, {"L.SecurityLevel", "3"}, {"AuthProtocol", "2"}, {"L.AuthProtocol", "2"},
          {"PrivProtocol", "19"}, {"L.PrivProtocol", "19"}}},
        {"0 in the file keeps the default",
         {"/I10.1.1.1"},
         deviceFile("SecurityLevel=0\r\nAuthProtocol= 0 \r\nPrivProtocol=0\r\n"),
         {{"SecurityLevel", "1"}, {"L.SecurityLevel", ""}, {"AuthProtocol", "1"}, {"L.AuthProtocol", ""},
          {"PrivProtocol", "1"}, {"L.PrivProtocol", ""}}},
        {"empty texts in the file",
         {"/I10.1.1.1"},
         deviceFile("ContextName=\r\nContextEngineID=\r\nAuthPassword=\r\nPrivPassword=\r\nSecurityName=\r\n"),
         {{"ContextName", ""}, {"L.ContextName", ""}, {"ContextEngineID", ""}, {"AuthPassword", ""},
          {"L.AuthPassword", ""}, {"PrivPassword", ""}, {"SecurityName", ""}}},
        {"the file's port keeps the low 16 bits",
         {"/I10.1.1.1"},
         deviceFile("AgentPort=70000\r\n"),
         {{"Port", "4464"}, {"L.AgentPort", "4464"}}},
        {"the file's version 3 lets the SNMPv3 switches count",
         {"/I10.1.1.1", "/nuser", "/t1162"},
         deviceFile("Version=3\r\nSecurityModel=3\r\n"),
         {{"Version", "3"}, {"SecurityName", "user"}, {"Port", "1162"}}},
        {"the command line wins over the file",
         {"/I10.1.1.1", "/v3", "/nuser", "/Rpub", "/Aswitchpass"},
         deviceFile("Version=1\r\nSecurityName=fileuser\r\nAuthPassword=filepass\r\n"),
         {{"Version", "3"}, {"L.Version", "3"}, {"SecurityName", "user"}, {"L.SecurityName", "user"},
          {"ReadCommunity", "pub"}, {"AuthPassword", "switchpass"}}},
        {"the file is read for /I wherever it stands",
         {"/v3", "/nuser", "/I10.1.1.1"},
         deviceFile("Version=1\r\nAgentPort=1161\r\n"),
         {{"Version", "3"}, {"SecurityName", "user"}, {"Port", "1161"}, {"Host", "10.1.1.1"}}},
        {"the last /I names the device",
         {"/I10.9.9.9", "/I10.1.1.1"},
         deviceFile("AgentPort=1161\r\n"),
         {{"Host", "10.1.1.1"}, {"L.DeviceIP", "10.1.1.1"}, {"Port", "1161"}}},
        {"another device's file is not read",
         {"/I10.2.2.2"},
         deviceFile("AgentPort=1161\r\n"),
         {{"Port", "161"}, {"L.AgentPort", ""}}},
        {"no /I reads no file named .cfg",
         {"/Rpub"},
         deviceFile("AgentPort=1161\r\n"),
         {{"Port", "161"}, {"Host", "127.0.0.1"}, {"L.DeviceIP", ""}, {"ReadCommunity", "pub"}},
         ".cfg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir fresh;
        dir.swap(fresh);
        const auto got = fields(apply(c.Args, c.Ini, c.IniName));
        for (const auto& [field, value] : c.Expect) EXPECT_EQ(got.at(field), value) << field;
    }
}

TEST_F(StartupSettingsTest, ANumberThatIsNoneEndsTheStartWithTheConversionMessage) {
    struct Case {
        const char* Name;
        std::vector<std::string> Args;
        std::optional<std::string> Ini;
        const char* Message;
    };
    const Case cases[] = {
        {"version switch", {"/I10.1.1.1", "/vx"}, std::nullopt, "'x' is not a valid integer value"},
        {"empty version switch", {"/I10.1.1.1", "/v"}, std::nullopt, "'' is not a valid integer value"},
        {"port switch with trailing text", {"/I10.1.1.1", "/v3", "/t12a"}, std::nullopt,
         "'12a' is not a valid integer value"},
        {"number beyond 32 bits", {"/I10.1.1.1", "/v3", "/m4294967296"}, std::nullopt,
         "'4294967296' is not a valid integer value"},
        {"level switch with blanks", {"/I10.1.1.1", "/v3", "/l 2"}, std::nullopt, "' 2' is not a valid integer value"},
        {"sign alone", {"/I10.1.1.1", "/v3", "/p-"}, std::nullopt, "'-' is not a valid integer value"},
        {"two signs", {"/I10.1.1.1", "/v3", "/a+-1"}, std::nullopt, "'+-1' is not a valid integer value"},
        {"file port", {"/I10.1.1.1"}, deviceFile("AgentPort=abc\r\n"), "'abc' is not a valid integer value"},
        {"missing level in the file", {"/I10.1.1.1"},
         "[Program Information]\r\nAgentPort=161\r\nVersion=0\r\nSecurityModel=1\r\n",
         "'' is not a valid integer value"},
        {"file protocol", {"/I10.1.1.1"}, deviceFile("PrivProtocol=DES\r\n"), "'DES' is not a valid integer value"},
        // Before the switches, so a valid "/v" cannot hide a broken file.
        {"file version under a valid switch", {"/I10.1.1.1", "/v1"}, deviceFile("Version=v2\r\n"),
         "'v2' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir fresh;
        dir.swap(fresh);
        try {
            apply(c.Args, c.Ini);
            ADD_FAILURE() << "no error";
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
    }
}

TEST(StrToInt, AcceptsSignedDecimalNumbersOf32Bits) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_THROW(StrToInt("2147483648"), std::invalid_argument);
    EXPECT_THROW(StrToInt("0x10"), std::invalid_argument);
}

class RegistryTest : public ::testing::Test {
protected:
    TRegistry registry(const std::string& text) {
        const std::string file = dir.filePath("registry.ini").toStdString();
        writeFile(file, text);
        return TRegistry(file);
    }
    QTemporaryDir dir;
};

TEST_F(RegistryTest, HelpPathGivesTheDirectoryOfTheHelpFile) {
    struct Case {
        const char* Name;
        const char* File;
        const char* Base;
    };
    const Case cases[] = {
        {"suite's help file", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Modules\\HelpPath]\n"
                              "1.3.6.1.4.1.32473.11.70.1=/opt/ostrel/help/TRV51HLP.HLP\n",
         "/opt/ostrel/help/"},
        {"stored with backslashes, key in other letter case",
         "[hkey_local_machine\\software\\ostrel\\modules\\helppath]\n"
         "1.3.6.1.4.1.32473.11.70.1=C:\\Ostrel\\Help\\TRV51HLP.HLP\n",
         "C:/Ostrel/Help/"},
        {"a long file name does not cut into the directory",
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Modules\\HelpPath]\n"
         "1.3.6.1.4.1.32473.11.70.1=/opt/help/TRV5100Series_100402.hlp\n",
         "/opt/help/"},
        {"a bare file name", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Modules\\HelpPath]\n"
                             "1.3.6.1.4.1.32473.11.70.1=TRV51HLP.HLP\n", ""},
        {"key without the value", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Modules\\HelpPath]\nOther=/x/y.hlp\n", ""},
        {"value under another key", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Modules]\n"
                                    "1.3.6.1.4.1.32473.11.70.1=/opt/ostrel/help/TRV51HLP.HLP\n", ""},
        {"no keys at all", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(HelpBaseDirectory(registry(c.File)), c.Base);
    }
    EXPECT_EQ(HelpBaseDirectory(TRegistry(dir.filePath("missing.ini").toStdString())), "");
}

TEST_F(RegistryTest, ConfigurationDirectoryFromExePathOrMibFile) {
    const char* const exePath = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\ExePath]\nPath=/opt/varden/bin\n";
    const char* const exePathWin = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\ExePath]\nPath=C:\\Varden\\bin\\\n";
    const char* const mibFile = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\MibFile]\nPath=/etc/varden/mbf\n";
    struct Case {
        const char* Name;
        std::string File;
        const char* Directory;
    };
    const Case cases[] = {
        {"ExePath", exePath, "/opt/varden/bin/../Conf/MBF/"},
        {"ExePath with backslashes", exePathWin, "C:/Varden/bin/../Conf/MBF/"},
        {"MibFile alone, unchanged", mibFile, "/etc/varden/mbf"},
        {"MibFile replaces ExePath", std::string(exePath) + mibFile, "/etc/varden/mbf"},
        {"ExePath key without Path", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\ExePath]\n", "../Conf/MBF/"},
        {"neither", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1]\nPath=/x\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ConfigDirectory(registry(c.File)), c.Directory);
    }
}

TEST_F(RegistryTest, FileFromTheEnvironmentElseUserThenSystemConfiguration) {
    const QString user = dir.filePath("user"), system = dir.filePath("system");
    QDir().mkpath(user + "/ostrel");
    QDir().mkpath(system + "/ostrel");
    writeFile((system + "/ostrel/registry.ini").toStdString(), "");
    setenv("XDG_CONFIG_HOME", user.toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_DIRS", system.toLocal8Bit().constData(), 1);
    unsetenv("TRV_REGISTRY");

    EXPECT_EQ(TRegistry::DefaultFileName(), (system + "/ostrel/registry.ini").toStdString());
    writeFile((user + "/ostrel/registry.ini").toStdString(), "");
    EXPECT_EQ(TRegistry::DefaultFileName(), (user + "/ostrel/registry.ini").toStdString());
    setenv("TRV_REGISTRY", "/somewhere/registry.ini", 1);
    EXPECT_EQ(TRegistry::DefaultFileName(), "/somewhere/registry.ini");
    unsetenv("TRV_REGISTRY");
    QFile::remove(user + "/ostrel/registry.ini");
    QFile::remove(system + "/ostrel/registry.ini");
    EXPECT_EQ(TRegistry::DefaultFileName(), "");
}

}  // namespace
