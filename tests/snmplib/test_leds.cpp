// Front-panel LEDs: how LED bytes become colours, and the polling binder against the switch simulator.
#include "KyException.h"
#include "KyLedWindow.h"
#include "KySNMPLedColorMapList.h"
#include "KySNMPRequest2Leds.h"
#include "KySNMPStatus.h"
#include "MessageBoxes.h"
#include "SimTarget.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

using trvtest::Fault;

using namespace KyLedColours;

constexpr const char* LedColumn = "1.3.6.1.4.1.32473.99.50";
constexpr const char* LedOid = "1.3.6.1.4.1.32473.99.50.0";
constexpr KySNMPVarDesc LedVars[] = {{"1.3.6.1.4.1.32473.99.50", "Led Status", sxOctetStr, afReadOnly, nullptr},
                                     {nullptr, nullptr, 0, 0, nullptr}};

// A binder whose LED variable is filled by hand: decoding needs no agent.
class LedDecoding : public ::testing::Test {
protected:
    void SetUp() override {
        leds = std::make_unique<KySNMPRequest2Leds>(&form);
        leds->Request.VarList = KySNMPVarList(LedVars, SVT_SV, 0);
    }

    QWidget form;
    std::unique_ptr<KySNMPRequest2Leds> leds;
};

const KyLedColorItem NoAbsentColours[] = {{2, Lime}, {0, -1}};
const KySNMPLedColorMapList NoAbsentMap(NoAbsentColours, 7, 0x80, Grey, -1);

TEST_F(LedDecoding, BytesBecomeColoursAndBlinking) {
    struct Case {
        const char* name;
        const KySNMPLedColorMapList& map;
        int bytesPerLed;
        int twoByteFrom;
        const char* value;  // hex
        int byteIndex;
        std::int32_t colour;
        bool blinking;
    };
    const Case cases[] = {
        {"blink bit and code 2", SystemLedColorMap, 1, 4, "82", 0, Lime, true},
        {"code 5 steady", SystemLedColorMap, 1, 4, "05", 0, Red, false},
        {"code 6 is in no map", SystemLedColorMap, 1, 4, "06", 0, Black, false},
        {"only the low three bits select", SystemLedColorMap, 1, 4, "0C", 0, Blue, false},
        {"one byte per LED ignores the two-byte start", SystemLedColorMap, 1, 4, "0000000003", 4, Lime, false},
        {"beyond a short value, system", SystemLedColorMap, 1, 4, "05050505", 6, White, false},
        {"beyond a short value, port", PortLedColorMap, 1, 4, "85858585", 6, Black, false},
        {"empty value", SystemLedColorMap, 1, 4, "", 0, White, false},
        {"null value", SystemLedColorMap, 1, 4, "(NULL)", 0, White, false},
        {"two-byte state 1 is absent", SystemLedColorMap, 2, 3, "0000000103", 3, White, false},
        {"two-byte blinking state", SystemLedColorMap, 2, 3, "0000008003", 3, Lime, true},
        {"two-byte state without blink bit", PortLedColorMap, 2, 3, "0000000205", 3, Red, false},
        {"two-byte colour code 6", PortLedColorMap, 2, 3, "0000008206", 3, Black, true},
        {"below the two-byte start one byte counts", SystemLedColorMap, 2, 3, "0000820103", 2, Lime, true},
        {"colour byte missing", SystemLedColorMap, 2, 3, "00000080", 3, White, false},
        {"code 0 of the uplink map", UplinkLedColorMap, 2, 3, "0000000000", 3, Orange, false},
        {"no absent colour: off", NoAbsentMap, 1, 4, "02", 3, Grey, false},
        {"no absent colour, state 1: off", NoAbsentMap, 2, 0, "000000000102", 4, Grey, false},
        {"no absent colour, colour byte missing: off", NoAbsentMap, 2, 0, "0000000082", 4, Grey, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        leds->Leds.clear();
        KyLedShape shape(&form);
        leds->AddLed(0, c.byteIndex, c.map, &shape);
        leds->SetByteLayout(c.bytesPerLed, c.twoByteFrom);
        leds->Request.VarList.GetVar(0).Value = c.value;
        leds->UpdateAll();
        EXPECT_EQ(leds->Leds[0].Colour, c.colour);
        EXPECT_EQ(leds->Leds[0].Blinking, c.blinking);
        EXPECT_EQ(shape.Colour(), c.map.OffColour) << "deciding a colour paints nothing";
    }
}

TEST_F(LedDecoding, OtherByteCountsLeaveTheLedAlone) {
    KyLedShape shape(&form);
    leds->AddLed(0, 0, SystemLedColorMap, &shape);
    leds->SetByteLayout(3, 0);
    leds->Request.VarList.GetVar(0).Value = "85";
    leds->UpdateAll();
    EXPECT_EQ(leds->Leds[0].Colour, Black);
    EXPECT_FALSE(leds->Leds[0].Blinking);
}

TEST_F(LedDecoding, ByteLayoutDefaults) {
    leds->SetByteLayout(0, -1);
    EXPECT_EQ(leds->BytesPerLed, 1);
    EXPECT_EQ(leds->TwoByteFrom, 4);
    leds->SetByteLayout(2, 5);
    EXPECT_EQ(leds->BytesPerLed, 2);
    EXPECT_EQ(leds->TwoByteFrom, 5);
}

TEST_F(LedDecoding, BlinkingLedFlashesSevenStepsThenStaysLit) {
    KyLedShape blinking(&form), steady(&form);
    leds->AddLed(0, 0, SystemLedColorMap, &blinking);
    leds->AddLed(0, 1, SystemLedColorMap, &steady);
    leds->BlinkTimer->stop();  // the steps are taken by hand here
    leds->Request.VarList.GetVar(0).Value = "8205";
    leds->UpdateAll();
    leds->BlinkTicks = 0;  // as an answer does
    std::vector<std::int32_t> seen;
    for (int step = 0; step < 10; ++step) {
        leds->PaintLeds();
        seen.push_back(blinking.Colour());
        EXPECT_EQ(steady.Colour(), Red);
    }
    const std::vector<std::int32_t> expected{Lime, Black, Lime, Black, Lime, Black, Lime, Lime, Lime, Lime};
    EXPECT_EQ(seen, expected);
}

TEST_F(LedDecoding, CreatedShapesAreLaidOutOnThePanel) {
    QFrame panel(&form);
    panel.setFrameShape(QFrame::Panel);
    leds->CreateLeds(0, "3,5,7", PortLedColorMap, &panel, 1, 7, KyLedShape::Rectangle, 6, 5);
    ASSERT_EQ(leds->Leds.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const KyLedBinding& led = leds->Leds[i];
        EXPECT_EQ(led.ByteIndex, 3 + 2 * i);
        EXPECT_EQ(led.Shape->parentWidget(), &panel);
        EXPECT_EQ(led.Shape->geometry(), QRect(1 + i * 13, 0, 6, 5));
        EXPECT_EQ(led.Shape->Colour(), PortLedColorMap.OffColour);
        EXPECT_FALSE(led.Shape->isHidden());
    }
    EXPECT_EQ(panel.frameShape(), QFrame::NoFrame);
    EXPECT_THROW(leds->CreateLeds(0, "3,x", PortLedColorMap, &panel, 0, 7, KyLedShape::Rectangle, 6, 6), KyException);
}

// Records the region of every paint event the watched widget receives.
class PaintRecorder : public QObject {
public:
    std::vector<QRegion> Regions;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) Regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

TEST_F(LedDecoding, ALedWindowDrawsItsShapesAndRepaintsOnlyWhatChanged) {
    const QColor background(30, 30, 30);
    KyLedWindow window(&form);
    window.setGeometry(0, 0, 40, 12);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, background);
    window.setPalette(palette);
    leds->CreateLeds(0, "0,1", SystemLedColorMap, &window, 1, 7, KyLedShape::Rectangle, 6, 6);
    leds->BlinkTimer->stop();
    leds->Request.VarList.GetVar(0).Value = "0205";
    leds->UpdateAll();
    leds->PaintLeds();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    const auto pixel = [&](int x, int y) { return window.grab().toImage().pixelColor(x, y); };
    EXPECT_EQ(pixel(3, 3), KyLedShape::ToQColor(Lime));
    EXPECT_EQ(pixel(16, 3), KyLedShape::ToQColor(Red));
    EXPECT_EQ(pixel(10, 3), background) << "between the LEDs";
    EXPECT_EQ(pixel(3, 9), background) << "below the LEDs";
    for (const KyLedBinding& led : leds->Leds) {
        EXPECT_TRUE(led.Shape->Shown());
        EXPECT_TRUE(led.Shape->isHidden()) << "the window draws it, not a widget of its own";
    }

    PaintRecorder paints;
    window.installEventFilter(&paints);
    QCoreApplication::processEvents();
    paints.Regions.clear();
    leds->Request.VarList.GetVar(0).Value = "0405";
    leds->UpdateAll();
    leds->PaintLeds();
    QCoreApplication::processEvents();
    ASSERT_EQ(paints.Regions.size(), 1u);
    EXPECT_EQ(paints.Regions[0], QRegion(leds->Leds[0].Shape->geometry())) << "the changed LED alone";
    EXPECT_EQ(pixel(3, 3), KyLedShape::ToQColor(Blue));

    paints.Regions.clear();
    leds->PaintLeds();
    QCoreApplication::processEvents();
    EXPECT_TRUE(paints.Regions.empty()) << "the same colours repaint nothing";

    leds->Leds[1].Shape->hide();
    EXPECT_EQ(pixel(16, 3), background);
}

TEST_F(LedDecoding, ALedChangedOutOfViewShowsItsColourWhenScrolledBack) {
    QScrollArea area(&form);
    area.setGeometry(0, 0, 120, 60);
    auto* content = new QWidget;
    content->resize(100, 400);
    auto* window = new KyLedWindow(content);
    window->setGeometry(0, 300, 40, 12);
    area.setWidget(content);
    leds->CreateLeds(0, "0", SystemLedColorMap, window, 1, 7, KyLedShape::Rectangle, 6, 6);
    leds->BlinkTimer->stop();
    leds->Request.VarList.GetVar(0).Value = "02";
    leds->UpdateAll();
    leds->PaintLeds();
    form.resize(120, 60);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // What the screen shows, not a fresh rendering.
    const auto onScreen = [&] {
        QCoreApplication::processEvents();
        const QPoint at = window->mapTo(&form, QPoint(3, 3));
        return form.screen()->grabWindow(form.winId()).toImage().pixelColor(at);
    };
    area.ensureWidgetVisible(window);
    EXPECT_EQ(onScreen(), KyLedShape::ToQColor(Lime));
    area.verticalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    leds->Request.VarList.GetVar(0).Value = "05";
    leds->UpdateAll();
    leds->PaintLeds();
    area.ensureWidgetVisible(window);
    EXPECT_EQ(onScreen(), KyLedShape::ToQColor(Red));
}

TEST(LedShape, PaintsItsShapeInItsColour) {
    struct Case {
        KyLedShape::Kind kind;
        QSize size;
        QPoint inside;
        QPoint outside;  // (-1, -1): the shape fills its widget
    };
    const Case cases[] = {{KyLedShape::Rectangle, {8, 6}, {0, 0}, {-1, -1}},
                          {KyLedShape::Square, {12, 6}, {6, 3}, {0, 0}},
                          {KyLedShape::Ellipse, {12, 12}, {6, 6}, {0, 0}},
                          {KyLedShape::Circle, {20, 10}, {10, 5}, {1, 5}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.kind));
        QWidget panel;
        panel.setStyleSheet("background: white");
        KyLedShape shape(&panel, c.kind);
        shape.resize(c.size);
        shape.SetColour(Orange);
        const QImage image = shape.grab().toImage();
        EXPECT_EQ(image.pixelColor(c.inside), QColor(255, 128, 64));
        if (c.outside.x() >= 0) {
            EXPECT_NE(image.pixelColor(c.outside), QColor(255, 128, 64));
        }
    }
}

TEST(LedBinder, FormGoneBeforeTheBinder) {
    auto form = std::make_unique<QWidget>();
    KySNMPRequest2Leds leds(form.get());
    leds.Request.VarList = KySNMPVarList(LedVars, SVT_SV, 0);
    leds.CreateLeds(0, "0,1", SystemLedColorMap, form.get(), 0, 7, KyLedShape::Rectangle, 6, 6);
    form.reset();
    EXPECT_TRUE(leds.PollTimer.isNull());
    leds.Request.VarList.GetVar(0).Value = "8205";
    leds.UpdateAll();
    EXPECT_EQ(leds.Leds[1].Colour, Red);
    leds.PaintLeds();
    leds.ResetLeds();
    EXPECT_EQ(leds.Leds[1].Colour, Black);
}

TEST_F(LedDecoding, BinderGoneBeforeTheFormStopsItsTimers) {
    QPointer<QTimer> poll = leds->PollTimer;
    leds->StopPolling();
    leds.reset();
    EXPECT_TRUE(poll.isNull());
}

// Counts the answers it is given; everything else is the binder's own.
class CountingLeds : public KySNMPRequest2Leds {
public:
    using KySNMPRequest2Leds::KySNMPRequest2Leds;
    int Answers = 0;
    std::function<void()> AfterAnswer;

protected:
    void RowReceived() override {
        KySNMPRequest2Leds::RowReceived();
        ++Answers;
        if (AfterAnswer) AfterAnswer();
    }
};

class LedPolling : public trvtest::SimAgentTest {
protected:
    void SetUp() override {
        SimAgentTest::SetUp();
        targetSimulator(*sim, 1, 20);
        sim->setValue(LedOid, "STRING 0x0582000000");

        form = std::make_unique<QWidget>();
        status = new QLabel(form.get());
        panel = new QFrame(form.get());
        leds = std::make_unique<CountingLeds>(form.get());
        leds->Request.VarList = KySNMPVarList(LedVars, SVT_SV, 0);
        leds->SetStatusTarget(status);
        // System LEDs at bytes 0 and 1, two-byte port LEDs from byte 2.
        leds->SetByteLayout(2, 2);
        leds->CreateLeds(0, "0,1,2", SystemLedColorMap, panel, 0, 10, KyLedShape::Rectangle, 6, 6);
        form->show();
    }

    void TearDown() override {
        leds.reset();
        form.reset();
        SimAgentTest::TearDown();
    }

    std::vector<std::int32_t> colours() const {
        std::vector<std::int32_t> c;
        for (const KyLedBinding& led : leds->Leds) c.push_back(led.Shape->Colour());
        return c;
    }

    int gets() {
        int n = 0;
        for (const auto& entry : sim->log()) n += entry.pdu == "GET";
        return n;
    }

    bool waitForAnswers(int count) {
        return waitUntil([&] { return leds->Answers >= count; });
    }

    std::unique_ptr<QWidget> form;
    QLabel* status = nullptr;
    QFrame* panel = nullptr;
    std::unique_ptr<CountingLeds> leds;
};

TEST_F(LedPolling, ChangingLedStringRecoloursTheShapesAfterAPoll) {
    for (std::uint8_t async : {1, 0}) {
        SCOPED_TRACE(async ? "asynchronous" : "synchronous");
        sim->setValue(LedOid, "STRING 0x0582000000");
        leds->Answers = 0;
        leds->Async = async;
        leds->StartPolling(5);
        ASSERT_TRUE(waitForAnswers(1));
        // Byte 2 is a two-byte LED: state 0, colour code 0 (white).
        EXPECT_EQ(leds->Leds[0].Colour, Red);
        EXPECT_EQ(leds->Leds[1].Colour, Lime);
        EXPECT_TRUE(leds->Leds[1].Blinking);
        EXPECT_EQ(colours()[2], White);

        sim->setValue(LedOid, "STRING 0x04030005");
        const std::vector<std::int32_t> changed{Blue, Lime, Red};
        EXPECT_TRUE(waitUntil([&] { return colours() == changed; }));
        EXPECT_EQ(status->text().left(9), "Get: Ok! ");
        leds->StopPolling();
        EXPECT_EQ(colours(), (std::vector<std::int32_t>{Black, Black, Black}));
    }
}

TEST_F(LedPolling, FrontPanelPollIntervalIsThreeSeconds) {
    leds->StartPolling(300);
    EXPECT_EQ(leds->PollTimer->interval(), 3000);
    EXPECT_TRUE(leds->PollTimer->isActive());
    EXPECT_EQ(leds->BlinkTimer->interval(), 60);
    ASSERT_TRUE(waitForAnswers(1));
    leds->StopPolling();
    EXPECT_FALSE(leds->PollTimer->isActive());
    EXPECT_FALSE(leds->BlinkTimer->isActive());
}

TEST_F(LedPolling, NoBlinkTimerRunsWhileNoLedBlinks) {
    sim->setValue(LedOid, "STRING 0x0503000500");
    leds->StartPolling(300);
    ASSERT_TRUE(waitForAnswers(1));
    EXPECT_FALSE(leds->Leds[1].Blinking);
    EXPECT_FALSE(leds->BlinkTimer->isActive());
}

TEST_F(LedPolling, BlinkingLedsToggleThenStayLitUntilTheNextPoll) {
    // Each blink tick, after the binder has painted, notes what the blinking LED shows.
    std::vector<std::int32_t> ticks;
    QObject::connect(leds->BlinkTimer, &QTimer::timeout, [&] { ticks.push_back(leds->Leds[1].Shape->Colour()); });
    std::vector<std::int32_t> atAnswer;
    leds->AfterAnswer = [&] {
        ticks.clear();
        atAnswer.push_back(leds->Leds[1].Shape->Colour());
    };
    // Seven changes from the answer on (the answer's own step and six ticks), then lit; the timer stops
    // with the tick that lit it.
    const std::vector<std::int32_t> fromOff{Black, Lime, Black, Lime, Black, Lime, Lime};
    const std::vector<std::int32_t> fromLit{Lime, Black, Lime, Black, Lime, Black, Lime};
    const auto flashed = [&] { return ticks.size() >= fromOff.size() && !leds->BlinkTimer->isActive(); };

    leds->StartPolling(300);
    ASSERT_TRUE(waitForAnswers(1));
    ASSERT_TRUE(waitUntil(flashed));
    EXPECT_EQ(ticks, fromOff);
    EXPECT_EQ(leds->Leds[0].Shape->Colour(), Red) << "a steady LED never flashes";

    leds->GetNow();
    ASSERT_TRUE(waitForAnswers(2));
    ASSERT_TRUE(waitUntil(flashed));
    EXPECT_EQ(ticks, fromLit);
    EXPECT_EQ(atAnswer, (std::vector<std::int32_t>{Lime, Black}));
}

TEST_F(LedPolling, ShortStringShowsAbsentColours) {
    // The agent cuts the string after the first byte.
    sim->addFault({Fault::Truncate, LedColumn, -1, 5, 0, 1});
    sim->setValue(LedOid, "STRING 0x03820005");
    leds->StartPolling(300);
    ASSERT_TRUE(waitForAnswers(1));
    EXPECT_EQ(colours(), (std::vector<std::int32_t>{Lime, White, White}));
    EXPECT_FALSE(leds->Leds[1].Blinking);

    // Only the colour byte of the two-byte LED is missing.
    sim->clearFaults();
    sim->addFault({Fault::Truncate, LedColumn, -1, 5, 0, 3});
    leds->GetNow();
    ASSERT_TRUE(waitForAnswers(2));
    EXPECT_EQ(colours()[2], White);
    EXPECT_FALSE(leds->Leds[2].Blinking);
}

TEST_F(LedPolling, DeadAgentResetsEveryLedAndWritesTheStatusLineOnly) {
    MessageBoxes boxes;
    sim->setValue(LedOid, "STRING 0x03820005");
    leds->StartPolling(300);
    ASSERT_TRUE(waitForAnswers(1));
    ASSERT_EQ(colours()[2], Red);

    for (std::uint8_t async : {1, 0}) {
        SCOPED_TRACE(async ? "asynchronous" : "synchronous");
        leds->Async = async;
        status->clear();
        sim->addFault({Fault::Drop, "", -1});
        leds->GetNow();
        ASSERT_TRUE(waitUntil([&] { return !status->text().isEmpty(); }));
        EXPECT_EQ(colours(), (std::vector<std::int32_t>{Black, Black, Black}));
        for (const KyLedBinding& led : leds->Leds) EXPECT_FALSE(led.Blinking);
        EXPECT_TRUE(status->text().contains(QString::fromLatin1(messageOf(-405)))) << status->text().toStdString();

        sim->clearFaults();
        const int before = leds->Answers;
        leds->GetNow();
        ASSERT_TRUE(waitForAnswers(before + 1));
        EXPECT_EQ(colours()[2], Red) << "the next good poll lights them again";
    }
    EXPECT_TRUE(boxes.Texts.isEmpty());
}

TEST_F(LedPolling, ValueThatIsNoLedStringTurnsTheLedsOffWithoutAMessageBox) {
    struct Case {
        const char* name;
        std::uint8_t async;
        bool statusTarget;
    };
    const Case cases[] = {{"synchronous, status line", 0, true},
                          {"synchronous, no status line", 0, false},
                          {"asynchronous, status line", 1, true},
                          {"asynchronous, no status line", 1, false}};
    const std::vector<std::int32_t> off{Black, Black, Black};
    MessageBoxes boxes;
    sim->setValue(LedOid, "STRING 0x03820005");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim->clearFaults();
        leds->Async = c.async;
        leds->SetStatusTarget(c.statusTarget ? status : nullptr);
        leds->StartPolling(1);
        ASSERT_TRUE(waitUntil([&] { return colours()[2] == Red; }));
        status->clear();
        // Answered as an INTEGER, the value has no octets to read.
        sim->addFault({Fault::WrongType, LedColumn, -1});
        EXPECT_TRUE(waitUntil([&] { return colours() == off; }));
        if (c.statusTarget) {
            EXPECT_TRUE(waitUntil([&] { return !status->text().isEmpty(); }));
            EXPECT_FALSE(status->text().startsWith("Get: Ok")) << status->text().toStdString();
        }
        leds->StopPolling();
    }
    EXPECT_TRUE(boxes.Texts.isEmpty()) << boxes.Texts.join('|').toStdString();
}

TEST_F(LedPolling, PollAskedByThePanelRaisesTheLibraryErrorWithTheLedsOff) {
    sim->setValue(LedOid, "STRING 0x03820005");
    leds->Async = 0;
    leds->StartPolling(300);
    ASSERT_EQ(colours()[2], Red);
    sim->addFault({Fault::WrongType, LedColumn, -1});
    EXPECT_THROW(leds->GetNow(), KyException);
    EXPECT_EQ(colours(), (std::vector<std::int32_t>{Black, Black, Black}));
    EXPECT_EQ(leds->Busy, 0);
}

TEST_F(LedPolling, PollTickWhileTheLastPollIsOutstandingIsSkipped) {
    DefaultSNMPTimeout = 100;
    leds = std::make_unique<CountingLeds>(form.get());
    leds->Request.VarList = KySNMPVarList(LedVars, SVT_SV, 0);
    sim->addFault({Fault::Delay, "", -1, 5, 400});
    sim->clearLog();
    leds->StartPolling(5);
    QTest::qWait(300);
    EXPECT_EQ(gets(), 1);
    ASSERT_TRUE(waitForAnswers(1));
    EXPECT_EQ(leds->Answers, 1);
}

}  // namespace
