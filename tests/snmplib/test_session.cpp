// Engine start-up without an agent: the boots counter file, the target defaults and the status mapping of
// Net-SNMP outcomes.
#include "KyBootCounter.h"
#include "KyException.h"
#include "KySNMPStatus.h"
#include "KySNMPTarget.h"
#include "KySNMPTransport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

int startCode(const std::string& directory) {
    try {
        startSNMPSession(directory);
        return 0;
    } catch (const KyException& error) {
        return error.code();
    }
}

class BootCounter : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string path(const char* name = "KySNMP_PP_BootCounter") const { return dir.filePath(name).toStdString(); }
};

TEST_F(BootCounter, MissingFileOrEntryReadsZero) {
    unsigned boots = 7;
    EXPECT_EQ(getBootCounter(path(), "KySNMP_PP_Application", boots), -2);
    EXPECT_EQ(boots, 0u);
    writeFile(path(), "OtherEngine 12\n");
    EXPECT_EQ(getBootCounter(path(), "KySNMP_PP_Application", boots), -1);
    EXPECT_EQ(boots, 0u);
}

TEST_F(BootCounter, SaveKeepsOtherEnginesAndReadsBack) {
    writeFile(path(), "OtherEngine 12\r\nKySNMP_PP_Application 4\n");
    ASSERT_EQ(saveBootCounter(path(), "KySNMP_PP_Application", 5), 0);
    unsigned boots = 0;
    EXPECT_EQ(getBootCounter(path(), "KySNMP_PP_Application", boots), 0);
    EXPECT_EQ(boots, 5u);
    EXPECT_EQ(getBootCounter(path(), "OtherEngine", boots), 0);
    EXPECT_EQ(boots, 12u);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path()) + ".tmp"));
}

TEST_F(BootCounter, DamagedFileOrLongEngineIdIsAnError) {
    struct Case {
        const char* name;
        std::string content;
        std::string engineId;
    } cases[] = {
        {"line without a count", "KySNMP_PP_Application\n", "KySNMP_PP_Application"},
        {"count that is no number", "KySNMP_PP_Application x12\n", "KySNMP_PP_Application"},
        {"count beyond 32 bits", "KySNMP_PP_Application 4294967296\n", "KySNMP_PP_Application"},
        {"engine ID over 32 bytes", "", std::string(33, 'e')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path(), c.content);
        unsigned boots = 9;
        EXPECT_EQ(getBootCounter(path(), c.engineId, boots), -3);
    }
}

class SessionStart : public ::testing::Test {
protected:
    QTemporaryDir dir;
};

TEST_F(SessionStart, CountsBootsAcrossStartsAndWritesTheDefaults) {
    const std::string directory = dir.path().toStdString();
    DefaultSNMPDevice = {"10.9.9.9", 1161};
    ASSERT_EQ(startCode(directory), 0);
    EXPECT_EQ(readAll(directory + "/KySNMP_PP_BootCounter"), "KySNMP_PP_Application 1\n");
    // With and without a final separator the directory names the same file.
    ASSERT_EQ(startCode(directory + "/"), 0);
    EXPECT_EQ(readAll(directory + "/KySNMP_PP_BootCounter"), "KySNMP_PP_Application 2\n");

    EXPECT_EQ(DefaultSNMPDevice.Host, "127.0.0.1");
    EXPECT_EQ(DefaultSNMPDevice.Port, 161);
    EXPECT_EQ(DefaultSNMPSecurity.Version, 0);
    EXPECT_EQ(DefaultSNMPSecurity.ReadCommunity, "tamber");
    EXPECT_EQ(DefaultSNMPSecurity.WriteCommunity, "quiltry");
    EXPECT_EQ(DefaultSNMPSecurity.SecurityModel, 1);
    EXPECT_EQ(DefaultSNMPSecurity.SecurityLevel, 1);
    EXPECT_EQ(DefaultSNMPSecurity.AuthProtocol, 1);
    EXPECT_EQ(DefaultSNMPSecurity.PrivProtocol, 1);
    EXPECT_EQ(DefaultSNMPTimeout, 100);
    EXPECT_TRUE(snmpSessionStarted());
}

TEST_F(SessionStart, FailsOnAnUnreadableOrUnwritableCounter) {
    const std::string directory = dir.path().toStdString();
    writeFile(directory + "/KySNMP_PP_BootCounter", "KySNMP_PP_Application many\n");
    EXPECT_EQ(startCode(directory), -507);

    if (geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
    QFile::remove(QString::fromStdString(directory + "/KySNMP_PP_BootCounter"));
    chmod(directory.c_str(), 0500);
    EXPECT_EQ(startCode(directory), -508);
    chmod(directory.c_str(), 0700);
}

TEST_F(SessionStart, MissingDirectoryCannotHoldTheCounter) {
    EXPECT_EQ(startCode(dir.filePath("no/such/folder").toStdString()), -508);
}

TEST(StatusMapping, NetSnmpOutcomesGetTheirOwnCodes) {
    struct Case {
        int netSnmpError;
        int code;
    } cases[] = {
        {SNMPERR_TIMEOUT, -405},
        {SNMPERR_UNKNOWN_USER_NAME, -304},
        {SNMPERR_USM_UNKNOWNSECURITYNAME, -304},
        {SNMPERR_AUTHENTICATION_FAILURE, -308},
        {SNMPERR_USM_AUTHENTICATIONFAILURE, -307},
        {SNMPERR_NOT_IN_TIME_WINDOW, -311},
        {SNMPERR_UNKNOWN_ENG_ID, -310},
        {SNMPERR_DECRYPTION_ERR, -306},
        {SNMPERR_UNSUPPORTED_SEC_LEVEL, -303},
        {SNMPERR_USM_ENCRYPTIONERROR, -305},
        {SNMPERR_USM_PARSEERROR, -309},
        {SNMPERR_USM_GENERICERROR, -301},
        {SNMPERR_UNKNOWN_SEC_MODEL, -201},
        {SNMPERR_INVALID_MSG, -204},
        {SNMPERR_BAD_VERSION, -214},
        {SNMPERR_BAD_CONTEXT, -215},
        {SNMPERR_BAD_PARSE, -207},
        {SNMPERR_BAD_SENDTO, -422},
        {SNMPERR_TOO_LONG, -411},
        {SNMPERR_GENERR, -401},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.netSnmpError);
        int code = 0;
        std::string message;
        mapSNMPStatus(KySNMPTransport::statusOfNetSnmpError(c.netSnmpError), code, message);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(message, messageOf(c.code));
    }
}

}  // namespace
