// "IPv6 Static Route Table" and "IPv6 Static Route Neighbor Cache Table" with their add dialogs through
// the menu items against the simulator.
#include "ARPIPV6ControlFormEditUnit.h"
#include "ARPIPV6ControlFormUnit.h"
#include "Ipv6StaticRouteEditUnit.h"
#include "Ipv6StaticRouteUnit.h"
#include "Layer3PageWindow.h"

#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string RouteEntry = "1.3.6.1.4.1.32473.12.26.3.1.1.";
const std::string NeighbourEntry = "1.3.6.1.4.1.32473.12.26.4.1.1.";

// Octets of a hex text as sub-identifiers.
std::string octetIndex(const std::string& hex) {
    std::string index;
    for (std::size_t i = 0; i < hex.size(); i += 2)
        index += (index.empty() ? "" : ".") + std::to_string(std::stoi(hex.substr(i, 2), nullptr, 16));
    return index;
}

class Ipv6PagesTest : public Layer3PageWindow {};

TEST_F(Ipv6PagesTest, RouteAddRefusesMalformedFieldsAndSendsNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* destination;
        const char* prefix;
        const char* interfaceName;
        const char* nextHop;
        const char* metric;
        const char* text;
    };
    const char* hop = "20010db80010000000000000000000fe";
    const Case cases[] = {
        {"", "64", "ipif10", hop, "", "Please Set Destination Address"},
        {"20010db803000000000000000000000", "64", "ipif10", hop, "", "Please input a valid IPv6 address"},
        {"20010db803000000000000000000000g", "64", "ipif10", hop, "", "Please input a valid IPv6 address"},
        {"2001:db8:300::0000000000000000000", "64", "ipif10", hop, "", "Please input a valid IPv6 address"},
        {"20010db8030000000000000000000000", "", "ipif10", hop, "", "Please Set Prefix length"},
        {"20010db8030000000000000000000000", "129", "ipif10", hop, "", "Prefix should between 0-128"},
        {"20010db8030000000000000000000000", "64", "", hop, "", "Please Set Interface Name"},
        {"20010db8030000000000000000000000", "64", "ipif10", "", "", "Please Set Next Hop Address"},
        {"20010db8030000000000000000000000", "64", "ipif10", "20010db8030000000000000000000000", "",
         "Duplicate IP address, Please input a valid Next Hop"},
        {"20010db8030000000000000000000000", "64", "ipif10", hop, "0", "Metric should between 1-65535"},
    };
    withPage<TIpv6StaticRouteForm>("IPv6StaticRoute1Click", [&](TIpv6StaticRouteForm* page) {
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
        TIpv6StaticRouteEditForm* dialog = page->Ipv6StaticRouteEditForm;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            sim->clearLog();
            MessageBoxes boxes;
            inDialog(dialog, page->AddButton, [&] {
                dialog->edtDst->setText(c.destination);
                dialog->edtPrefix->setText(c.prefix);
                dialog->edtInterface->setText(c.interfaceName);
                dialog->edtNextHop->setText(c.nextHop);
                dialog->edtMetric->setText(c.metric);
                dialog->btnSet->click();
            });
            EXPECT_EQ(boxes.Texts, QStringList{c.text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
    });
}

TEST_F(Ipv6PagesTest, RoutesAreCreatedWithCreateAndGoAndDestroyedWithTheirBackupState) {
    ASSERT_TRUE(open());
    withPage<TIpv6StaticRouteForm>("IPv6StaticRoute1Click", [&](TIpv6StaticRouteForm* page) {
        TIpv6StaticRouteEditForm* dialog = page->Ipv6StaticRouteEditForm;
        MessageBoxes answers;
        sim->clearLog();
        inDialog(dialog, page->btnAddDefault, [&] {
            EXPECT_EQ(dialog->windowTitle(), "IPv6 Static Route Table: 127.0.0.1(Add default)");
            EXPECT_FALSE(dialog->edtDst->isEnabled());
            dialog->edtInterface->setText("ipif20");
            dialog->edtNextHop->setText("20010DB80020000000000000000000FE");
            dialog->edtMetric->setText("7");
            dialog->btnSet->click();
        });
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == 4; }))
            << answers.Texts.join("|").toStdString();
        const std::string added = octetIndex(std::string(32, '0')) + ".0." + textIndex("ipif20") + "." +
                                  octetIndex("20010db80020000000000000000000fe");
        EXPECT_EQ(setsUnder(sim->log(), RouteEntry),
                  (std::vector<std::vector<std::string>>{{"5." + added + "=7", "8." + added + "=4", "9." + added + "=3"}}));
        EXPECT_EQ(sim->value(RouteEntry + "8." + added), std::optional<std::string>("INTEGER 1"));
        EXPECT_EQ(sim->value(RouteEntry + "4." + added),
                  std::optional<std::string>("STRING 0x20010db80020000000000000000000fe"))
            << "the new route lists its next hop";

        const std::string lab = octetIndex("20010db8010000000000000000000000") + ".48." + textIndex("ipif20") + "." +
                                octetIndex("20010db80020000000000000000000fe");
        for (int i = 0; i < page->ListView1->topLevelItemCount(); ++i)
            if (page->ListView1->topLevelItem(i)->text(TIpv6StaticRouteForm::PrefixLength) == "48")
                page->ListView1->setCurrentItem(page->ListView1->topLevelItem(i));
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == 3; }));
        EXPECT_EQ(setsUnder(sim->log(), RouteEntry),
                  (std::vector<std::vector<std::string>>{{"8." + lab + "=6", "9." + lab + "=3"}}))
            << "the metric is left out; the next hop travels in the instance";
        EXPECT_FALSE(sim->value(RouteEntry + "5." + lab).has_value());
    });
}

TEST_F(Ipv6PagesTest, NeighboursAreAddedWithCheckedKeysAndDestroyed) {
    ASSERT_TRUE(open());
    struct Case {
        const char* address;
        const char* mac;
        const char* interfaceName;
        const char* text;
    };
    const char* address = "20010db80010000000000000000000fd";
    const Case cases[] = {
        {"", "001b2c9a2b41", "ipif10", "Please Set IPv6 Address"},
        {"20010db80010000000000000000000f", "001b2c9a2b41", "ipif10", "Please input a valid IPv6 address"},
        {address, "", "ipif10", "Please Set MAC Address"},
        {address, "00-1b-2c-9a-2b-41", "ipif10", "Invalid MAC address"},
        {address, "001b2c9a2b4", "ipif10", "Invalid MAC address"},
        {address, "001b2c9a2b4x", "ipif10", "Invalid MAC address"},
        {address, "001b2c9a2b41", "", "Please input an index first"},
    };
    withPage<TARPIPV6ControlForm>("ARPControlIPv61Click", [&](TARPIPV6ControlForm* page) {
        EXPECT_EQ(page->windowTitle(), "IPv6 Static Route Neighbor Cache Table: 127.0.0.1");
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
        TARPIPv6ControlEditForm* dialog = page->ARPIPv6ControlEditForm;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            sim->clearLog();
            MessageBoxes boxes;
            inDialog(dialog, page->AddButton, [&] {
                EXPECT_EQ(dialog->windowTitle(), "IPv6 Neighbor Cache Table: 127.0.0.1 (Add)");
                dialog->edtAddress->setText(c.address);
                dialog->edtMac->setText(c.mac);
                dialog->edtInterface->setText(c.interfaceName);
                dialog->btnSet->click();
            });
            EXPECT_EQ(boxes.Texts, QStringList{c.text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }

        MessageBoxes answers;
        sim->clearLog();
        inDialog(dialog, page->AddButton, [&] {
            dialog->edtAddress->setText(address);
            dialog->edtMac->setText("001B2C9A2B41");
            dialog->edtInterface->setText("ipif10");
            dialog->btnSet->click();
        });
        const std::string added = octetIndex(address) + "." + octetIndex("001b2c9a2b41") + "." + textIndex("ipif10");
        EXPECT_EQ(setsUnder(sim->log(), NeighbourEntry), (std::vector<std::vector<std::string>>{{"5." + added + "=4"}}))
            << answers.Texts.join("|").toStdString();
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 4) << "read again before the dialog closed";
        EXPECT_EQ(sim->value(NeighbourEntry + "3." + added), std::optional<std::string>("STRING 0x697069663130"));

        page->ListView1->setCurrentItem(page->ListView1->topLevelItem(0));
        const std::string first = octetIndex("20010db80010000000000000000000fd") + "." + octetIndex("001b2c9a2b41") +
                                  "." + textIndex("ipif10");
        sim->clearLog();
        page->DeleteButton->click();
        EXPECT_EQ(setsUnder(sim->log(), NeighbourEntry), (std::vector<std::vector<std::string>>{{"5." + first + "=6"}}))
            << "only the status: the reach state is left out";
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
    });
}

}  // namespace
