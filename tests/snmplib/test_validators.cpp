// The judges of address, mask and hex texts that edits and pages use.
#include "KyValidators.h"

#include <gtest/gtest.h>

#include <QLineEdit>


namespace {

using Validator = bool (*)(QLineEdit*);

struct Case {
    const char* text;
    bool valid;
};

void expectAll(Validator validator, std::initializer_list<Case> cases) {
    QLineEdit edit;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        edit.setText(QString::fromLatin1(c.text));
        EXPECT_EQ(validator(&edit), c.valid);
        EXPECT_EQ(edit.text(), QString::fromLatin1(c.text)) << "only the short hex check rewrites the text";
    }
}

TEST(Validators, IPv4AddressIsFourDecimalPartsUpTo255) {
    expectAll(isValidIPv4Address, {{"192.0.2.1", true},
                                   {"010.0.0.001", true},
                                   {"0.0.0.0", true},
                                   {"255.255.255.255", true},
                                   {"256.1.1.1", false},
                                   {"1.2.3", false},
                                   {"1.2.3.4.5", false},
                                   {"1.2.3.", false},
                                   {"-1.2.3.4", false},
                                   {"1..3.4", false},
                                   {"0x1.2.3.4", false},
                                   {"1.2.3.4 ", false},
                                   {"", false}});
}

TEST(Validators, MulticastIPv4AddressStartsWith224To239) {
    expectAll(isValidMulticastIPv4Address, {{"224.0.0.1", true},
                                            {"239.255.255.255", true},
                                            {"223.1.1.1", false},
                                            {"240.0.0.1", false},
                                            {"224.0.0", false},
                                            {"224.0.0.256", false}});
}

TEST(Validators, IPv6IsExactly32HexDigits) {
    expectAll(isValidIPv6Hex, {{"20010db8000000000000000000000001", true},
                               {"20010DB8000000000000000000000001", true},
                               {"20010db800000000000000000000001", false},
                               {"20010db80000000000000000000000011", false},
                               {"2001:db8::1", false},
                               {"20010db8:00000000000000000000001", false},
                               {"20010db8000000000000000000000g01", false}});
}

TEST(Validators, MulticastIPv6Is32HexDigitsStartingWithFF) {
    expectAll(isValidMulticastIPv6Address, {{"ff020000000000000000000000000001", true},
                                            {"FF0E0000000000000000000000000101", true},
                                            {"fe800000000000000000000000000001", false},
                                            {"ff02000000000000000000000000001", false},
                                            {"ff02::1", false}});
}

TEST(Validators, MacAddressGroupsAreExactlyTwoHexDigits) {
    expectAll(isValidMACAddress, {{"00-11-22-33-44-55", true},
                                  {"00.11.22.33.44.55", true},
                                  {"001122334455", true},
                                  {"aa-BB-cc-DD-ee-FF", true},
                                  {"0011.2233.4455", false},
                                  {"00:11:22:33:44:55", false},
                                  {"00-11-22-33-44-55XYZ", false},
                                  {"00-11-22-33-44-5", false},
                                  {"00-11-22-33-44-555", false},
                                  {"00-11-22-33-44", false},
                                  {"00-11-22-33-44-55-66", false},
                                  {"00-11-22-33-44-", false},
                                  {"0G-11-22-33-44-55", false},
                                  {"00-11.22-33-44-55", false},
                                  {"00112233445", false},
                                  {"00112233445G", false}});
}

TEST(Validators, MulticastMacHasTheGroupBitAndIsNotBroadcast) {
    expectAll(isMulticastMACAddress, {{"01-00-5E-00-00-01", true},
                                      {"01005e000001", true},
                                      {"33.33.00.00.00.01", true},
                                      {"FF-FF-FF-FF-FF-FF", false},
                                      {"ff.ff.ff.ff.ff.ff", false},
                                      {"01-00-00-00-00-00", false},
                                      {"00-11-22-33-44-55", false},
                                      {"0a-11-22-33-44-55", false},
                                      {"01-00-5E-00-00-01XYZ", false}});
}

TEST(Validators, UnicastMacHasNoGroupBitAndIsNotAllZero) {
    expectAll(isUnicastMACAddress, {{"00-11-22-33-44-55", true},
                                    {"0a1122334455", true},
                                    {"00-00-00-00-00-01", true},
                                    {"00-00-00-00-00-00", false},
                                    {"03-11-22-33-44-55", false},
                                    {"FF-FF-FF-FF-FF-FF", false},
                                    {"00-11-22-33-44-55XYZ", false}});
}

TEST(Validators, SubnetMaskHasContiguousOnes) {
    expectAll(isValidSubnetMask, {{"255.255.255.0", true},
                                  {"128.0.0.0", true},
                                  {"255.255.255.255", true},
                                  {"255.255.254.0", true},
                                  {"0.0.0.0", false},
                                  {"255.0.255.0", false},
                                  {"255.255.255.1", false},
                                  {"255.255.0.255", false},
                                  {"192.255.0.0", false},
                                  {"255.255.255.0.0", false},
                                  {"255.255.256.0", false},
                                  {"255.255..0", false}});
}

TEST(Validators, ShortHexIsNormalisedWhenAccepted) {
    struct HexCase {
        const char* text;
        bool valid;
        const char* after;
    };
    const HexCase cases[] = {{"88a8", true, "88A8"}, {"1", true, "0001"},      {"", true, "0000"},
                             {"ffff", true, "FFFF"}, {"12345", false, "12345"}, {"12G", false, "12G"},
                             {"0x1", false, "0x1"}};
    QLineEdit edit;
    for (const HexCase& c : cases) {
        SCOPED_TRACE(c.text);
        edit.setText(QString::fromLatin1(c.text));
        EXPECT_EQ(isValidShortHex(&edit), c.valid);
        EXPECT_EQ(edit.text(), QString::fromLatin1(c.after));
    }
}

}  // namespace
