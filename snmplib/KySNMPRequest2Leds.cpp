#include "KySNMPRequest2Leds.h"

#include "KyException.h"
#include "KyNumList.h"
#include "KyOptionList.h"
#include "KyRawValue.h"
#include "KySNMPLedColorMapList.h"
#include "KySNMPLedPoll.h"

#include <QFrame>

#include <algorithm>
#include <optional>

namespace {

constexpr int BlinkInterval = 60;

}  // namespace

KySNMPRequest2Leds::KySNMPRequest2Leds(QWidget* owner)
    : KySNMPRequest2Controls(owner), PollTimer(new QTimer(owner)), BlinkTimer(new QTimer(owner)) {
    QObject::connect(PollTimer, &QTimer::timeout, PollTimer, [this] { OnPollTimer(); });
    // The blink timer runs only while an answer's flashing lasts: an idle panel wakes for nothing.
    BlinkTimer->setInterval(BlinkInterval);
    QObject::connect(BlinkTimer, &QTimer::timeout, BlinkTimer, [this] { OnBlinkTimer(); });
}

KySNMPRequest2Leds::~KySNMPRequest2Leds() {
    StopPolling();
    // The form may outlive the binder: its timers must not call into it any more.
    delete PollTimer;
    delete BlinkTimer;
}

void KySNMPRequest2Leds::Paint(KyLedBinding& binding, std::int32_t colour) {
    if (!binding.Shape) return;
    binding.Shape->SetColour(colour);
    binding.Shape->show();
}

void KySNMPRequest2Leds::AddLed(int varIndex, int byteIndex, const KySNMPLedColorMapList& map, KyLedShape* shape) {
    KyLedBinding& led = Leds.emplace_back(KyLedBinding{varIndex, byteIndex, &map, shape, false, map.OffColour});
    Paint(led, led.Colour);
}

void KySNMPRequest2Leds::CreateLeds(int varIndex, const std::string& byteList, const KySNMPLedColorMapList& map,
                                    QWidget* panel, int left, int gap, KyLedShape::Kind kind, int width, int height) {
    KyIntList bytes;
    bytes.Delimiter = ',';
    if (!bytes.Parse(byteList)) throw KyException(-12);
    for (int i = 0; i < bytes.GetCount(); ++i) {
        auto* shape = new KyLedShape(panel, kind);
        shape->setGeometry(left + i * (width + gap), 0, width, height);
        AddLed(varIndex, bytes.Items[i], map, shape);
    }
    if (auto* frame = qobject_cast<QFrame*>(panel)) frame->setFrameShape(QFrame::NoFrame);
}

void KySNMPRequest2Leds::SetByteLayout(int bytesPerLed, int twoByteFrom) {
    BytesPerLed = bytesPerLed > 0 ? bytesPerLed : 1;
    TwoByteFrom = twoByteFrom > 0 ? twoByteFrom : 4;
}

void KySNMPRequest2Leds::StartPolling(int units) {
    PollTimer->start(units * 10);
    GetNow();
}

void KySNMPRequest2Leds::StopPolling() {
    if (Poll) Poll->Remove(*this);
    if (PollTimer) PollTimer->stop();
    if (BlinkTimer) BlinkTimer->stop();
    ResetLeds();
}

void KySNMPRequest2Leds::GetNow() {
    try {
        Get();
    } catch (...) {
        ResetLeds();
        throw;
    }
}

void KySNMPRequest2Leds::OnPollTimer() {
    // An answer still outstanding: asking again would only let an older answer overwrite a newer one.
    if (Busy) return;
    try {
        Get();
    } catch (const std::exception& e) {
        ResetLeds();
        LastOp = 0;
        ShowStatus(e.what());
    }
}

void KySNMPRequest2Leds::ResetLeds() {
    for (KyLedBinding& led : Leds) {
        led.Blinking = false;
        led.Colour = led.Map->OffColour;
        Paint(led, led.Colour);
    }
}

void KySNMPRequest2Leds::UpdateAll() {
    // Each variable's octets decoded once per answer, not once per LED.
    std::vector<std::optional<std::string>> octets(std::size_t(std::max(0, Request.VarList.GetCount())));
    for (KyLedBinding& led : Leds) {
        std::optional<std::string> none;
        std::optional<std::string>& value =
            led.VarIndex >= 0 && std::size_t(led.VarIndex) < octets.size() ? octets[std::size_t(led.VarIndex)] : none;
        if (!value) {
            const KySNMPVar& var = Request.VarList.GetVar(led.VarIndex);
            value = TextToOctets(var.Options ? var.Options->LabelToValue(var.Value) : var.Value, var.Syntax);
        }
        UpdateLed(led, *value);
    }
}

void KySNMPRequest2Leds::PaintLeds() {
    for (KyLedBinding& led : Leds)
        if (!led.Blinking) Paint(led, led.Colour);
    PaintBlinkingLeds();
}

bool KySNMPRequest2Leds::PaintBlinkingLeds() {
    bool blinking = false;
    for (KyLedBinding& led : Leds) {
        if (!led.Blinking) continue;
        blinking = true;
        const bool showsOff = led.Shape && led.Shape->Colour() == led.Map->OffColour;
        Paint(led, showsOff || BlinkTicks > BlinkLimit ? led.Colour : led.Map->OffColour);
    }
    if (blinking) ++BlinkTicks;
    return blinking;
}

void KySNMPRequest2Leds::OnBlinkTimer() {
    // Past the limit a blinking LED stays lit: after the step that lit it nothing changes until the next poll.
    if (!PaintBlinkingLeds() || BlinkTicks > BlinkLimit + 1) BlinkTimer->stop();
}

void KySNMPRequest2Leds::RowReceived() {
    BlinkTicks = 0;
    try {
        UpdateAll();
    } catch (...) {
        // A value that cannot be read is a failed poll: LEDs off, and the message for the status line
        // only, never a message box on every tick.
        ResetLeds();
        if (StatusTarget()) throw;
        return;
    }
    PaintLeds();
    if (BlinkTicks > 0 && BlinkTimer && !BlinkTimer->isActive()) BlinkTimer->start();
}

void KySNMPRequest2Leds::GetError(const KySNMPError& error) {
    ResetLeds();
    LastOp = 0;
    ShowStatus(error.Message);
}

void KySNMPRequest2Leds::UpdateLed(KyLedBinding& led, const std::string& v) {
    const KySNMPLedColorMapList& map = *led.Map;
    const auto byteAt = [&v](std::size_t i) { return static_cast<std::uint8_t>(v[i]); };
    // Data the value does not hold: the map's absent colour, or off when it has none.
    const auto missing = [&] {
        led.Colour = map.AbsentColour != -1 ? map.AbsentColour : map.OffColour;
        led.Blinking = false;
    };

    const auto index = std::size_t(led.ByteIndex);
    if (led.ByteIndex < 0 || index >= v.size()) {
        missing();
    } else if (BytesPerLed == 1 || (BytesPerLed == 2 && led.ByteIndex < TwoByteFrom)) {
        const std::uint8_t b = byteAt(index);
        led.Colour = map.ColourOf(b & map.CodeMask);
        led.Blinking = (b & map.BlinkMask) != 0;
    } else if (BytesPerLed == 2) {
        const std::uint8_t state = byteAt(index);
        if (state == 1 || index + 1 >= v.size()) {
            missing();
        } else {
            led.Blinking = (state & map.BlinkMask) != 0;
            led.Colour = map.ColourOf(byteAt(index + 1) & map.CodeMask);
        }
    }
}
