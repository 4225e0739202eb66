#include "PanelTRV5124FFormUnit.h"

#include "KyRawValue.h"
#include "KySNMPRequest2Edits.h"
#include "KySNMPRequest2Leds.h"

#include <QLabel>
#include <QPainter>

namespace {

// A port picture: a lit bar in the connector's opening.
QPixmap speedPicture(QSize size, QColor colour) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient light(0, 0, 0, size.height());
    light.setColorAt(0, colour.lighter(150));
    light.setColorAt(1, colour);
    p.setPen(colour.darker(180));
    p.setBrush(light);
    p.drawRoundedRect(QRectF(picture.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    return picture;
}

enum class Speed { None, Orange, Green, Unknown };

Speed speedOf(const QString& code) {
    if (code == QLatin1String("0101")) return Speed::None;
    if (code == QLatin1String("8201") || code == QLatin1String("8202")) return Speed::Orange;
    if (code == QLatin1String("8203")) return Speed::Green;
    return Speed::Unknown;
}

}  // namespace

TPanelTRV5124FForm::TPanelTRV5124FForm(QWidget* owner) : TFrontPanelForm(*FindPanelModel("TRV-5124F"), owner) {
    BuildPictures();
}

TPanelTRV5124FForm::~TPanelTRV5124FForm() { FormClose(); }

void TPanelTRV5124FForm::BuildPictures() {
    // Pictures 1-24 lie over the SFP connectors, 25-28 over the combo ports' copper ones.
    const QPixmap green = speedPicture({21, 9}, QColor(40, 200, 40));
    const QPixmap orange = speedPicture({21, 9}, QColor(255, 128, 64));
    for (int n = 1; n <= PictureCount; ++n) {
        const QRect& connector = Model.Buttons[std::size_t(n - 1)];
        const QRect place(connector.center().x() - 10, connector.center().y() - 4, 21, 9);
        for (const auto& [suffix, pixmap] : {std::pair{"green", &green}, std::pair{"Orange", &orange}}) {
            auto* picture = new QLabel(this);
            picture->setObjectName(QStringLiteral("Port%1%2").arg(n).arg(QLatin1String(suffix)));
            picture->setGeometry(place);
            picture->setPixmap(*pixmap);
            picture->hide();
        }
    }
    portspeedled = new QLabel(QStringLiteral("portspeedled"), this);
    portspeedled->setObjectName(QStringLiteral("portspeedled"));
    portspeedled->hide();
}

void TPanelTRV5124FForm::InitLeds(const TPanelHost& host) {
    ReadPortSpeeds(host);
    ShowPortSpeeds();
    TFrontPanelForm::InitLeds(host);
}

void TPanelTRV5124FForm::ReadPortSpeeds(const TPanelHost& host) {
    SpeedRequest = std::make_unique<KySNMPRequest2Edits>(this);
    SpeedRequest->Async = 0;
    LoadLedVarList(SpeedRequest->Request.VarList, host);
    // A failed read leaves the caption, which holds no code; nothing is reported.
    SpeedRequest->OnGetError = [](KySNMPRequest2Controls&, const KySNMPError&) {};
    if (host.BetweenRequests) host.BetweenRequests();
    if (!SpeedRequest->Get()) return;
    // The codes come from the octets in both stack modes: a stacked unit's string is no hex text, and a
    // zero octet in it ends nothing.
    const KySNMPVar& leds = SpeedRequest->Request.VarList.GetVar(0);
    const std::string octets = TextToOctets(leds.Value, leds.Syntax);
    portspeedled->setText(QString::fromLatin1(QByteArray::fromStdString(octets).toHex().toUpper()));
}

QString TPanelTRV5124FForm::SpeedCode(const QString& text, int port) {
    const int at = 4 * port + 2;
    return text.size() >= at + 4 ? text.mid(at, 4) : QString();
}

void TPanelTRV5124FForm::ShowPictures(int picture, bool orange, bool green) {
    findChild<QLabel*>(QStringLiteral("Port%1Orange").arg(picture))->setVisible(orange);
    findChild<QLabel*>(QStringLiteral("Port%1green").arg(picture))->setVisible(green);
}

void TPanelTRV5124FForm::ShowPortSpeeds() {
    const QString text = portspeedled->text();
    for (int n = 1; n <= 24; ++n) {
        const Speed speed = speedOf(SpeedCode(text, n));
        if (speed == Speed::Unknown) continue;
        const bool orange = speed == Speed::Orange;
        const bool green = speed == Speed::Green;
        if (n < Model.FirstCombo) {
            ShowPictures(n, orange, green);
            continue;
        }
        // A combo port shows its picture over the connector whose medium has link.
        const bool linked = ComboLinked[std::size_t(n - Model.FirstCombo)] != 0;
        ShowPictures(n, orange && !linked, green && !linked);
        ShowPictures(n + 4, orange && linked, green && linked);
    }
}

void TPanelTRV5124FForm::FormClose() {
    TFrontPanelForm::FormClose();
    if (SpeedRequest) {
        SpeedRequest->Request.Active = 0;
        SpeedRequest.reset();
    }
}
