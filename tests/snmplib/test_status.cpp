#include "KyException.h"
#include "KySNMPStatus.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

TEST(StatusMapping, EveryFamilyMapsToItsCodeAndText) {
    struct Case {
        int Status;
        int Code;
        const char* Text;
    };
    const Case cases[] = {
        {0, 0, "Ok!"},
        {1400, 0, "Ok!"},
        {-1401, 0, "Ok!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {2, -102, "(SNMP) Variable does not exist!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {19, -528, "Unknown error code!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1413, -313, "(SNMPv3USM) Unsupported PrivProtocol!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {1415, -528, "Unknown error code!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {-1419, -528, "Unknown error code!"},
        {-1, -401, "(SNMPClass) Operation failed!"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-9, -409, "(SNMPClass)Unknown error code!"},
        {-20, -420, "(SNMP Class) Transport is not supported!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        {-24, -528, "Unknown error code!"},
        {1399, -528, "Unknown error code!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Status);
        int code = 1;
        std::string message;
        mapSNMPStatus(c.Status, code, message);
        EXPECT_EQ(code, c.Code);
        EXPECT_EQ(message, c.Text);
        EXPECT_EQ(messageOf(code), c.Text);
    }
}

TEST(StatusMapping, OwnAndCommonCodesReadTheirTexts) {
    struct Case {
        int Code;
        const char* Text;
    };
    const Case cases[] = {
        {-501, "Fail to read SNMP variables from file([FILENAME])!"},
        {-512, "Null value in the expression!"},
        {-528, "Unknown error code!"},
        {-1, " Bad logic operand!"},
        {-9, " Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
             "Here,the count of the number is less than [MAXCOUNT]!"},
        {-12, " Out of range at index of array or list!"},
        {-14, " The source to dncrypt is not encrypted!"},
        {-25, " Please enter a valid unicast MAC address!"},
        {-26, "Unknown error code!"},
        {-100, "Unknown error code!"},
        {-529, "Unknown error code!"},
        {7, "Unknown error code!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Code);
        EXPECT_EQ(messageOf(c.Code), c.Text);
    }
    EXPECT_EQ(SNMPStatusTemplates.Text(1), "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].");
}

TEST(StatusMapping, ExceptionCarriesCodeAndCurrentText) {
    const KyException e(-12);
    EXPECT_EQ(e.code(), -12);
    EXPECT_STREQ(e.what(), " Out of range at index of array or list!");
}

class MessageFile : public ::testing::Test {
protected:
    void TearDown() override {
        SNMPErrorTexts.Replace({});
        CommonErrorTexts.Replace({});
    }
    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = Dir.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    QTemporaryDir Dir;
};

TEST_F(MessageFile, BlankLinesTakeNoSlotAndBlanksAroundTextStay) {
    ASSERT_TRUE(loadMessageFile(SNMPErrorTexts, write("snmp.err", "a\n\n  b  \n")));
    EXPECT_EQ(SNMPErrorTexts.Text(0), "a");
    EXPECT_EQ(SNMPErrorTexts.Text(1), "  b  ");
}

TEST_F(MessageFile, EveryLineEndConventionIsCut) {
    struct Case {
        const char* Name;
        std::string Bytes;
    };
    const Case cases[] = {
        {"LF", "one\ntwo\nthree"},
        {"CRLF", "one\r\ntwo\r\nthree\r\n"},
        {"CR", "one\rtwo\r\rthree\r"},
        {"mixed with blank lines", "\r\none\r\n \t\r\ntwo\nthree"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_TRUE(loadMessageFile(SNMPErrorTexts, write("f.err", c.Bytes)));
        EXPECT_EQ(SNMPErrorTexts.Text(0), "one");
        EXPECT_EQ(SNMPErrorTexts.Text(1), "two");
        EXPECT_EQ(SNMPErrorTexts.Text(2), "three");
    }
}

TEST_F(MessageFile, MissingOrBlankFileKeepsTheBuiltInTable) {
    EXPECT_FALSE(loadMessageFile(SNMPErrorTexts, Dir.filePath("none.err").toStdString()));
    EXPECT_FALSE(loadMessageFile(SNMPErrorTexts, write("empty.err", "")));
    EXPECT_FALSE(loadMessageFile(SNMPErrorTexts, write("blank.err", "  \r\n\t\n\n")));
    EXPECT_EQ(messageOf(-101), "(SNMP) Response PDU Too Big!");
}

TEST_F(MessageFile, ShortFileFallsBackToBuiltInTextsBeyondItsEnd) {
    ASSERT_TRUE(loadMessageFile(SNMPErrorTexts, write("snmp.err", "first\nsecond\nthird\n")));
    EXPECT_EQ(messageOf(-103), "third");
    EXPECT_EQ(messageOf(-104), "(SNMP) Cannot modify object, Read Only!");
    int code = 0;
    std::string message;
    mapSNMPStatus(18, code, message);
    EXPECT_EQ(message, "(SNMP) Cannot create variable, Inconsistent Name!");
}

TEST_F(MessageFile, LongLineStaysOneMessage) {
    const std::string longText(3000, 'x');
    ASSERT_TRUE(loadMessageFile(SNMPErrorTexts, write("snmp.err", longText + "\nsecond\n")));
    EXPECT_EQ(messageOf(-101), longText);
    EXPECT_EQ(messageOf(-102), "second");
}

TEST_F(MessageFile, EightBitBytesAreKept) {
    ASSERT_TRUE(loadMessageFile(CommonErrorTexts, write("common.err", " Ok!\n Fehler \xE4\xF6\xFC!\n")));
    EXPECT_EQ(messageOf(-1), " Fehler \xE4\xF6\xFC!");
    EXPECT_STREQ(KyException(-1).what(), " Fehler \xE4\xF6\xFC!");
}

TEST_F(MessageFile, StartUpLoadsFromTheErrmsgFolder) {
    ASSERT_TRUE(QDir(Dir.path()).mkdir("errmsg"));
    write("errmsg/common.err", " zero\n one\n");
    write("errmsg/snmp.err", "big\n");
    loadMessageFiles(Dir.path().toStdString());
    EXPECT_EQ(messageOf(-1), " one");
    EXPECT_EQ(messageOf(-101), "big");
    EXPECT_EQ(messageOf(-201), "(SNMPv3) Unsupported Security Model!");
}
