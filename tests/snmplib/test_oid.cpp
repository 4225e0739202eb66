#include "KyException.h"
#include "KyOid.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(Oid, ParsesDottedDecimalsStrictly) {
    struct Case {
        std::string text;
        std::optional<std::string> printed;  // nullopt: refused
    };
    std::string longest = "1";
    for (int i = 1; i < 128; ++i) longest += ".1";
    const Case cases[] = {
        {"1.3.6.1.2.1", "1.3.6.1.2.1"},
        {".1.3.6.1.2.1", "1.3.6.1.2.1"},
        {"0", "0"},
        {"", ""},
        {"1.3.4294967295", "1.3.4294967295"},
        {"1.3.0004", "1.3.4"},
        {longest, longest},
        {longest + ".1", std::nullopt},
        {".", std::nullopt},
        {"..1", std::nullopt},
        {"1.3.", std::nullopt},
        {"1..3", std::nullopt},
        {"1.3.4294967296", std::nullopt},
        {"1.3.99999999999", std::nullopt},
        {"1.-3", std::nullopt},
        {"1.+3", std::nullopt},
        {"1.3 ", std::nullopt},
        {"iso.3", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto oid = KyOid::tryParse(c.text);
        ASSERT_EQ(oid.has_value(), c.printed.has_value());
        if (oid) {
            EXPECT_EQ(oid->toString(), *c.printed);
        }
    }
}

TEST(Oid, BadTextRaisesInvalidObjectIdentifier) {
    try {
        KyOid::parse("1.x");
        FAIL();
    } catch (const KyException& e) {
        EXPECT_EQ(e.code(), -417);
    }
}

// A column's walk must not run into the column whose number merely starts with the same digits.
TEST(Oid, LiesUnderABaseOnlyBySubIdentifiers) {
    const KyOid base = KyOid::parse("1.3.6.1.4.1.32473.1.1");
    EXPECT_TRUE(KyOid::parse("1.3.6.1.4.1.32473.1.1.5").isStrictlyUnder(base));
    EXPECT_FALSE(KyOid::parse("1.3.6.1.4.1.32473.1.10.5").isStrictlyUnder(base));
    EXPECT_FALSE(base.isStrictlyUnder(base));
    EXPECT_FALSE(KyOid::parse("1.3.6.1.4.1.32473.1").isStrictlyUnder(base));
}

TEST(Oid, OrdersLikeGetNext) {
    EXPECT_LT(KyOid::parse("1.3.6.1.2"), KyOid::parse("1.3.6.1.10"));
    EXPECT_LT(KyOid::parse("1.3"), KyOid::parse("1.3.0"));
    EXPECT_LT(KyOid::parse("1.3.6.1.1.4294967295"), KyOid::parse("1.3.6.1.2"));
    EXPECT_EQ(KyOid::parse(".1.3.6"), KyOid({1, 3, 6}));
}

TEST(Oid, AppendsSubIdentifiersAndOids) {
    KyOid oid = KyOid::parse("1.3.6");
    oid.append(1);
    oid.append(KyOid{4, 5});
    EXPECT_EQ(oid.toString(), "1.3.6.1.4.5");
}

}  // namespace
