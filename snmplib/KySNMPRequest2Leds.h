#pragma once

#include "KyLedShape.h"
#include "KySNMPRequest2Controls.h"

#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <string>
#include <vector>

class KySNMPLedColorMapList;
class KySNMPLedPoll;

// One LED: where its byte stands in which variable, the map that colours it, and its shape.
struct KyLedBinding {
    int VarIndex = 0;
    int ByteIndex = 0;
    const KySNMPLedColorMapList* Map = nullptr;
    QPointer<KyLedShape> Shape;  // belongs to the form
    bool Blinking = false;
    std::int32_t Colour = 0;
};

// Shows a unit's LEDs from the bytes of one octet-string variable (normally a scalar list of one): polls
// it on a timer, colours each LED's shape through its map, and lets blinking LEDs flash on a fast timer
// for a short while after every answer. A failed poll turns every LED off and writes only the status line.
class KySNMPRequest2Leds : public KySNMPRequest2Controls {
public:
    explicit KySNMPRequest2Leds(QWidget* owner);
    ~KySNMPRequest2Leds() override;

    std::vector<KyLedBinding> Leds;
    // Both belong to the owner form; the binder stops them when it goes.
    QPointer<QTimer> PollTimer;
    QPointer<QTimer> BlinkTimer;  // every 60 ms while blinking LEDs flash after an answer
    int BlinkLimit = 6;
    int BlinkTicks = 0;
    int BytesPerLed = 1;
    int TwoByteFrom = 4;  // with two bytes per LED, the first byte index that has two

    // The shape takes the map's off colour and is shown.
    void AddLed(int varIndex, int byteIndex, const KySNMPLedColorMapList& map, KyLedShape* shape);
    // One shape per byte index of the comma list, laid out left to right on the panel from left with gap
    // pixels between them; the panel loses its frame. Raises -12 for a list that is not numbers.
    void CreateLeds(int varIndex, const std::string& byteList, const KySNMPLedColorMapList& map, QWidget* panel,
                    int left, int gap, KyLedShape::Kind kind, int width, int height);
    // Values of 0 or below give 1 byte per LED and two bytes from byte 4.
    void SetByteLayout(int bytesPerLed, int twoByteFrom);
    // Polls every units x 10 ms, the first time at once.
    void StartPolling(int units);
    // Stops the polling, its own or as a member of a joint poll, which it then leaves.
    void StopPolling();
    // One poll now; a library error turns the LEDs off and is raised again.
    void GetNow();
    void ResetLeds();
    void UpdateAll();
    // One step of the blinking; LEDs that do not blink take their colour.
    void PaintLeds();

    void GetError(const KySNMPError& error) override;

protected:
    void RowReceived() override;
    // Works out blinking and colour of one LED from the octets of its variable's value; paints nothing.
    virtual void UpdateLed(KyLedBinding& binding, const std::string& octets);

private:
    friend class KySNMPLedPoll;

    void OnPollTimer();
    void OnBlinkTimer();
    // The step for the blinking LEDs only; false when none blinks.
    bool PaintBlinkingLeds();
    static void Paint(KyLedBinding& binding, std::int32_t colour);

    KySNMPLedPoll* Poll = nullptr;  // the joint poll this one is a member of
};
