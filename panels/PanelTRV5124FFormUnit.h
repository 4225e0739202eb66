#pragma once

#include "FrontPanelForm.h"

// The front panel of the TRV-5124F, the fibre model: no port buttons; over each connector a green or an
// orange picture tells the port's link as it was when the panel was built, read once from the LED string.
// The combo ports' picture sits over the connector that carries the link, as their LED does.
class TPanelTRV5124FForm : public TFrontPanelForm {
    Q_OBJECT

public:
    explicit TPanelTRV5124FForm(QWidget* owner = nullptr);
    ~TPanelTRV5124FForm() override;

    std::unique_ptr<KySNMPRequest2Edits> SpeedRequest;

    // Shows or hides the port pictures by the speed codes in portspeedled's text.
    void ShowPortSpeeds();
    void FormClose() override;

    // The four hex digits of port n (1-based) in the LED string's hex text; empty when the text is too short.
    static QString SpeedCode(const QString& text, int port);

    static constexpr int PictureCount = 28;  // ports 1-24, then the copper connectors of combo ports 21-24

protected:
    // The speed read and the pictures come first; without them the panel shows no LEDs and is not polled.
    void InitLeds(const TPanelHost& host) override;

private:
    void BuildPictures();
    void ReadPortSpeeds(const TPanelHost& host);
    void ShowPictures(int picture, bool orange, bool green);

    QLabel* portspeedled = nullptr;
};
