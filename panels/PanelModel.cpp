#include "PanelModel.h"

#include <QString>

#include <functional>

namespace {

// The state byte of port p in the LED string of a model with s system LEDs.
int ledByte(int s, int port) { return s + 2 * (port - 1); }

std::string byteList(int s, int firstPort, int lastPort) {
    std::string list;
    for (int p = firstPort; p <= lastPort; ++p) {
        if (!list.empty()) list += ',';
        list += std::to_string(ledByte(s, p));
    }
    return list;
}

// Width of a host carrying count LEDs of the given width with gap pixels between them.
int rowWidth(int left, int count, int gap, int width) { return left + (count - 1) * (gap + width) + width; }

// Two rows of connectors, odd ports above, even below, one column per pair, a wider gap after every
// groupSize columns.
struct TwoRows {
    int Left;
    int TopOdd;
    int TopEven;
    int Pitch;
    int GroupSize;
    int GroupGap;
    QSize Size;

    int columnX(int column) const { return Left + column * Pitch + column / GroupSize * GroupGap; }
    QRect port(int p) const {
        const int column = (p - 1) / 2;
        return {columnX(column), p % 2 ? TopOdd : TopEven, Size.width(), Size.height()};
    }
};

void addButtons(TPanelModel& m, const TwoRows& rows, int ports) {
    for (int p = 1; p <= ports; ++p) m.Buttons.push_back(rows.port(p));
}

// Combo connectors in two columns: the first pair at left1, the second at left2.
void addComboColumns(TPanelModel& m, int left1, int left2, int topUpper, int topLower, QSize size) {
    for (int k = 0; k < 4; ++k)
        m.Buttons.push_back({k < 2 ? left1 : left2, k % 2 ? topLower : topUpper, size.width(), size.height()});
}

void addSystemHosts(TPanelModel& m, QPoint at, int ledSize, int left, int pitch) {
    static const char* const names[] = {"PowerLedPanel", "ConsoleLedPanel", "RPSPanel", "LinkLedPanel", "POELedPanel"};
    static const char* const captions[] = {"PWR", "CON", "RPS", "LINK", "PoE"};
    const int host = ledSize + left;
    for (int i = 0; i < m.SystemLeds; ++i)
        m.SystemHosts.push_back({names[i], QRect(at.x(), at.y() + i * pitch, host, host), std::to_string(i), left, 10,
                                 QSize(ledSize, ledSize), TLedMapKind::System, captions[i]});
}

// A row host whose first LED lies at x.
TLedHost rowHost(const std::string& name, int x, int y, const TPanelModel& m, int firstPort, int lastPort, int left,
                 int gap, QSize led) {
    const int count = lastPort - firstPort + 1;
    return {name,
            QRect(x - left, y, rowWidth(left, count, gap, led.width()), led.height() + 1),
            byteList(m.SystemLeds, firstPort, lastPort),
            left,
            gap,
            led,
            TLedMapKind::Port,
            std::to_string(firstPort) + "-" + std::to_string(lastPort)};
}

// Uplink modules left of the port block, their LED above each cage.
void addUplinks(TPanelModel& m, const std::vector<int>& ports, int left, QSize led, TLedMapKind map) {
    m.Uplinks = ports;
    for (std::size_t k = 0; k < ports.size(); ++k) {
        const QRect cage(150 + int(k) * 56, 44, 44, 24);
        m.UplinkCages.push_back(cage);
        const int host = led.width() + left;
        m.UplinkHosts.push_back({"Port" + std::to_string(ports[k]) + "Panel",
                                 QRect(cage.center().x() - host / 2, 30, host, led.height() + left), std::to_string(ledByte(m.SystemLeds, ports[k])),
                                 left, 10, led, map, std::to_string(ports[k])});
    }
}

// Main-row and combo hosts of the four combo ports: the main-row LEDs continue the port row's pitch at
// mainX(k), the combo LEDs sit next to the combo connectors.
void addCombos(TPanelModel& m, const std::function<QRect(int)>& mainRect, const std::function<QRect(int)>& comboRect) {
    for (int k = 0; k < 4; ++k)
        m.Combos.push_back({"Port" + std::to_string(m.FirstCombo + k) + "Panel", mainRect(k),
                            "Combo" + std::to_string(k + 1) + "Panel", comboRect(k)});
}

// LED of a combo connector: above it in the upper row, below it in the lower row.
QRect besideConnector(const QRect& connector, bool upper, int size) {
    const int x = connector.center().x() - size / 2;
    return upper ? QRect(x, connector.top() - size - 2, size, size) : QRect(x, connector.bottom() + 3, size, size);
}

// The copper-first 24-port front: TRV-5124, TRV-5124E, TRV-5125, TRV-5224.
TPanelModel copper24(const std::string& text, QSize area, int systemLeds, int ledLength, std::vector<int> uplinks,
                     int systemLed, int systemLeft) {
    TPanelModel m;
    m.ModelText = text;
    m.ClientArea = area;
    m.SystemLeds = systemLeds;
    m.LedLength = ledLength;
    m.PortCountStacked = 24 + int(uplinks.size()) - 2;
    m.PortCountStandalone = 24 + int(uplinks.size());

    const TwoRows rows{358, 21, 49, 26, 6, 8, {25, 23}};
    addButtons(m, rows, 24);
    addComboColumns(m, 696, 732, 27, 53, {29, 17});

    addSystemHosts(m, {99, systemLeds == 5 ? 10 : 24}, systemLed, systemLeft, systemLeds == 5 ? 15 : 17);
    const QSize led{6, 6};
    const int firstLed = rows.columnX(0) + 7;
    m.RowHosts.push_back(rowHost("LedPanel1", firstLed, 10, m, 1, 12, 1, 7, led));
    m.RowHosts.push_back(rowHost("LedPanel2", rows.columnX(6) + 7, 10, m, 13, 20, 1, 7, led));
    addCombos(
        m, [&](int k) { return QRect(rows.columnX(6) + 7 + (8 + k) * 13 - 1, 10, 7, 7); },
        [&](int k) { return besideConnector(m.Buttons[24 + k], k % 2 == 0, 7); });
    addUplinks(m, uplinks, 1, led, TLedMapKind::Uplink);
    m.BadgeRect = {766, 10, 26, 26};
    return m;
}

// The copper-first 48-port front: TRV-5148, TRV-5248.
TPanelModel copper48(const std::string& text, int systemLed, int systemLeft) {
    TPanelModel m;
    m.ModelText = text;
    m.ClientArea = {800, 90};
    m.LedLength = 103;
    m.MainPorts = 48;
    m.FirstCombo = 45;
    m.PortCountStacked = 48;
    m.PortCountStandalone = 50;

    const TwoRows rows{43, 21, 49, 26, 8, 8, {25, 23}};
    addButtons(m, rows, 48);
    addComboColumns(m, 696, 731, 26, 54, {29, 17});

    addSystemHosts(m, {10, 22}, systemLed, systemLeft, 14);
    const QSize led{6, 6};
    m.RowHosts.push_back(rowHost("LedPanel1", rows.columnX(0) + 6, 10, m, 1, 16, 0, 7, led));
    m.RowHosts.push_back(rowHost("LedPanel2", rows.columnX(8) + 6, 10, m, 17, 32, 0, 7, led));
    m.RowHosts.push_back(rowHost("LedPanel3", rows.columnX(16) + 6, 10, m, 33, 44, 0, 7, led));
    addCombos(
        m, [&](int k) { return QRect(rows.columnX(16) + 6 + (12 + k) * 13 - 1, 10, 7, 7); },
        [&](int k) { return besideConnector(m.Buttons[48 + k], k % 2 == 0, 7); });
    m.Uplinks = {49, 50};
    for (int k = 0; k < 2; ++k)
        m.UplinkHosts.push_back({"Port" + std::to_string(49 + k) + "Panel", QRect(8 + k * 22, 74, 7, 7),
                                 std::to_string(ledByte(3, 49 + k)), 1, 10, led, TLedMapKind::Uplink,
                                 std::to_string(49 + k)});
    m.BadgeRect = {766, 10, 26, 26};
    return m;
}

// The fibre-first 24-port fronts: TRV-5224F (buttons) and TRV-5124F (LEDs only).
TPanelModel fibre24(const std::string& text, int pitch, int rowLeft, int rowGap, QSize led) {
    TPanelModel m;
    m.ModelText = text;
    m.ClientArea = {800, 90};
    m.LedLength = text == "TRV-5224F" ? 57 : 55;
    m.MainMedium = 2;
    m.ComboMedium = 1;
    m.PortCountStacked = text == "TRV-5224F" ? 25 : 24;
    m.PortCountStandalone = text == "TRV-5224F" ? 27 : 26;

    const TwoRows rows{text == "TRV-5224F" ? 345 : 300, 28, 51, pitch, 4, 8, {25, 17}};
    addButtons(m, rows, 24);
    addComboColumns(m, 705, 732, 23, 49, {25, 22});

    const int ledPitch = led.width() + rowGap;
    auto firstLed = [&](int column) { return rows.columnX(column) + (pitch / 2 - ledPitch) / 2 + 1; };
    m.RowHosts.push_back(rowHost("LedPanel1", firstLed(0), 14, m, 1, 8, rowLeft, rowGap, led));
    m.RowHosts.push_back(rowHost("LedPanel2", firstLed(4), 14, m, 9, 16, rowLeft, rowGap, led));
    m.RowHosts.push_back(rowHost("LedPanel3", firstLed(8), 14, m, 17, 20, rowLeft, rowGap, led));
    addCombos(
        m, [&](int k) { return QRect(firstLed(8) + (4 + k) * ledPitch - 1, 14, led.width() + 1, led.height() + 1); },
        [&](int k) { return besideConnector(m.Buttons[24 + k], k % 2 == 0, led.width() + 1); });
    return m;
}

// The 12-port fronts: TRV-5212 (copper first), TRV-5212F (fibre first).
TPanelModel twelve(const std::string& text) {
    TPanelModel m;
    m.ModelText = text;
    m.LedLength = 27;
    m.MainPorts = 12;
    m.FirstCombo = 9;
    m.PortCountStacked = 12;
    m.PortCountStandalone = 12;
    m.Badge = TBadgeKind::None;
    const bool fibre = text == "TRV-5212F";
    if (fibre) {
        m.ClientArea = {800, 90};
        m.MainMedium = 2;
        m.ComboMedium = 1;
        for (int i = 0; i < 12; ++i) m.Buttons.push_back({282 + i * 27 + i / 4 * 13, 45, 25, 17});
        addComboColumns(m, 689, 715, 21, 47, {24, 22});
    } else {
        m.ClientArea = {791, 86};
        const TwoRows rows{371, 24, 48, 26, 6, 0, {25, 22}};
        addButtons(m, rows, 12);
        for (int left : {618, 642, 666, 693}) m.Buttons.push_back({left, 51, 22, 17});
    }
    addSystemHosts(m, {100, 24}, 7, 0, 16);
    // One host per port LED, over its own connector.
    auto portLed = [&](int p) {
        const QRect& c = m.Buttons[p - 1];
        return fibre ? QRect(c.center().x() - 3, c.top() - 10, 7, 7)
                     : besideConnector(c, p % 2 == 1, 7);
    };
    for (int p = 1; p <= 8; ++p)
        m.RowHosts.push_back({"Port" + std::to_string(p) + "Panel", portLed(p), std::to_string(ledByte(3, p)), 0, 10,
                              QSize(6, 6), TLedMapKind::Port, std::to_string(p)});
    addCombos(
        m, [&](int k) { return portLed(9 + k); },
        [&](int k) {
            const QRect& c = m.Buttons[12 + k];
            return fibre ? besideConnector(c, k % 2 == 0, 7) : QRect(c.center().x() - 3, c.top() - 10, 7, 7);
        });
    m.OtherLeft = 0;
    return m;
}

std::vector<TPanelModel> buildModels() {
    std::vector<TPanelModel> models;

    models.push_back(copper24("TRV-5224", {800, 89}, 3, 57, {25, 26, 27}, 7, 0));

    TPanelModel m5224F = fibre24("TRV-5224F", 26, 1, 7, {6, 6});
    addSystemHosts(m5224F, {100, 24}, 7, 0, 16);
    addUplinks(m5224F, {25, 26, 27}, 1, {6, 6}, TLedMapKind::Uplink);
    // The probed fibre side is the main row here.
    m5224F.LinkedOnCombo = false;
    m5224F.LinkedLeft = 1;
    m5224F.OtherLeft = 0;
    m5224F.BadgeRect = {766, 10, 26, 26};
    models.push_back(m5224F);

    models.push_back(copper48("TRV-5248", 7, 0));

    models.push_back(copper24("TRV-5124", {800, 90}, 3, 55, {25, 26}, 6, 1));

    models.push_back(copper24("TRV-5125", {800, 89}, 3, 57, {25, 26, 27}, 6, 1));

    models.push_back(copper48("TRV-5148", 6, 1));

    models.push_back(copper24("TRV-5124E", {800, 89}, 5, 57, {25, 26}, 6, 1));

    TPanelModel m5212F = twelve("TRV-5212F");
    // The probed fibre side is the main row here.
    m5212F.LinkedOnCombo = false;
    models.push_back(m5212F);

    TPanelModel m5212 = twelve("TRV-5212");
    m5212.AlwaysStandaloneLed = true;
    models.push_back(m5212);

    TPanelModel m5124F = fibre24("TRV-5124F", 32, 1, 10, {6, 4});
    addSystemHosts(m5124F, {100, 24}, 5, 0, 16);
    addUplinks(m5124F, {25, 26}, 0, {5, 5}, TLedMapKind::FibreUplink);
    // The probed copper side lies at the combo connectors; the unused host is hidden.
    m5124F.ProbedMedium = 1;
    m5124F.ComboLed = {6, 4};
    m5124F.OtherLeft = 0;
    m5124F.HideUnusedComboHost = true;
    m5124F.RegistersButtons = false;
    m5124F.Badge = TBadgeKind::ImageList2;
    m5124F.BadgeRect = {770, 10, 17, 16};
    m5124F.BadgeFrame = false;
    models.push_back(m5124F);

    for (TPanelModel& m : models) {
        std::string name = m.ModelText;
        name.erase(name.find('-'), 1);
        m.ClassName = "TPanel" + name + "Form";
    }
    return models;
}

QString trimmed(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())).trimmed(); }

}  // namespace

int TPanelModel::ButtonPort(int button) const { return button <= MainPorts ? button : FirstCombo + button - MainPorts - 1; }

int TPanelModel::ButtonMedium(int button) const { return button <= MainPorts ? MainMedium : ComboMedium; }

const std::vector<TPanelModel>& PanelModels() {
    static const std::vector<TPanelModel> models = buildModels();
    return models;
}

const TPanelModel* FindPanelModel(std::string_view moduleName) {
    const QString name = trimmed(moduleName);
    for (const TPanelModel& m : PanelModels())
        if (name.compare(QString::fromStdString(m.ModelText), Qt::CaseInsensitive) == 0) return &m;
    return nullptr;
}

const TPanelModel& BasePanelModel() { return *FindPanelModel("TRV-5124"); }
