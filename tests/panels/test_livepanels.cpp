// Front panels against the switch simulator: combo probe, LED variable, colours from the LED string,
// polling and closing.
#include "KyRawValue.h"
#include "KySNMPLedColorMapList.h"
#include "KySNMPRequest2Edits.h"
#include "KySNMPRequest2Leds.h"
#include "PanelForms.h"
#include "PanelOids.h"
#include "SimTarget.h"
#include "UnitBadges.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QTest>

#include <memory>

namespace {

using namespace paneltest;
using trvtest::Fault;

// The stacked unit models of stack12.txt.
const char* const Stack12[] = {"TRV-5124",  "TRV-5248", "TRV-5212", "TRV-5224F", "TRV-5125", "TRV-5148",
                               "TRV-5124E", "TRV-5212F", "TRV-5224", "TRV-5124F", "TRV-5124", "TRV-5248"};

// The OIDs of the GETs the simulator received under a prefix, in order.
std::vector<std::string> readsUnder(trvtest::SimAgent& sim, const std::string& prefix) {
    std::vector<std::string> oids;
    for (const auto& entry : sim.log())
        if (entry.pdu == "GET")
            for (const auto& b : entry.bindings)
                if (b.oid.rfind(prefix, 0) == 0) oids.push_back(b.oid.substr(prefix.size()));
    return oids;
}

// The host a LED shape sits in.
QString hostOf(const KyLedBinding& led) { return led.Shape ? led.Shape->parentWidget()->objectName() : QString(); }

// The colour a LED must have for the octets, decoded here on its own.
std::int32_t expectedColour(const std::string& octets, const KyLedBinding& led, int systemLeds) {
    const auto at = [&](int i) { return std::uint8_t(octets[std::size_t(i)]); };
    const KySNMPLedColorMapList& map = *led.Map;
    if (led.ByteIndex >= int(octets.size())) return map.AbsentColour;
    if (led.ByteIndex < systemLeds) return map.ColourOf(at(led.ByteIndex) & 7);
    if (at(led.ByteIndex) == 1) return map.AbsentColour;
    if (led.ByteIndex + 1 >= int(octets.size())) return map.AbsentColour;
    return map.ColourOf(at(led.ByteIndex + 1) & 7);
}

class LivePanel : public ::testing::Test {
protected:
    void start(const std::string& dataFile) {
        sim = std::make_unique<trvtest::SimAgent>(dataFile);
        targetSimulator(*sim, 1, 30);
        host.StatusTarget = &status;
        host.ImageList1 = MakeImageList1();
        host.ImageList2 = MakeImageList2();
    }
    std::unique_ptr<TFrontPanelForm> build(const std::string& model, int unit) {
        auto panel = CreatePanelForm(*FindPanelModel(model), nullptr);
        panel->UnitId = unit;
        panel->InitPanel(host);
        return panel;
    }
    static bool waitForAnswer(const TFrontPanelForm& panel, int ms = 3000) {
        return QTest::qWaitFor([&] { return panel.LedRequest->RowsDelivered > 0 && !panel.LedRequest->Busy; }, ms);
    }
    static std::string octetsOf(const TFrontPanelForm& panel) {
        const KySNMPVar& v = panel.LedRequest->Request.VarList.GetVar(0);
        return TextToOctets(v.Value, v.Syntax);
    }
    // Every LED shows the colour its byte gives through its map.
    static void expectColoursFollow(const TFrontPanelForm& panel) {
        const std::string octets = octetsOf(panel);
        for (const KyLedBinding& led : panel.LedRequest->Leds) {
            SCOPED_TRACE(hostOf(led).toStdString() + " byte " + std::to_string(led.ByteIndex));
            EXPECT_EQ(led.Colour, expectedColour(octets, led, panel.Model.SystemLeds));
        }
    }

    // The panel's picture shows every LED of its shown windows in the colour its shape holds.
    static void expectShapesDrawn(TFrontPanelForm& panel) {
        const QImage picture = panel.grab().toImage();
        for (const KyLedBinding& led : panel.LedRequest->Leds) {
            if (!led.Shape || !led.Shape->parentWidget()->isVisibleTo(&panel)) continue;
            SCOPED_TRACE(hostOf(led).toStdString() + " byte " + std::to_string(led.ByteIndex));
            const QPoint centre = led.Shape->mapTo(&panel, led.Shape->rect().center());
            EXPECT_EQ(picture.pixelColor(centre), KyLedShape::ToQColor(led.Shape->Colour()));
        }
    }

    std::unique_ptr<trvtest::SimAgent> sim;
    QLabel status;
    TPanelHost host;
};

TEST_F(LivePanel, ComboProbeReadsTheProbedMediumOfTheUnitsComboPorts) {
    start("stack12.txt");
    host.StackModeText = "enabled";
    struct Case {
        int unit;
        std::vector<std::string> instances;
    };
    const Case cases[] = {
        {1, {"21.2", "22.2", "23.2", "24.2"}},
        {2, {"109.2", "110.2", "111.2", "112.2"}},
        {3, {"137.2", "138.2", "139.2", "140.2"}},
        {10, {"597.1", "598.1", "599.1", "600.1"}},
        {12, {"749.2", "750.2", "751.2", "752.2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Stack12[c.unit - 1]);
        sim->clearLog();
        auto panel = build(Stack12[c.unit - 1], c.unit);
        EXPECT_EQ(readsUnder(*sim, LinkStatus), c.instances);
        // The data gives link to the second combo port's probed medium.
        EXPECT_EQ(panel->ComboLinked, (std::array<std::uint8_t, 4>{0, 1, 0, 0}));
    }
}

TEST_F(LivePanel, ComboLedSitsOverTheConnectorThatHasLink) {
    start("stack12.txt");
    host.StackModeText = "enabled";
    struct Case {
        int unit;
        const char* linkedHost;    // combo port 2: linked
        const char* blackHost;
        const char* unlinkedHost;  // combo port 1: not linked
        bool hidesUnused;
    };
    const Case cases[] = {
        {1, "Combo2Panel", "Port22Panel", "Port21Panel", false},
        {8, "Port10Panel", "Combo2Panel", "Combo1Panel", false},   // TRV-5212F: fibre is the main row
        {3, "Combo2Panel", "Port10Panel", "Port9Panel", false},    // TRV-5212
        {4, "Port22Panel", "Combo2Panel", "Combo1Panel", false},   // TRV-5224F
        {10, "Combo2Panel", "Port22Panel", "Port21Panel", true},   // TRV-5124F: copper probed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Stack12[c.unit - 1]);
        auto panel = build(Stack12[c.unit - 1], c.unit);
        panel->show();
        auto* linked = panel->findChild<QWidget*>(c.linkedHost);
        auto* black = panel->findChild<QWidget*>(c.blackHost);
        auto* unlinked = panel->findChild<QWidget*>(c.unlinkedHost);
        ASSERT_TRUE(linked && black && unlinked);
        EXPECT_EQ(linked->findChildren<KyLedShape*>().size(), 1);
        EXPECT_EQ(black->findChildren<KyLedShape*>().size(), 0);
        EXPECT_EQ(unlinked->findChildren<KyLedShape*>().size(), 1);
        EXPECT_EQ(black->palette().color(QPalette::Window).rgb(), UnusedHostColour);
        EXPECT_EQ(black->isVisible(), !c.hidesUnused);
        EXPECT_TRUE(linked->isVisible());
    }
}

TEST_F(LivePanel, ComboPortsAreProbedInOneGetAndOneByOneWhenItFails) {
    start("stack12.txt");
    host.StackModeText = "enabled";
    const auto probes = [&] {
        std::size_t gets = 0;
        for (const auto& entry : sim->log())
            if (entry.pdu == "GET" && !entry.bindings.empty() && entry.bindings[0].oid.rfind(LinkStatus, 0) == 0) ++gets;
        return gets;
    };
    struct Case {
        const char* name;
        int errorStatus;  // of the agent's answer to a request for port 22, once; 0 none
        std::size_t gets;
    } cases[] = {{"answered", 0, 1}, {"refused whole in version 1 style", 2, 5}, {"a general error", 5, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim->clearFaults();
        if (c.errorStatus) sim->addFault({Fault::ErrorStatus, LinkStatus + "22.2", 1, c.errorStatus});
        sim->clearLog();
        auto panel = build(Stack12[0], 1);
        EXPECT_EQ(probes(), c.gets);
        EXPECT_EQ(panel->ComboLinked, (std::array<std::uint8_t, 4>{0, 1, 0, 0}));
    }
}

TEST_F(LivePanel, AFailedProbeCountsAsNotLinkedNotAsThePreviousAnswer) {
    start("standalone-TRV-5124.txt");
    sim->setValue(LinkStatus + "21.2", "INTEGER 2");
    sim->addFault({Fault::ErrorStatus, LinkStatus + "22.2", -1, 5});
    sim->addFault({Fault::Drop, LinkStatus + "23.2"});
    auto panel = build("TRV-5124", 1);
    EXPECT_EQ(panel->ComboLinked, (std::array<std::uint8_t, 4>{1, 0, 0, 0}));
}

// Every model, standalone: its LEDs, their number, and their colours from the string it read.
TEST_F(LivePanel, LedColoursFollowTheLedStringOfEveryModel) {
    for (const TPanelModel& m : PanelModels()) {
        SCOPED_TRACE(m.ModelText);
        start("standalone-" + m.ModelText + ".txt");
        host.StackModeText = "disabled";
        auto panel = build(m.ModelText, 1);
        ASSERT_TRUE(waitForAnswer(*panel));
        // The TRV-5124E polls it for each of its two LED sets; the TRV-5124F reads it once more for its pictures.
        const bool readsTwice = m.ModelText == "TRV-5124E" || m.ModelText == "TRV-5124F";
        EXPECT_EQ(readsUnder(*sim, DeviceLeds).size(), readsTwice ? 2u : 1u);
        EXPECT_EQ(int(panel->LedRequest->Leds.size()), m.SystemLeds + (m.LedLength - m.SystemLeds) / 2);
        EXPECT_EQ(int(octetsOf(*panel).size()), m.LedLength);
        expectColoursFollow(*panel);
        expectShapesDrawn(*panel);
        EXPECT_EQ(panel->LedRequest->Request.Timeout, 300);
        EXPECT_EQ(panel->LedRequest->PollTimer->interval(), 3000);
        EXPECT_EQ(status.text().toStdString().find("Get: Ok! Request: Led Status."), 0u) << status.text().toStdString();
    }
}

TEST_F(LivePanel, SystemAndPortLedsTakeTheirMapsColours) {
    start("standalone-TRV-5124.txt");
    // Power lime, console blinking red, RPS code 4 (blue); port 1 off (absent), port 2 orange blinking,
    // port 3 no colour for code 6, uplink 25 code 0 (orange in the uplink map).
    std::string octets = std::string("\x03\x85\x0c", 3) + std::string("\x01\x03\x82\x02\x02\x06", 6);
    for (int p = 4; p <= 24; ++p) octets += std::string("\x02\x03", 2);
    octets += std::string("\x02\x00\x02\x05", 4);
    sim->setValue(DeviceLeds, "STRING 0x" + QByteArray::fromStdString(octets).toHex().toStdString());
    auto panel = build("TRV-5124", 1);
    ASSERT_TRUE(waitForAnswer(*panel));
    using namespace KyLedColours;
    std::map<int, std::pair<std::int32_t, bool>> byByte;
    for (const KyLedBinding& led : panel->LedRequest->Leds) byByte[led.ByteIndex] = {led.Colour, led.Blinking};
    EXPECT_EQ(byByte[0], std::make_pair(Lime, false));
    EXPECT_EQ(byByte[1], std::make_pair(Red, true));
    EXPECT_EQ(byByte[2], std::make_pair(Blue, false));
    EXPECT_EQ(byByte[3], std::make_pair(Black, false));
    EXPECT_EQ(byByte[5], std::make_pair(Orange, true));
    EXPECT_EQ(byByte[7], std::make_pair(Black, false));
    EXPECT_EQ(byByte[51], std::make_pair(Orange, false));
    EXPECT_EQ(byByte[53], std::make_pair(Red, false));
}

TEST_F(LivePanel, AChangeOnTheSwitchShowsAfterTheNextPoll) {
    start("standalone-TRV-5148.txt");
    auto panel = build("TRV-5148", 1);
    ASSERT_TRUE(waitForAnswer(*panel));
    // Every port red from now on.
    std::string octets("\x03\x03\x03", 3);
    for (int p = 1; p <= 50; ++p) octets += std::string("\x02\x05", 2);
    sim->setValue(DeviceLeds, "STRING 0x" + QByteArray::fromStdString(octets).toHex().toStdString());
    const auto& leds = panel->LedRequest->Leds;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::all_of(leds.begin() + 3, leds.end(), [](const KyLedBinding& l) { return l.Colour == KyLedColours::Red; }); },
        4500));
    EXPECT_GE(readsUnder(*sim, DeviceLeds).size(), 2u);
}

TEST_F(LivePanel, StackedUnitReadsItsOwnEntryAsOctets) {
    start("stack12.txt");
    host.StackModeText = "enabled";
    auto panel = build("TRV-5248", 2);
    ASSERT_TRUE(waitForAnswer(*panel));
    EXPECT_EQ(readsUnder(*sim, E + ".12.11.1.9.4.1.5."), std::vector<std::string>{"2"});
    // The RPS byte is a zero octet: the ports after it still show their colours.
    const std::string octets = octetsOf(*panel);
    ASSERT_EQ(octets.size(), 103u);
    EXPECT_EQ(octets[2], '\0');
    expectColoursFollow(*panel);
    const auto& leds = panel->LedRequest->Leds;
    EXPECT_TRUE(std::any_of(leds.begin() + 3, leds.end(), [](const KyLedBinding& l) { return l.Colour == KyLedColours::Lime; }));

    // The TRV-5212 reads the device's string whatever the stack mode.
    sim->clearLog();
    auto twelve = build("TRV-5212", 3);
    ASSERT_TRUE(waitForAnswer(*twelve));
    EXPECT_EQ(readsUnder(*sim, DeviceLeds).size(), 1u);
    EXPECT_TRUE(readsUnder(*sim, UnitLeds).empty());
}

TEST_F(LivePanel, StackModeInOtherCaseCountsAsNotStacked) {
    start("stack12.txt");
    host.StackModeText = "Enabled";
    auto panel = build("TRV-5124", 1);
    ASSERT_TRUE(waitForAnswer(*panel));
    EXPECT_EQ(readsUnder(*sim, DeviceLeds).size(), 1u);
}

TEST_F(LivePanel, ClosingWithAPollOutDropsItsLateAnswer) {
    start("standalone-TRV-5124.txt");
    sim->addFault({Fault::Delay, DeviceLeds, -1, 5, 800});
    auto panel = build("TRV-5124", 1);
    ASSERT_TRUE(panel->LedRequest->Busy);
    panel->FormClose();
    EXPECT_EQ(panel->LedRequest, nullptr);
    EXPECT_EQ(panel->LinkRequest, nullptr);
    // The answer arrives for nobody.
    QTest::qWait(1200);
    const int polls = int(readsUnder(*sim, DeviceLeds).size());
    QTest::qWait(200);
    EXPECT_EQ(int(readsUnder(*sim, DeviceLeds).size()), polls);
}

TEST_F(LivePanel, PanelOfTheSpeedModelShowsItsBadgeFromTheSecondList) {
    start("stack12.txt");
    host.StackModeText = "enabled";
    auto panel = build("TRV-5124F", 10);
    const QLabel* image2 = panel->findChild<QLabel*>("Image2");
    ASSERT_NE(image2, nullptr);
    EXPECT_EQ(image2->pixmap().toImage(), host.ImageList2[10].toImage());
    // Unit 12 shows image 0, "12": the list has no image 12.
    auto twelfth = build("TRV-5124F", 12);
    EXPECT_EQ(twelfth->findChild<QLabel*>("Image2")->pixmap().toImage(), host.ImageList2[0].toImage());
}

}  // namespace
