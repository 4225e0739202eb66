// The model table and the panels built from it, without an agent: ports, hints, LED bytes, geometry.
#include "PanelForms.h"
#include "PortButton.h"
#include "UnitBadges.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QToolButton>

#include <sstream>

namespace {

std::vector<int> numbers(const std::string& list) {
    std::vector<int> out;
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) out.push_back(std::stoi(item));
    return out;
}

// Byte of port p in a string with s system LEDs.
int portByte(int s, int p) { return s + 2 * (p - 1); }

TEST(PanelModelTable, ModelNamesMatchTrimmedAndWithoutRegardToCase) {
    struct Case {
        const char* name;
        const char* expected;  // nullptr: no model
    };
    const Case cases[] = {
        {"TRV-5124", "TRV-5124"},     {"trv-5148", "TRV-5148"},   {" TRV-5224F ", "TRV-5224F"},
        {"TRV-5124E\t", "TRV-5124E"}, {"TRV-5212", "TRV-5212"},   {"TRV-5212F", "TRV-5212F"},
        {"TRV-5124F", "TRV-5124F"},   {"TRV-51", nullptr},        {"", nullptr},
        {"TRV-5124X", nullptr},       {"TRV 5124", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TPanelModel* model = FindPanelModel(c.name);
        if (!c.expected) {
            EXPECT_EQ(model, nullptr);
            continue;
        }
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->ModelText, c.expected);
    }
    EXPECT_EQ(BasePanelModel().ModelText, "TRV-5124");
}

TEST(PanelModelTable, TenModelsInMatchingOrderWithTheirConstants) {
    struct Case {
        const char* model;
        const char* className;
        int width, height;
        int system, length, buttons, combo, probed, stacked, standalone;
        std::vector<int> uplinks;
    };
    const Case cases[] = {
        {"TRV-5224", "TPanelTRV5224Form", 800, 89, 3, 57, 28, 21, 2, 25, 27, {25, 26, 27}},
        {"TRV-5224F", "TPanelTRV5224FForm", 800, 90, 3, 57, 28, 21, 2, 25, 27, {25, 26, 27}},
        {"TRV-5248", "TPanelTRV5248Form", 800, 90, 3, 103, 52, 45, 2, 48, 50, {49, 50}},
        {"TRV-5124", "TPanelTRV5124Form", 800, 90, 3, 55, 28, 21, 2, 24, 26, {25, 26}},
        {"TRV-5125", "TPanelTRV5125Form", 800, 89, 3, 57, 28, 21, 2, 25, 27, {25, 26, 27}},
        {"TRV-5148", "TPanelTRV5148Form", 800, 90, 3, 103, 52, 45, 2, 48, 50, {49, 50}},
        {"TRV-5124E", "TPanelTRV5124EForm", 800, 89, 5, 57, 28, 21, 2, 24, 26, {25, 26}},
        {"TRV-5212F", "TPanelTRV5212FForm", 800, 90, 3, 27, 16, 9, 2, 12, 12, {}},
        {"TRV-5212", "TPanelTRV5212Form", 791, 86, 3, 27, 16, 9, 2, 12, 12, {}},
        {"TRV-5124F", "TPanelTRV5124FForm", 800, 90, 3, 55, 0, 21, 1, 24, 26, {25, 26}},
    };
    ASSERT_EQ(PanelModels().size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const TPanelModel& m = PanelModels()[i];
        SCOPED_TRACE(c.model);
        EXPECT_EQ(m.ModelText, c.model);
        EXPECT_EQ(m.ClassName, c.className);
        EXPECT_EQ(m.ClientArea, QSize(c.width, c.height));
        EXPECT_EQ(m.SystemLeds, c.system);
        EXPECT_EQ(m.LedLength, c.length);
        EXPECT_EQ(m.FirstCombo, c.combo);
        EXPECT_EQ(m.ProbedMedium, c.probed);
        EXPECT_EQ(m.PortCount(true), c.stacked);
        EXPECT_EQ(m.PortCount(false), c.standalone);
        EXPECT_EQ(m.Uplinks, c.uplinks);

        const auto panel = CreatePanelForm(m, nullptr);
        EXPECT_STREQ(panel->metaObject()->className(), c.className);
        EXPECT_EQ(panel->size(), QSize(c.width, c.height));
        EXPECT_EQ(int(panel->findChildren<QToolButton*>().size()), c.buttons);
    }
}

// Every LED of the record reads the byte of its port, and the string holds them all.
TEST(PanelModelTable, LedBytesFollowTheStringLayout) {
    for (const TPanelModel& m : PanelModels()) {
        SCOPED_TRACE(m.ModelText);
        for (int i = 0; i < int(m.SystemHosts.size()); ++i) EXPECT_EQ(numbers(m.SystemHosts[i].Bytes), std::vector<int>{i});
        std::vector<int> rowBytes;
        for (const TLedHost& h : m.RowHosts)
            for (int b : numbers(h.Bytes)) rowBytes.push_back(b);
        std::vector<int> expected;
        for (int p = 1; p < m.FirstCombo; ++p) expected.push_back(portByte(m.SystemLeds, p));
        EXPECT_EQ(rowBytes, expected);
        for (std::size_t k = 0; k < m.Uplinks.size(); ++k)
            EXPECT_EQ(numbers(m.UplinkHosts[k].Bytes), std::vector<int>{portByte(m.SystemLeds, m.Uplinks[k])});
        const int lastPort = m.Uplinks.empty() ? m.FirstCombo + 3 : m.Uplinks.back();
        EXPECT_EQ(portByte(m.SystemLeds, lastPort) + 2, m.LedLength);
    }
    // Spot checks of the written-out lists.
    EXPECT_EQ(FindPanelModel("TRV-5124")->RowHosts[0].Bytes, "3,5,7,9,11,13,15,17,19,21,23,25");
    EXPECT_EQ(FindPanelModel("TRV-5124E")->RowHosts[1].Bytes, "29,31,33,35,37,39,41,43");
    EXPECT_EQ(FindPanelModel("TRV-5148")->RowHosts[2].Bytes, "67,69,71,73,75,77,79,81,83,85,87,89");
    EXPECT_EQ(FindPanelModel("TRV-5124F")->RowHosts[2].Bytes, "35,37,39,41");
}

// Buttons lie on the panel without overlapping; each LED host holds its LEDs.
TEST(PanelModelTable, GeometryFitsThePanel) {
    for (const TPanelModel& m : PanelModels()) {
        SCOPED_TRACE(m.ModelText);
        const QRect area(QPoint(0, 0), m.ClientArea);
        for (std::size_t i = 0; i < m.Buttons.size(); ++i) {
            EXPECT_TRUE(area.contains(m.Buttons[i])) << "button " << i + 1;
            for (std::size_t j = i + 1; j < m.Buttons.size(); ++j)
                EXPECT_FALSE(m.Buttons[i].intersects(m.Buttons[j])) << "buttons " << i + 1 << " and " << j + 1;
        }
        std::vector<TLedHost> hosts = m.SystemHosts;
        hosts.insert(hosts.end(), m.RowHosts.begin(), m.RowHosts.end());
        hosts.insert(hosts.end(), m.UplinkHosts.begin(), m.UplinkHosts.end());
        for (const TLedHost& h : hosts) {
            SCOPED_TRACE(h.Name);
            EXPECT_TRUE(area.contains(h.Rect));
            const int count = int(numbers(h.Bytes).size());
            EXPECT_LE(h.Left + (count - 1) * (h.Gap + h.Led.width()) + h.Led.width(), h.Rect.width());
            EXPECT_LE(h.Led.height(), h.Rect.height());
            for (const QRect& b : m.Buttons) EXPECT_FALSE(h.Rect.intersects(b));
        }
        for (const TComboPlace& c : m.Combos) {
            EXPECT_TRUE(area.contains(c.MainRect)) << c.MainHost;
            EXPECT_TRUE(area.contains(c.ComboRect)) << c.ComboHost;
            EXPECT_GE(c.MainRect.width(), std::max(m.LinkedLeft, m.OtherLeft) + m.ComboLed.width());
            EXPECT_GE(c.ComboRect.width(), std::max(m.LinkedLeft, m.OtherLeft) + m.ComboLed.width());
        }
    }
}

TEST(PortButtons, HintsNamePortAndMedium) {
    struct Case {
        const char* model;
        int unit;
        int button;
        const char* hint;
    };
    const Case cases[] = {
        {"TRV-5124", 1, 1, "1.1"},     {"TRV-5124", 1, 24, "24.1"},    {"TRV-5124", 1, 25, "21.2"},
        {"TRV-5124", 2, 1, "65.1"},    {"TRV-5124", 2, 25, "85.2"},    {"TRV-5124", 12, 1, "705.1"},
        {"TRV-5124", 12, 24, "728.1"}, {"TRV-5124", 12, 25, "725.2"},  {"TRV-5124", 12, 28, "728.2"},
        {"TRV-5224F", 1, 3, "3.2"},    {"TRV-5224F", 1, 26, "22.1"},   {"TRV-5148", 3, 48, "176.1"},
        {"TRV-5148", 3, 49, "173.2"},  {"TRV-5248", 1, 52, "48.2"},    {"TRV-5212", 3, 12, "140.1"},
        {"TRV-5212", 3, 13, "137.2"},  {"TRV-5212F", 1, 1, "1.2"},     {"TRV-5212F", 1, 16, "12.1"},
        {"TRV-5124E", 1, 28, "24.2"},  {"TRV-5125", 4, 2, "194.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.model) + " unit " + std::to_string(c.unit) + " button " + std::to_string(c.button));
        auto panel = CreatePanelForm(*FindPanelModel(c.model), nullptr);
        panel->UnitId = c.unit;
        std::vector<QToolButton*> registered;
        TPanelHost host;
        host.PortButtons = &registered;
        panel->RegisterPortButtons(host);
        QToolButton* button = panel->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(c.button));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), c.hint);
        // Registered in number order.
        ASSERT_EQ(registered.size(), std::size_t(panel->Model.ButtonCount()));
        EXPECT_EQ(registered[std::size_t(c.button - 1)], button);
    }
}

TEST(PortButtons, ModelWithoutButtonsRegistersNone) {
    auto panel = CreatePanelForm(*FindPanelModel("TRV-5124F"), nullptr);
    std::vector<QToolButton*> registered;
    TPanelHost host;
    host.PortButtons = &registered;
    panel->RegisterPortButtons(host);
    EXPECT_TRUE(registered.empty());
    EXPECT_FALSE(panel->Model.RegistersButtons);
}

TEST(PortButtons, OneButtonDownPerPanel) {
    auto panel = CreatePanelForm(BasePanelModel(), nullptr);
    panel->PortButton(3)->click();
    panel->PortButton(25)->click();
    EXPECT_FALSE(panel->PortButton(3)->isChecked());
    EXPECT_TRUE(panel->PortButton(25)->isChecked());
    // A second click lets it up again: no port selected.
    panel->PortButton(25)->click();
    EXPECT_FALSE(panel->PortButton(25)->isChecked());
}

TEST(PortButtons, ShowNothingOfTheirOwnUntilDownThenABlueFrameOverATint) {
    QWidget picture;
    picture.resize(40, 30);
    picture.setAutoFillBackground(true);
    QPalette palette = picture.palette();
    palette.setColor(QPalette::Window, Qt::black);
    picture.setPalette(palette);
    auto* button = new TPortButton(&picture);
    button->setCheckable(true);
    button->setGeometry(5, 5, 20, 16);
    const auto pixel = [&](int x, int y) { return picture.grab().toImage().pixelColor(x, y); };

    EXPECT_EQ(pixel(5, 5), QColor(Qt::black));
    EXPECT_EQ(pixel(15, 13), QColor(Qt::black));
    button->setChecked(true);
    // Two pixels of frame on each side, the tint inside.
    for (const QPoint at : {QPoint(5, 5), QPoint(6, 12), QPoint(24, 20), QPoint(15, 19)})
        EXPECT_EQ(pixel(at.x(), at.y()), QColor(40, 150, 255)) << at.x() << "," << at.y();
    const QColor tint = pixel(15, 13);
    EXPECT_NEAR(tint.red(), 40 * 90 / 255, 1);
    EXPECT_NEAR(tint.green(), 150 * 90 / 255, 1);
    EXPECT_NEAR(tint.blue(), 90, 1);
}

TEST(UnitBadgeImages, ListsHoldTheirBadgesInOrder) {
    const auto list1 = MakeImageList1();
    const auto list2 = MakeImageList2();
    ASSERT_EQ(list1.size(), 14u);
    ASSERT_EQ(list2.size(), 12u);
    for (const QPixmap& badge : list1) EXPECT_EQ(badge.size(), QSize(16, 16));
    // Each badge shows a different unit.
    for (std::size_t i = 0; i < list1.size(); ++i)
        for (std::size_t j = i + 1; j < list1.size(); ++j) EXPECT_NE(list1[i].toImage(), list1[j].toImage()) << i << " " << j;
    for (std::size_t i = 0; i < list2.size(); ++i)
        for (std::size_t j = i + 1; j < list2.size(); ++j) EXPECT_NE(list2[i].toImage(), list2[j].toImage()) << i << " " << j;
    // Yellow on black, grey behind the seven segments.
    EXPECT_EQ(list1[0].toImage().pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(list2[0].toImage().pixelColor(0, 0), QColor(128, 128, 128));
}

TEST(UnitBadgeImages, PanelShowsTheBadgeOfItsUnit) {
    TPanelHost host;
    host.ImageList1 = MakeImageList1();
    for (int unit : {1, 7, 12}) {
        auto panel = CreatePanelForm(*FindPanelModel("TRV-5248"), nullptr);
        panel->UnitId = unit;
        panel->RegisterPortButtons(host);
        const QLabel* image2 = panel->findChild<QLabel*>("Image2");
        ASSERT_NE(image2, nullptr);
        EXPECT_EQ(image2->pixmap().toImage(), host.ImageList1[std::size_t(unit - 1)].toImage()) << unit;
    }
    // The 12-port models have no badge.
    EXPECT_EQ(CreatePanelForm(*FindPanelModel("TRV-5212"), nullptr)->findChild<QLabel*>("Image2"), nullptr);
}

}  // namespace
