#include "PanelTRV5124EFormUnit.h"

#include "KySNMPLedColorMapList.h"
#include "KySNMPRequest2Edits.h"
#include "KySNMPRequest2Leds.h"
#include "Oid_poeled.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

// The PoE key: a small raised button face with the word on it.
QPixmap poeKey(QSize size) {
    QPixmap key(size);
    key.fill(Qt::transparent);
    QPainter p(&key);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(key.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    shade.setColorAt(0, QColor(250, 210, 60));
    shade.setColorAt(1, QColor(200, 140, 20));
    p.setPen(QColor(40, 30, 10));
    p.setBrush(shade);
    p.drawRoundedRect(face, 4, 4);
    QFont font = p.font();
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(30, 30, 30));
    p.drawText(key.rect(), Qt::AlignCenter, QStringLiteral("PoE"));
    return key;
}

}  // namespace

TPanelTRV5124EForm::TPanelTRV5124EForm(QWidget* owner) : TFrontPanelForm(*FindPanelModel("TRV-5124E"), owner) {
    BuildPoeControls();
}

TPanelTRV5124EForm::~TPanelTRV5124EForm() { FormClose(); }

void TPanelTRV5124EForm::BuildPoeControls() {
    // The PoE set's windows lie exactly over the normal set's.
    for (const std::vector<TLedHost>* hosts : {&Model.SystemHosts, &Model.RowHosts, &Model.UplinkHosts})
        for (const TLedHost& h : *hosts) AddHost(h.Name + PoeSuffix, h.Rect)->hide();
    for (const TComboPlace& c : Model.Combos) {
        AddHost(c.MainHost + PoeSuffix, c.MainRect)->hide();
        AddHost(c.ComboHost + PoeSuffix, c.ComboRect)->hide();
    }

    auto* image3 = new QLabel(this);
    image3->setObjectName(QStringLiteral("Image3"));
    image3->setGeometry(62, 40, 23, 23);
    image3->setPixmap(poeKey(image3->size()));
    image3->setCursor(Qt::PointingHandCursor);
    image3->setToolTip(QStringLiteral("PoE LED mode"));
    image3->installEventFilter(this);
    Image3 = image3;

    cmbxPOE = new QComboBox(this);
    cmbxPOE->setObjectName(QStringLiteral("cmbxPOE"));
    cmbxPOE->setGeometry(0, 0, 73, 21);
    cmbxPOE->hide();

    Memo1 = new QPlainTextEdit(QStringLiteral("Memo1"), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(0, 0, 153, 17);
    Memo1->setMaximumBlockCount(MemoLines);
    Memo1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(ApplyInterval);
    connect(Timer1, &QTimer::timeout, this, &TPanelTRV5124EForm::Timer1Timer);

    PauseTimer = new QTimer(this);
    PauseTimer->setSingleShot(true);
    PauseTimer->setInterval(TogglePause);
    connect(PauseTimer, &QTimer::timeout, this, &TPanelTRV5124EForm::WriteOtherMode);

    // Asynchronous, so that neither the timer nor a click waits on a silent agent.
    LedModeRequest = std::make_unique<KySNMPRequest2Edits>(this);
    LedModeRequest->Request.VarList = KySNMPVarList(PoeLedModeVars, MVT_SV, 0);
    LedModeRequest->Request.VarList.InstanceSuffix.assign(1, '0');
    LedModeRequest->BindComboBox(0, cmbxPOE);
    LedModeRequest->OnGetDone = [this] { ModeRead(); };
    LedModeRequest->OnGetError = [this](KySNMPRequest2Controls&, const KySNMPError& e) { ModeReadFailed(e.Message); };
    LedModeRequest->OnSetError = [this](KySNMPRequest2Controls&, const KySNMPError& e) { ModeWritten(e); };
    // No mode is known before the first answer.
    cmbxPOE->setCurrentIndex(-1);
    // Looked up once: the mode is applied every 2 s.
    NormalHosts = FindLedHosts(false);
    PoeHosts = FindLedHosts(true);
}

void TPanelTRV5124EForm::InitLeds(const TPanelHost& host) {
    LedRequest = std::make_unique<KySNMPRequest2Leds>(this);
    ConfigureLedRequest(*LedRequest, host);
    PoeLedRequest = std::make_unique<KySNMPRequest2Leds>(this);
    ConfigureLedRequest(*PoeLedRequest, host);
    CreateLeds(*LedRequest);
    CreateLeds(*PoeLedRequest, PoeSuffix, &UplinkLedColorMap);
    // The PoE set reads the same string: one status line per poll is enough.
    LedRequest->SetStatusTarget(host.StatusTarget);
    StartLedPolling(*PoeLedRequest, host);
    StartLedPolling(*LedRequest, host);
    ApplyLedMode();
    Timer1->start();
}

std::vector<QWidget*> TPanelTRV5124EForm::FindLedHosts(bool poe) const {
    const std::string suffix = poe ? PoeSuffix : "";
    std::vector<QWidget*> hosts;
    for (const std::vector<TLedHost>* list : {&Model.SystemHosts, &Model.RowHosts})
        for (const TLedHost& h : *list) hosts.push_back(Host(h.Name + suffix));
    for (const TComboPlace& c : Model.Combos) hosts.push_back(Host(c.MainHost + suffix));
    for (const TComboPlace& c : Model.Combos) hosts.push_back(Host(c.ComboHost + suffix));
    for (const TLedHost& h : Model.UplinkHosts) hosts.push_back(Host(h.Name + suffix));
    return hosts;
}

void TPanelTRV5124EForm::ShowLedSet() {
    const bool poe = cmbxPOE->currentText() == QLatin1String(PoeModeText);
    for (QWidget* host : LedHosts(poe)) host->show();
    for (QWidget* host : LedHosts(!poe)) host->hide();
}

void TPanelTRV5124EForm::Note(const std::string& message) { Memo1->appendPlainText(QString::fromStdString(message)); }

void TPanelTRV5124EForm::ApplyLedMode() {
    // The answer of the read already out applies the mode.
    if (!LedModeRequest || LedModeRequest->Busy) return;
    try {
        LedModeRequest->Get();
    } catch (const std::exception& e) {
        ModeReadFailed(e.what());
    }
}

void TPanelTRV5124EForm::ModeRead() {
    if (Toggle != ToggleStep::Reading) {
        ShowLedSet();
        return;
    }
    Toggle = ToggleStep::Pausing;
    PauseTimer->start();
}

void TPanelTRV5124EForm::ModeReadFailed(const std::string& message) {
    Note(message);
    if (Toggle != ToggleStep::None) {
        // A toggle ends here; the re-apply timer stays off until a toggle succeeds.
        Toggle = ToggleStep::None;
        return;
    }
    ShowLedSet();
}

void TPanelTRV5124EForm::ToggleLedMode() {
    if (!LedModeRequest || Toggle != ToggleStep::None) return;
    Timer1->stop();
    Toggle = ToggleStep::Reading;
    // A read already out gives the mode as well as a new one would.
    if (LedModeRequest->Busy) return;
    try {
        LedModeRequest->Get();
    } catch (const std::exception& e) {
        ModeReadFailed(e.what());
    }
}

void TPanelTRV5124EForm::WriteOtherMode() {
    if (!LedModeRequest) return;
    Toggle = ToggleStep::Writing;
    cmbxPOE->setCurrentIndex(cmbxPOE->currentIndex() != 0 ? 0 : 1);
    try {
        // A write that could not be sent has been reported by the library already.
        if (!LedModeRequest->Set(1, 1)) Toggle = ToggleStep::None;
    } catch (const std::exception& e) {
        Toggle = ToggleStep::None;
        Note(e.what());
    }
}

void TPanelTRV5124EForm::ModeWritten(const KySNMPError& result) {
    Toggle = ToggleStep::None;
    if (result.Code != 0) {
        Note(result.Message);
        return;
    }
    ApplyLedMode();
    Timer1->start();
}

void TPanelTRV5124EForm::Image3Click() { ToggleLedMode(); }

void TPanelTRV5124EForm::Timer1Timer() {
    try {
        ApplyLedMode();
    } catch (const std::exception& e) {
        Note(e.what());
    }
}

bool TPanelTRV5124EForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image3 && event->type() == QEvent::MouseButtonRelease) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (click->button() == Qt::LeftButton && Image3->rect().contains(click->position().toPoint())) Image3Click();
        return true;
    }
    return TFrontPanelForm::eventFilter(watched, event);
}

void TPanelTRV5124EForm::FormClose() {
    Timer1->stop();
    PauseTimer->stop();
    Toggle = ToggleStep::None;
    if (PoeLedRequest) {
        PoeLedRequest->StopPolling();
        PoeLedRequest->Request.Active = 0;
        PoeLedRequest.reset();
    }
    TFrontPanelForm::FormClose();
    if (LedModeRequest) {
        LedModeRequest->Request.Active = 0;
        LedModeRequest.reset();
    }
}
