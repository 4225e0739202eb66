// The two front panels that add behaviour, against the switch simulator: the TRV-5124E's PoE LED set and
// its LED mode on the device, the TRV-5124F's speed pictures.
#include "KySNMPLedColorMapList.h"
#include "KySNMPRequest2Edits.h"
#include "KySNMPRequest2Leds.h"
#include "PanelOids.h"
#include "PanelTRV5124EFormUnit.h"
#include "PanelTRV5124FFormUnit.h"
#include "SimTarget.h"
#include "UnitBadges.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <map>
#include <set>
#include <memory>

namespace {

using namespace paneltest;
using trvtest::Fault;

std::string hexValue(const std::string& octets) {
    return "STRING 0x" + QByteArray::fromStdString(octets).toHex().toStdString();
}

// A LED string: the system bytes, then one state and colour byte per port from the list, in port order.
std::string ledString(int systemLeds, const std::vector<std::pair<int, int>>& ports) {
    std::string octets(std::size_t(systemLeds), '\x03');
    for (const auto& [state, colour] : ports) {
        octets += char(state);
        octets += char(colour);
    }
    return octets;
}

class FeaturePanel : public ::testing::Test {
protected:
    void start(const std::string& dataFile, const std::string& stackMode = "disabled") {
        sim = std::make_unique<trvtest::SimAgent>(dataFile);
        targetSimulator(*sim, 1, 30);
        host.StackModeText = stackMode;
        host.StatusTarget = &status;
        host.ImageList1 = MakeImageList1();
        host.ImageList2 = MakeImageList2();
    }
    template <class Panel> std::unique_ptr<Panel> build(int unit = 1) {
        auto panel = std::make_unique<Panel>();
        panel->UnitId = unit;
        panel->InitPanel(host);
        panel->show();
        return panel;
    }
    // Requests of the kind for the object, a retry not counted again.
    int count(const std::string& pdu, const std::string& oid) {
        std::set<long> ids;
        for (const auto& entry : sim->log())
            if (entry.pdu == pdu)
                for (const auto& b : entry.bindings)
                    if (b.oid == oid) ids.insert(entry.requestId);
        return int(ids.size());
    }

    std::unique_ptr<trvtest::SimAgent> sim;
    QLabel status;
    TPanelHost host;
};

// ---- TRV-5124E

class PoePanel : public FeaturePanel {
protected:
    static QComboBox* mode(const TPanelTRV5124EForm& p) { return p.findChild<QComboBox*>("cmbxPOE"); }
    static QPlainTextEdit* memo(const TPanelTRV5124EForm& p) { return p.findChild<QPlainTextEdit*>("Memo1"); }
    static QTimer* timer(const TPanelTRV5124EForm& p) { return p.findChild<QTimer*>("Timer1"); }
    static bool showsPoeSet(const TPanelTRV5124EForm& p) {
        const auto poe = p.LedHosts(true), normal = p.LedHosts(false);
        const bool poeShown = std::all_of(poe.begin(), poe.end(), [](QWidget* h) { return h->isVisible(); });
        const bool normalHidden = std::none_of(normal.begin(), normal.end(), [](QWidget* h) { return h->isVisible(); });
        EXPECT_EQ(poeShown, normalHidden) << "exactly one set is shown";
        return poeShown;
    }
    static bool waitIdle(const TPanelTRV5124EForm& p, int ms = 3000) {
        return QTest::qWaitFor([&] { return !p.LedModeRequest->Busy && !p.LedRequest->Busy && !p.PoeLedRequest->Busy; }, ms);
    }
    // Clicks the PoE key and waits until the toggle has written the mode and applied it.
    static void toggle(TPanelTRV5124EForm& p) {
        QTest::mouseClick(p.findChild<QWidget*>("Image3"), Qt::LeftButton);
        ASSERT_FALSE(timer(p)->isActive());
        ASSERT_TRUE(QTest::qWaitFor([&] { return timer(p)->isActive(); }, 3000));
        ASSERT_TRUE(waitIdle(p));
    }
};

TEST_F(PoePanel, TwoLedSetsOverTheSameWindowsReadTheSameStringAndTheModePicksOne) {
    struct Case {
        const char* file;
        const char* stackMode;
        int unit;
        std::string ledOid;
        bool poe;
    };
    const Case cases[] = {
        {"standalone-TRV-5124E.txt", "disabled", 1, DeviceLeds, false},
        {"stack12.txt", "enabled", 7, UnitLeds + "7", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        start(c.file, c.stackMode);
        auto panel = build<TPanelTRV5124EForm>(c.unit);
        ASSERT_TRUE(waitIdle(*panel));
        EXPECT_EQ(count("GET", c.ledOid), 2);
        EXPECT_EQ(count("GET", LedMode), 1);
        EXPECT_EQ(showsPoeSet(*panel), c.poe);
        EXPECT_EQ(mode(*panel)->currentText().toStdString(), c.poe ? "enabled" : "disabled");

        const auto normal = panel->LedHosts(false), poe = panel->LedHosts(true);
        ASSERT_EQ(normal.size(), 17u);
        for (std::size_t i = 0; i < normal.size(); ++i) {
            EXPECT_EQ(poe[i]->objectName(), normal[i]->objectName() + "_Poe");
            EXPECT_EQ(poe[i]->geometry(), normal[i]->geometry());
        }
        // Same bytes in the same order; only the time-out, layout and status line are the normal set's.
        const auto& a = panel->LedRequest->Leds;
        const auto& b = panel->PoeLedRequest->Leds;
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i].ByteIndex, b[i].ByteIndex);
        EXPECT_EQ(panel->PoeLedRequest->Request.Timeout, 300);
        EXPECT_EQ(panel->PoeLedRequest->StatusTarget(), nullptr);
        EXPECT_EQ(panel->LedRequest->StatusTarget(), &status);
        EXPECT_TRUE(timer(*panel)->isActive());
        EXPECT_EQ(timer(*panel)->interval(), 2000);
    }
}

TEST_F(PoePanel, ThePoeSetColoursPortsOneToTwentyWithTheUplinkMap) {
    start("standalone-TRV-5124E.txt");
    // Port 1 colour 0, port 2 colour 5, ports 3-24 lime, combo 21 colour 0, uplinks 25 and 26 colour 0.
    std::vector<std::pair<int, int>> ports(26, {0x02, 0x03});
    ports[0] = {0x00, 0x00};
    ports[1] = {0x02, 0x05};
    ports[20] = {0x02, 0x00};
    ports[24] = ports[25] = {0x02, 0x00};
    sim->setValue(DeviceLeds, hexValue(ledString(5, ports)));
    auto panel = build<TPanelTRV5124EForm>();
    ASSERT_TRUE(waitIdle(*panel));
    std::map<int, std::int32_t> normal, poe;
    for (const KyLedBinding& led : panel->LedRequest->Leds) normal[led.ByteIndex] = led.Colour;
    for (const KyLedBinding& led : panel->PoeLedRequest->Leds) poe[led.ByteIndex] = led.Colour;
    using namespace KyLedColours;
    struct Case {
        const char* led;
        int byte;
        std::int32_t normal, poe;
    };
    const Case cases[] = {
        {"port 1, colour 0", 5, Black, Orange},  {"port 2, colour 5", 7, Red, Red},
        {"port 3, colour 3", 9, Lime, Lime},     {"combo port 21, colour 0", 45, Black, Black},
        {"uplink 25, colour 0", 53, Orange, Orange}, {"uplink 26 at byte 55", 55, Orange, Orange},
        {"PoE system LED", 4, Lime, Lime},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.led);
        EXPECT_EQ(normal.at(c.byte), c.normal);
        EXPECT_EQ(poe.at(c.byte), c.poe);
    }
}

TEST_F(PoePanel, AClickWritesTheOtherModeAndShowsItsSet) {
    struct Case {
        int stored;  // before the click
        const char* written;
        bool poe;
    };
    const Case cases[] = {
        {2, "3", true},
        {3, "2", false},
        {1, "2", false},  // a mode the list does not hold selects nothing: the first mode is written
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        start("standalone-TRV-5124E.txt");
        sim->setValue(LedMode, "INTEGER " + std::to_string(c.stored));
        auto panel = build<TPanelTRV5124EForm>();
        ASSERT_TRUE(waitIdle(*panel));
        sim->clearLog();
        toggle(*panel);

        std::vector<std::string> sets;
        for (const auto& entry : sim->log())
            if (entry.pdu == "SET")
                for (const auto& b : entry.bindings) sets.push_back(b.oid + " " + b.type + " " + b.value);
        EXPECT_EQ(sets, std::vector<std::string>{LedMode + " INTEGER " + c.written});
        EXPECT_EQ(sim->value(LedMode), "INTEGER " + std::string(c.written));
        EXPECT_EQ(showsPoeSet(*panel), c.poe);
        EXPECT_TRUE(timer(*panel)->isActive());
        EXPECT_EQ(memo(*panel)->toPlainText(), "Memo1");
    }
}

TEST_F(PoePanel, TheTimerFollowsAModeChangedElsewhere) {
    start("standalone-TRV-5124E.txt");
    auto panel = build<TPanelTRV5124EForm>();
    ASSERT_TRUE(waitIdle(*panel));
    timer(*panel)->stop();
    ASSERT_FALSE(showsPoeSet(*panel));
    sim->setValue(LedMode, "INTEGER 3");
    panel->Timer1Timer();
    ASSERT_TRUE(waitIdle(*panel));
    EXPECT_TRUE(showsPoeSet(*panel));
}

TEST_F(PoePanel, ADeadAgentLeavesTheWindowResponsiveAndTheNormalSetShown) {
    start("standalone-TRV-5124E.txt");
    auto panel = build<TPanelTRV5124EForm>();
    ASSERT_TRUE(waitIdle(*panel));
    timer(*panel)->stop();
    sim->addFault({Fault::Drop, LedMode});
    sim->clearLog();

    // The tick only sends: it returns with the read out, and ticks meanwhile send nothing more.
    panel->Timer1Timer();
    EXPECT_TRUE(panel->LedModeRequest->Busy);
    panel->Timer1Timer();
    panel->Timer1Timer();
    ASSERT_TRUE(waitIdle(*panel));
    EXPECT_EQ(count("GET", LedMode), 1);
    EXPECT_EQ(memo(*panel)->document()->blockCount(), 2);
    EXPECT_FALSE(showsPoeSet(*panel));

    // A click does not wait either; its failed read leaves the timer off.
    QTest::mouseClick(panel->findChild<QWidget*>("Image3"), Qt::LeftButton);
    EXPECT_TRUE(panel->LedModeRequest->Busy);
    EXPECT_FALSE(timer(*panel)->isActive());
    ASSERT_TRUE(waitIdle(*panel));
    QTest::qWait(TPanelTRV5124EForm::TogglePause + 50);
    EXPECT_EQ(count("SET", LedMode), 0);
    EXPECT_FALSE(timer(*panel)->isActive());
    EXPECT_EQ(memo(*panel)->document()->blockCount(), 3);

    // Closing with a read out drops its answer.
    panel->Timer1Timer();
    ASSERT_TRUE(panel->LedModeRequest->Busy);
    panel->FormClose();
    EXPECT_EQ(panel->LedModeRequest, nullptr);
    EXPECT_EQ(panel->PoeLedRequest, nullptr);
    QTest::qWait(800);
}

TEST_F(PoePanel, TheMemoKeepsOnlyTheLatestFailures) {
    start("standalone-TRV-5124E.txt");
    auto panel = build<TPanelTRV5124EForm>();
    ASSERT_TRUE(waitIdle(*panel));
    timer(*panel)->stop();
    sim->addFault({Fault::ErrorStatus, LedMode, -1, 5});
    for (int tick = 0; tick < TPanelTRV5124EForm::MemoLines + 10; ++tick) {
        panel->Timer1Timer();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->LedModeRequest->Busy; }, 2000));
    }
    QPlainTextEdit* lines = memo(*panel);
    EXPECT_EQ(lines->document()->blockCount(), TPanelTRV5124EForm::MemoLines);
    EXPECT_FALSE(lines->toPlainText().startsWith("Memo1"));
    EXPECT_FALSE(lines->document()->lastBlock().text().isEmpty());
}

// ---- TRV-5124F

class SpeedPanel : public FeaturePanel {
protected:
    static bool shown(const TPanelTRV5124FForm& p, int picture, const char* colour) {
        auto* label = p.findChild<QLabel*>(QStringLiteral("Port%1%2").arg(picture).arg(colour));
        EXPECT_NE(label, nullptr) << picture << colour;
        return label && label->isVisible();
    }
    // "O" orange, "G" green, "-" neither.
    static std::string pictures(const TPanelTRV5124FForm& p, int picture) {
        const bool orange = shown(p, picture, "Orange"), green = shown(p, picture, "green");
        return orange && green ? "both" : orange ? "O" : green ? "G" : "-";
    }
};

TEST_F(SpeedPanel, EachSpeedCodeShowsItsPicture) {
    struct Case {
        int state, colour;
        const char* shows;
    };
    const Case cases[] = {
        {0x01, 0x01, "-"}, {0x82, 0x01, "O"}, {0x82, 0x02, "O"}, {0x82, 0x03, "G"},
        {0x01, 0x00, "-"}, {0x02, 0x03, "-"}, {0x00, 0x00, "-"}, {0x83, 0x82, "-"},
    };
    start("standalone-TRV-5124F.txt");
    // Port n takes case n - 1 (and the cases again from port 9 on).
    std::vector<std::pair<int, int>> ports;
    for (int n = 1; n <= 26; ++n) {
        const Case& c = cases[std::size_t(n - 1) % std::size(cases)];
        ports.emplace_back(c.state, c.colour);
    }
    sim->setValue(DeviceLeds, hexValue(ledString(3, ports)));
    auto panel = build<TPanelTRV5124FForm>();
    for (int n = 1; n <= 20; ++n) {
        const Case& c = cases[std::size_t(n - 1) % std::size(cases)];
        SCOPED_TRACE("port " + std::to_string(n));
        EXPECT_EQ(TPanelTRV5124FForm::SpeedCode(panel->findChild<QLabel*>("portspeedled")->text(), n),
                  QStringLiteral("%1%2").arg(c.state, 2, 16, QLatin1Char('0')).arg(c.colour, 2, 16, QLatin1Char('0')).toUpper());
        EXPECT_EQ(pictures(*panel, n), c.shows);
    }
    // The pictures are read once: the LEDs poll on, the pictures keep what they showed.
    EXPECT_TRUE(QTest::qWaitFor([&] { return count("GET", DeviceLeds) == 2; }, 2000));
    EXPECT_TRUE(panel->LedRequest->PollTimer->isActive());
}

TEST_F(SpeedPanel, AComboPortsPictureSitsOverTheConnectorWithLink) {
    struct Case {
        int state, colour;
        bool copperLinked;
        const char* fibre;   // picture of port 22 over its SFP connector
        const char* copper;  // picture 26, over its copper connector
    };
    const Case cases[] = {
        {0x82, 0x03, true, "-", "G"},  {0x82, 0x03, false, "G", "-"}, {0x82, 0x01, true, "-", "O"},
        {0x82, 0x02, false, "O", "-"}, {0x01, 0x01, true, "-", "-"},  {0x02, 0x03, true, "-", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.state) + "/" + std::to_string(c.colour) + (c.copperLinked ? " linked" : ""));
        start("standalone-TRV-5124F.txt");
        std::vector<std::pair<int, int>> ports(26, {0x01, 0x01});
        ports[21] = {c.state, c.colour};
        sim->setValue(DeviceLeds, hexValue(ledString(3, ports)));
        sim->setValue(LinkStatus + "22.1", c.copperLinked ? "INTEGER 2" : "INTEGER 3");
        auto panel = build<TPanelTRV5124FForm>();
        EXPECT_EQ(count("GET", LinkStatus + "22.1"), 1);
        EXPECT_EQ(pictures(*panel, 22), c.fibre);
        EXPECT_EQ(pictures(*panel, 26), c.copper);
        for (int other : {21, 23, 24, 25, 27, 28}) EXPECT_EQ(pictures(*panel, other), "-") << other;
    }
}

TEST_F(SpeedPanel, AStackedUnitsCodesComeFromItsOctetsPastAZeroByte) {
    start("stack12.txt", "enabled");
    // The RPS byte is a zero octet; a text cut there would hold no code at all.
    std::vector<std::pair<int, int>> ports(26, {0x82, 0x03});
    ports[0] = {0x82, 0x01};
    std::string octets = ledString(3, ports);
    octets[2] = '\0';
    sim->setValue(UnitLeds + "10", hexValue(octets));
    auto panel = build<TPanelTRV5124FForm>(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return count("GET", UnitLeds + "10") == 2; }, 2000));
    EXPECT_EQ(panel->findChild<QLabel*>("portspeedled")->text().toStdString(),
              QByteArray::fromStdString(octets).toHex().toUpper().toStdString());
    EXPECT_EQ(pictures(*panel, 1), "O");
    EXPECT_EQ(pictures(*panel, 20), "G");
    // Port 22's copper side has link in the stack's data.
    EXPECT_EQ(pictures(*panel, 26), "G");
    EXPECT_EQ(pictures(*panel, 22), "-");
}

TEST_F(SpeedPanel, AShortOrFailedReadLeavesThePicturesWithoutACode) {
    start("standalone-TRV-5124F.txt");
    // 40 bytes: ports 1-18 whole, port 19's state byte without its colour byte.
    std::vector<std::pair<int, int>> ports(18, {0x82, 0x03});
    sim->setValue(DeviceLeds, hexValue(ledString(3, ports) + "\x82"));
    auto panel = build<TPanelTRV5124FForm>();
    EXPECT_EQ(pictures(*panel, 18), "G");
    for (int n = 19; n <= 28; ++n) EXPECT_EQ(pictures(*panel, n), "-") << n;

    // The agent refuses the speed read: no code, no message, the LEDs are polled all the same.
    panel.reset();
    sim->addFault({Fault::ErrorStatus, DeviceLeds, 1, 5});
    auto refused = build<TPanelTRV5124FForm>();
    EXPECT_EQ(refused->findChild<QLabel*>("portspeedled")->text(), "portspeedled");
    for (int n = 1; n <= 28; ++n) EXPECT_EQ(pictures(*refused, n), "-") << n;
    ASSERT_NE(refused->LedRequest, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return refused->LedRequest->RowsDelivered > 0; }, 3000));
}

TEST_F(SpeedPanel, APanelWhoseSpeedPhaseFailedHasNoLedRequestAndIsNotPolled) {
    start("standalone-TRV-5124F.txt");
    // The LED string comes back as an INTEGER: it holds no octets to read codes from.
    sim->addFault({Fault::WrongType, DeviceLeds, 1});
    auto panel = build<TPanelTRV5124FForm>();
    EXPECT_EQ(panel->LedRequest, nullptr);
    QTest::qWait(300);
    EXPECT_EQ(count("GET", DeviceLeds), 1);
    panel->FormClose();
}

}  // namespace
