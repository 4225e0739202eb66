#include "KyIni.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

namespace {

const char* const DeviceIni =
    "; per-device settings\r\n"
    "[Program Information]\r\n"
    "  SecurityLevel =  161  \r\n"
    "AuthProtocol=\"2\"\r\n"
    "PrivProtocol=' 3 '\r\n"
    "Quoted=\"a \"\r\n"
    "Empty=\r\n"
    "Blank=   \r\n"
    "Twice=first\r\n"
    "TWICE=second\r\n"
    "Half=\"open\r\n"
    "NoEquals\r\n"
    "Bytes=\xE4\xF6\r\n"
    ";Commented=1\r\n"
    "\r\n"
    "[ Other ]\r\n"
    "Key=a=b\r\n"
    "[program information]\r\n"
    "Later=2\r\n"
    "SecurityLevel=9\r\n";

}  // namespace

TEST(Ini, FollowsTheWindowsProfileRules) {
    const KyIni ini = KyIni::FromText(DeviceIni);
    struct Case {
        const char* Section;
        const char* Key;
        const char* Default;
        const char* Result;
    };
    const Case cases[] = {
        {"Program Information", "SecurityLevel", "", "161"},
        {"PROGRAM INFORMATION", "securitylevel", "", "161"},
        {"Program Information", "AuthProtocol", "", "2"},
        {"Program Information", "PrivProtocol", "", "3"},
        {"Program Information", "Quoted", "", "a"},
        {"Program Information", "Twice", "", "first"},
        {"Program Information", "Half", "", "\"open"},
        {"Program Information", "Bytes", "", "\xE4\xF6"},
        {"Program Information", "Commented", "0", "0"},
        {"Program Information", "Empty", "dflt", "dflt"},
        {"Program Information", "Empty", "", ""},
        {"Program Information", "Blank", "", ""},
        {"Program Information", "NoEquals", "x", "x"},
        {"Program Information", "Missing", "", ""},
        {"Program Information", "Missing", " 7 ", "7"},
        {"Program Information", "Missing", "   ", ""},
        // Only the first section of a name counts.
        {"Program Information", "Later", "none", "none"},
        {"Other", "Key", "", "a=b"},
        {"Nowhere", "Key", "d", "d"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Section) + "/" + c.Key);
        EXPECT_EQ(ini.ReadString(c.Section, c.Key, c.Default), c.Result);
    }
    EXPECT_TRUE(ini.SectionExists("other"));
    EXPECT_TRUE(ini.SectionExists("Program Information"));
    EXPECT_FALSE(ini.SectionExists("Program"));
}

TEST(Ini, KeysBeforeAnySectionBelongToNone) {
    const KyIni ini = KyIni::FromText("Key=1\n[S]\nKey=2\n");
    EXPECT_EQ(ini.ReadString("", "Key", "d"), "d");
    EXPECT_EQ(ini.ReadString("S", "Key", "d"), "2");
}

TEST(Ini, LineEndsAndByteOrderMarkDoNotMatter) {
    for (const char* text : {"\xEF\xBB\xBF[S]\nK=v\n", "[S]\rK=v", "[S]\r\n\r\nK=v\r\n", "[S]\nK=v"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(KyIni::FromText(text).ReadString("S", "K", ""), "v");
    }
}

TEST(Ini, ReadsAFileOnceAndTreatsAMissingFileAsEmpty) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("device.ini").toStdString();
    std::ofstream(path, std::ios::binary) << "[Program Information]\nSecurityLevel= 161 \n";
    const KyIni ini(path);
    EXPECT_EQ(ini.FileName(), path);
    std::ofstream(path, std::ios::binary) << "[Program Information]\nSecurityLevel=2\n";
    EXPECT_EQ(ini.ReadString("Program Information", "SecurityLevel", "0"), "161");

    const KyIni missing(dir.filePath("none.ini").toStdString());
    EXPECT_EQ(missing.ReadString("Program Information", "SecurityLevel", "0"), "0");
    EXPECT_FALSE(missing.SectionExists("Program Information"));
}
