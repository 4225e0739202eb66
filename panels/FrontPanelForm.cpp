#include "FrontPanelForm.h"

#include "KyLedWindow.h"
#include "KySNMPLedColorMapList.h"
#include "KySNMPLedPoll.h"
#include "KySNMPRequest2Edits.h"
#include "KySNMPRequest2Leds.h"
#include "Oid_device.h"
#include "Oid_stacking.h"
#include "PortButton.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QToolButton>

#include <algorithm>
#include <string>
#include <vector>

namespace {

void setPaletteColour(QWidget* w, QColor colour) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, colour);
    w->setPalette(palette);
}

void setWindowColour(QWidget* w, QColor colour) {
    setPaletteColour(w, colour);
    w->setAutoFillBackground(true);
}

// An RJ-45 jack: a dark opening with its latch notch towards the row's outer edge.
void drawCopper(QPainter& p, const QRect& r, bool notchUp) {
    p.setPen(QColor(20, 20, 20));
    p.setBrush(QColor(160, 164, 168));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect hole = r.adjusted(3, 3, -3, -3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 15, 18));
    p.drawRect(hole);
    const int notchWidth = hole.width() / 3;
    const QRect notch(hole.center().x() - notchWidth / 2, notchUp ? hole.top() - 2 : hole.bottom() - 1, notchWidth, 3);
    p.drawRect(notch);
    // The contacts, in one call: a panel draws some fifty jacks.
    p.setPen(QColor(190, 160, 60));
    const int y = notchUp ? hole.bottom() - 2 : hole.top() + 2;
    std::vector<QPoint> contacts;
    for (int x = hole.left() + 3; x < hole.right() - 2; x += 2) contacts.emplace_back(x, y);
    p.drawPoints(contacts.data(), int(contacts.size()));
}

// An SFP cage: bright metal with the dark slot of the module.
void drawFibre(QPainter& p, const QRect& r) {
    QLinearGradient metal(r.topLeft(), r.bottomLeft());
    metal.setColorAt(0, QColor(215, 218, 222));
    metal.setColorAt(1, QColor(150, 154, 160));
    p.setPen(QColor(60, 60, 60));
    p.setBrush(metal);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 30));
    p.drawRect(r.adjusted(3, 4, -3, -4));
}

// The painter holds the caption font.
void drawCaption(QPainter& p, const QPoint& at, const QString& text) {
    p.setPen(QColor(200, 205, 210));
    p.drawText(at, text);
}

}  // namespace

const KySNMPLedColorMapList& LedColorMap(TLedMapKind kind) {
    switch (kind) {
    case TLedMapKind::System: return SystemLedColorMap;
    case TLedMapKind::Port: return PortLedColorMap;
    case TLedMapKind::Uplink: return UplinkLedColorMap;
    case TLedMapKind::FibreUplink: return FibreUplinkLedColorMap;
    }
    return PortLedColorMap;
}

TFrontPanelForm::TFrontPanelForm(const TPanelModel& model, QWidget* owner) : QWidget(owner), Model(model) {
    BuildForm();
}

TFrontPanelForm::~TFrontPanelForm() { FormClose(); }

void TFrontPanelForm::BuildForm() {
    setObjectName(QString::fromStdString(Model.ClassName).mid(1));
    setFixedSize(Model.ClientArea);

    if (Model.RegistersButtons) {
        for (int n = 1; n <= Model.ButtonCount(); ++n) {
            auto* button = new TPortButton(this);
            button->setObjectName(QStringLiteral("SpeedButton%1").arg(n));
            button->setGeometry(Model.Buttons[n - 1]);
            button->setCheckable(true);
            button->setCursor(Qt::PointingHandCursor);
            connect(button, &QToolButton::toggled, this, [this, button](bool down) { PortButtonToggled(button, down); });
            Buttons.push_back(button);
        }
    }

    for (const std::vector<TLedHost>* hosts : {&Model.SystemHosts, &Model.RowHosts, &Model.UplinkHosts})
        for (const TLedHost& h : *hosts) AddHost(h.Name, h.Rect);
    for (const TComboPlace& c : Model.Combos) {
        AddHost(c.MainHost, c.MainRect);
        AddHost(c.ComboHost, c.ComboRect);
    }

    if (Model.Badge != TBadgeKind::None) {
        QWidget* badgeParent = this;
        QRect imageRect = Model.BadgeRect;
        if (Model.BadgeFrame) {
            auto* panel1 = new QFrame(this);
            panel1->setObjectName(QStringLiteral("Panel1"));
            panel1->setGeometry(Model.BadgeRect);
            setWindowColour(panel1, Qt::black);
            badgeParent = panel1;
            imageRect = QRect(1, 1, Model.BadgeRect.width() - 2, Model.BadgeRect.height() - 2);
        }
        Image2 = new QLabel(badgeParent);
        Image2->setObjectName(QStringLiteral("Image2"));
        Image2->setGeometry(imageRect);
        Image2->setScaledContents(true);
    }

    ST_ComboPortLinkStatus = new QLabel(QStringLiteral("ST_ComboPortLinkStatus"), this);
    ST_ComboPortLinkStatus->setObjectName(QStringLiteral("ST_ComboPortLinkStatus"));
    ST_ComboPortLinkStatus->hide();
}

QWidget* TFrontPanelForm::AddHost(const std::string& name, const QRect& rect) {
    auto* host = new KyLedWindow(this);
    host->setObjectName(QString::fromStdString(name));
    host->setGeometry(rect);
    // A LED window fills its own background.
    setPaletteColour(host, QColor::fromRgb(LedWindowColour));
    return host;
}

QToolButton* TFrontPanelForm::PortButton(int n) const {
    return n >= 1 && n <= int(Buttons.size()) ? Buttons[n - 1] : nullptr;
}

void TFrontPanelForm::PortButtonToggled(QToolButton* button, bool down) {
    // One port down per panel; the main window keeps one down across panels.
    if (!down) return;
    for (QToolButton* other : Buttons)
        if (other != button) other->setChecked(false);
}

void TFrontPanelForm::InitPanel(const TPanelHost& host) {
    ProbeComboPorts(host);
    try {
        InitLeds(host);
    } catch (const std::exception&) {
        // What was built stays; the creator's own start of the polling reports on the status line.
    }
}

void TFrontPanelForm::InitLeds(const TPanelHost& host) {
    LedRequest = std::make_unique<KySNMPRequest2Leds>(this);
    ConfigureLedRequest(*LedRequest, host);
    CreateLeds(*LedRequest);
    if (Model.Badge == TBadgeKind::ImageList2 && !host.ImageList2.empty())
        SetBadge(host.ImageList2[std::size_t(UnitId) % host.ImageList2.size()]);
    LedRequest->SetStatusTarget(host.StatusTarget);
    StartLedPolling(*LedRequest, host);
}

void TFrontPanelForm::StartLedPolling(KySNMPRequest2Leds& request, const TPanelHost& host) {
    if (host.LedPoll) host.LedPoll->Add(request);
    else request.StartPolling(PollInterval);
}

void TFrontPanelForm::LoadLedVarList(KySNMPVarList& leds, const TPanelHost& host) const {
    if (host.StackModeText == "enabled" && !Model.AlwaysStandaloneLed) {
        leds = KySNMPVarList(PanelStackLedStatusVars, MVT_SV, 0);
        leds.InstanceSuffix = std::to_string(UnitId);
        // Read as raw octets: a zero byte does not end it as it ends a display string.
        leds.GetVar(0).Syntax = sxOctetStr;
    } else {
        leds = KySNMPVarList(PanelLedStatusVars, MVT_SV, 0);
        leds.InstanceSuffix = "0";
    }
    leds.Name = " Led Status";
}

void TFrontPanelForm::ConfigureLedRequest(KySNMPRequest2Leds& request, const TPanelHost& host) const {
    LoadLedVarList(request.Request.VarList, host);
    request.Request.Timeout = LedTimeout;
    request.SetByteLayout(2, Model.SystemLeds);
}

std::vector<std::string> TFrontPanelForm::ComboProbeOids(const TPanelModel& model, int unitId) {
    std::vector<std::string> oids;
    for (int k = 0; k < 4; ++k)
        oids.push_back(std::string(PanelLinkStatusVars[0].Oid) + "." + std::to_string((unitId - 1) * 64 + model.FirstCombo + k) +
                       "." + std::to_string(model.ProbedMedium));
    return oids;
}

TComboLinks ProbeComboLinks(const std::vector<std::string>& oids, QWidget* owner) {
    KySNMPRequest2Edits request(owner);
    request.Async = 0;
    const KySNMPVarDesc& link = PanelLinkStatusVars[0];
    std::vector<KySNMPVarDesc> table;
    for (const std::string& oid : oids) table.push_back({oid.c_str(), link.Label, link.Syntax, link.Access, link.Options});
    table.push_back({nullptr, nullptr, 0, 0, nullptr});
    request.Request.VarList = KySNMPVarList(table.data(), MVT_SV, 0);
    int failure = 0;
    request.OnGetError = [&failure](KySNMPRequest2Controls&, const KySNMPError& e) { failure = e.Code; };
    request.Get();
    TComboLinks links;
    if (failure != 0) return links;
    for (int k = 0; k < int(oids.size()); ++k)
        links[oids[std::size_t(k)]] = request.Request.VarList.GetVar(k).Value == TFrontPanelForm::LinkPassText;
    return links;
}

void TFrontPanelForm::ProbeComboPorts(const TPanelHost& host) {
    ComboLinked = {};
    const std::vector<std::string> oids = ComboProbeOids(Model, UnitId);
    const auto answered = [&oids](const TComboLinks& links) {
        return std::all_of(oids.begin(), oids.end(), [&links](const std::string& oid) { return links.contains(oid); });
    };
    const auto take = [&](const TComboLinks& links) {
        for (std::size_t k = 0; k < ComboLinked.size(); ++k) ComboLinked[k] = links.at(oids[k]);
    };
    if (host.ComboLinks && answered(*host.ComboLinks)) {
        take(*host.ComboLinks);
        return;
    }
    try {
        // The connectors in one GET. When that fails (version 1 refuses it whole for one port it does not
        // know, an error or a lost answer for one port) each port is asked alone, so it costs the others nothing.
        if (host.BetweenRequests) host.BetweenRequests();
        if (const TComboLinks links = ProbeComboLinks(oids, this); answered(links)) {
            take(links);
            return;
        }
        // A port whose read fails counts as not linked; nothing is reported.
        LinkRequest = std::make_unique<KySNMPRequest2Edits>(this);
        LinkRequest->Async = 0;
        LinkRequest->OnGetError = [](KySNMPRequest2Controls&, const KySNMPError&) {};
        LinkRequest->Request.VarList = KySNMPVarList(PanelLinkStatusVars, MVT_SV, 0);
        LinkRequest->BindControl(0, ST_ComboPortLinkStatus);
        for (int k = 0; k < int(ComboLinked.size()); ++k) {
            if (host.BetweenRequests) host.BetweenRequests();
            LinkRequest->Request.VarList.InstanceSuffix =
                std::to_string(StackPort(Model.FirstCombo + k)) + "." + std::to_string(Model.ProbedMedium);
            // A failed read leaves the text alone: it must not carry the previous port's answer.
            ST_ComboPortLinkStatus->clear();
            LinkRequest->Get();
            ComboLinked[std::size_t(k)] = ST_ComboPortLinkStatus->text() == QLatin1String(LinkPassText);
        }
    } catch (const std::exception&) {
        ComboLinked = {};
    }
}

QWidget* TFrontPanelForm::Host(const std::string& name) const { return findChild<QWidget*>(QString::fromStdString(name)); }

void TFrontPanelForm::CreateLeds(KySNMPRequest2Leds& request, const std::string& hostSuffix,
                                 const KySNMPLedColorMapList* rowMap) {
    auto create = [&](const TLedHost& h, const KySNMPLedColorMapList& map) {
        request.CreateLeds(0, h.Bytes, map, Host(h.Name + hostSuffix), h.Left, h.Gap, KyLedShape::Rectangle,
                           h.Led.width(), h.Led.height());
    };
    for (const TLedHost& h : Model.SystemHosts) create(h, LedColorMap(h.Map));
    for (const TLedHost& h : Model.RowHosts) create(h, rowMap ? *rowMap : LedColorMap(h.Map));
    PlaceComboLeds(request, hostSuffix);
    for (const TLedHost& h : Model.UplinkHosts) create(h, LedColorMap(h.Map));
}

void TFrontPanelForm::PlaceComboLeds(KySNMPRequest2Leds& request, const std::string& hostSuffix) {
    for (int k = 0; k < 4; ++k) {
        const TComboPlace& place = Model.Combos[std::size_t(k)];
        QWidget* mainHost = Host(place.MainHost + hostSuffix);
        QWidget* comboHost = Host(place.ComboHost + hostSuffix);
        QWidget* linkedHost = Model.LinkedOnCombo ? comboHost : mainHost;
        QWidget* otherHost = Model.LinkedOnCombo ? mainHost : comboHost;
        const bool linked = ComboLinked[std::size_t(k)] != 0;
        QWidget* ledHost = linked ? linkedHost : otherHost;
        QWidget* emptyHost = linked ? otherHost : linkedHost;
        const int byte = Model.SystemLeds + 2 * (Model.FirstCombo + k - 1);
        request.CreateLeds(0, std::to_string(byte), PortLedColorMap, ledHost, linked ? Model.LinkedLeft : Model.OtherLeft,
                           Model.ComboGap, KyLedShape::Rectangle, Model.ComboLed.width(), Model.ComboLed.height());
        setPaletteColour(emptyHost, QColor::fromRgb(UnusedHostColour));
        if (Model.HideUnusedComboHost) {
            ledHost->show();
            emptyHost->hide();
        }
    }
}

void TFrontPanelForm::RegisterPortButtons(const TPanelHost& host) {
    for (int n = 1; n <= int(Buttons.size()); ++n) {
        QToolButton* button = Buttons[std::size_t(n - 1)];
        button->setToolTip(QStringLiteral("%1.%2").arg(StackPort(Model.ButtonPort(n))).arg(Model.ButtonMedium(n)));
        if (host.PortButtons) host.PortButtons->push_back(button);
    }
    const std::size_t badge = std::size_t(UnitId - 1);
    if (Model.Badge == TBadgeKind::ImageList1 && badge < host.ImageList1.size()) SetBadge(host.ImageList1[badge]);
}

void TFrontPanelForm::SetBadge(const QPixmap& image) {
    if (Image2) Image2->setPixmap(image);
}

void TFrontPanelForm::FormClose() {
    if (LedRequest) {
        LedRequest->StopPolling();
        LedRequest->Request.Active = 0;
        LedRequest.reset();
    }
    if (LinkRequest) {
        LinkRequest->Request.Active = 0;
        LinkRequest.reset();
    }
}

void TFrontPanelForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect body = rect();

    // The chassis: dark, lit from above, with a bevel.
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0, QColor(78, 82, 90));
    shade.setColorAt(1, QColor(44, 46, 52));
    p.fillRect(body, shade);
    p.setPen(QColor(120, 125, 132));
    p.drawLine(body.topLeft(), body.topRight());
    p.drawLine(body.topLeft(), body.bottomLeft());
    p.setPen(QColor(20, 20, 24));
    p.drawLine(body.bottomLeft(), body.bottomRight());
    p.drawLine(body.topRight(), body.bottomRight());

    // The model's name, where the front leaves room for it.
    const bool wideRows = !Model.Buttons.empty() && Model.Buttons.front().left() < 100;
    QFont title = font();
    title.setBold(true);
    title.setPixelSize(wideRows ? 9 : 12);
    p.setFont(title);
    p.setPen(QColor(235, 238, 242));
    p.drawText(wideRows ? QPoint(560, body.bottom() - 4) : QPoint(12, 18), QString::fromStdString(Model.ModelText));
    // The captions: the title's font, small; set once, not for every caption.
    QFont caption = title;
    caption.setPixelSize(7);
    p.setFont(caption);

    // A console jack on the fronts with room left of the LED block.
    if (!wideRows) {
        drawCopper(p, QRect(20, 48, 24, 20), true);
        drawCaption(p, {18, 78}, QStringLiteral("CONSOLE"));
    }

    for (int n = 1; n <= int(Model.Buttons.size()); ++n) {
        const QRect& r = Model.Buttons[std::size_t(n - 1)];
        if (Model.ButtonMedium(n) == 2)
            drawFibre(p, r);
        else
            drawCopper(p, r, n > Model.MainPorts || Model.ButtonPort(n) % 2 == 1);
    }
    for (const QRect& cage : Model.UplinkCages) drawFibre(p, cage);

    for (const TLedHost& h : Model.SystemHosts) drawCaption(p, {h.Rect.right() + 4, h.Rect.bottom()}, QString::fromStdString(h.Caption));
    for (const TLedHost& h : Model.UplinkHosts) drawCaption(p, {h.Rect.right() + 3, h.Rect.bottom()}, QString::fromStdString(h.Caption));
}
