// The port security deletion page through its menu item against the simulator: unit and port to the
// stack-wide port number and back, and the units and ports the device has.
#include "AdminPageWindow.h"
#include "PortSercurityDeleteFormUnit.h"

#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string Delete = "1.3.6.1.4.1.32473.11.70.1.2.7.2.";

class PortSecurityDeleteTest : public AdminPageWindow {
protected:
    void withDelete(const std::function<void(TPrtSecDelCtrlForm*)>& check) {
        withAdminPage<TPrtSecDelCtrlForm>("PortSercurityDelete1Click", check);
    }
};

struct Entry {
    const char* vlan;
    const char* unit;
    const char* port;
    const char* mac;
};

QStringList setWith(TPrtSecDelCtrlForm* page, trvtest::SimAgent& sim, const Entry& entry) {
    page->edtVlan->setText(entry.vlan);
    page->UnitEdit->setText(entry.unit);
    page->PortEdit->setText(entry.port);
    page->edtMac->setText(entry.mac);
    sim.clearLog();
    MessageBoxes boxes;
    page->SetButton->click();
    return boxes.Texts;
}

TEST_F(PortSecurityDeleteTest, TheStackWidePortIsShownAsUnitAndPortAndWrittenBack) {
    ASSERT_TRUE(open());
    withDelete([&](TPrtSecDelCtrlForm* page) {
        EXPECT_EQ(page->windowTitle(), "Port Security Delete: 127.0.0.1");
        EXPECT_EQ(page->edtVlan->text(), "default");
        EXPECT_EQ(page->UnitEdit->text(), "3");
        EXPECT_EQ(page->PortEdit->text(), "5");
        EXPECT_EQ(page->edtMac->text(), "001B2C0A1521");
        const std::tuple<const char*, const char*, const char*> numbers[] = {
            {"1", "1", "1"}, {"64", "1", "64"}, {"65", "2", "1"}, {"128", "2", "64"}, {"0", "0", "0"}, {"700", "11", "60"}};
        for (const auto& [number, unit, port] : numbers) {
            SCOPED_TRACE(number);
            page->edtPort->setText(number);
            EXPECT_EQ(page->UnitEdit->text(), unit);
            EXPECT_EQ(page->PortEdit->text(), port);
        }

        // A standalone TRV-5124: unit 1 with 26 ports.
        EXPECT_TRUE(setWith(page, *sim, {"v100", "1", "26", "001b2c0a2626"}).isEmpty());
        EXPECT_EQ(setsUnder(sim->log(), Delete),
                  (std::vector<std::vector<std::string>>{{"1.0=0x76313030", "2.0=26", "3.0=0x001b2c0a2626", "4.0=2"}}));
        EXPECT_EQ(sim->value(Delete + "2.0"), std::optional<std::string>("INTEGER 26"));
        EXPECT_EQ(page->UnitEdit->text(), "1") << "read back after the Set";
        EXPECT_EQ(page->PortEdit->text(), "26");
    });
}

TEST_F(PortSecurityDeleteTest, EntriesOutsideTheDeviceOrIncompleteAreRefusedAndKept) {
    ASSERT_TRUE(open());
    struct Case {
        Entry entry;
        QStringList texts;
        const char* unitAfter;
    };
    const Case cases[] = {
        {{"", "1", "5", "001b2c0a2626"}, {"You should input VLAN name."}, "1"},
        {{"v100", "", "5", "001b2c0a2626"}, {"The Unit should not be empty."}, ""},
        {{"v100", "1", "", "001b2c0a2626"}, {"The Port should not be empty."}, "1"},
        {{"v100", "1", "27", "001b2c0a2626"}, {"You should input valid port."}, "0"},
        {{"v100", "0", "5", "001b2c0a2626"}, {"You should input valid port."}, "0"},
        {{"v100", "2", "5", "001b2c0a2626"}, {"You should input valid port."}, "2"},
        {{"v100", "13", "5", "001b2c0a2626"}, {"Unit should be less than 13.", "You should input valid port."}, "13"},
        {{"v100", "1", "5", "001b2c0a26"}, {"You should input valid MAC address."}, "1"},
        {{"v100", "1", "5", "00-1b-2c-0a"}, {"You should input valid MAC address."}, "1"},
    };
    withDelete([&](TPrtSecDelCtrlForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.texts.join(" ").toStdString());
            EXPECT_EQ(setWith(page, *sim, c.entry), c.texts);
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
            EXPECT_TRUE(ofKind(sim->log(), "GET").empty()) << "what was typed stays to be mended";
            EXPECT_EQ(page->UnitEdit->text(), c.unitAfter);
        }
    });
}

TEST_F(PortSecurityDeleteTest, InAStackEachPresentUnitHasItsModelsPorts) {
    useData("menus-stack.txt");
    ASSERT_TRUE(open());
    withDelete([&](TPrtSecDelCtrlForm* page) {
        EXPECT_EQ(page->UnitPortCount(2), -1) << "unit 2 is absent";
        const int unit3 = page->UnitPortCount(3);
        ASSERT_GT(unit3, 26);
        EXPECT_EQ(setWith(page, *sim, {"v100", "2", "5", "001b2c0a2626"}), QStringList{"You should input valid port."});
        EXPECT_EQ(setWith(page, *sim, {"v100", "3", std::to_string(unit3 + 1).c_str(), "001b2c0a2626"}),
                  QStringList{"You should input valid port."});
        EXPECT_TRUE(setWith(page, *sim, {"v100", "3", "10", "001b2c0a2626"}).isEmpty());
        EXPECT_EQ(setsUnder(sim->log(), Delete).at(0).at(1), "2.0=138");
    });
}

}  // namespace
