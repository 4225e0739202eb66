// The port selector of the port-list dialogs and the time-based progress dialogs.
#include "Progress.h"
#include "Progress2.h"
#include "KySNMPRequest2Edits.h"
#include "StackingPortUitForm.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {

// The tabs a selector shows, with the check boxes visible on each.
std::vector<std::pair<QString, int>> shownUnits(const TStackingPortUitForm& selector) {
    std::vector<std::pair<QString, int>> shown;
    for (std::size_t u = 0; u < selector.UnitSheets.size(); ++u) {
        const int index = selector.UnitPageControl->indexOf(selector.UnitSheets[u]);
        if (!selector.UnitPageControl->isTabVisible(index)) continue;
        int boxes = 0;
        for (int p = 0; p < UnitPortPositions; ++p)
            boxes += !selector.PortCheckBoxes[u * UnitPortPositions + std::size_t(p)]->isHidden();
        shown.emplace_back(selector.UnitPageControl->tabText(index), boxes);
    }
    return shown;
}

}  // namespace

TEST(PortSelector, ShowsOneTabPerPresentUnitWithItsModelsPorts) {
    using Units = std::vector<std::pair<QString, int>>;
    struct Case {
        const char* name;
        TPortSelectorDevice device;
        Units shown;
        bool tabBar;
    };
    const Case cases[] = {
        {"single device without a unit table", {false, {}}, {{"Unit1 TRV-5124", 26}}, false},
        {"single 48-port switch", {false, {{"1", "TRV-5248", "1", "exist"}}}, {{"Unit1 TRV-5248", 50}}, false},
        {"stack of units 1 and 3, unit 2 absent",
         {true, {{"1", "TRV-5124", "1", "exist"}, {"2", "TRV-5148", "65", "no-exist"}, {"3", "trv-5248", "129", "exist"}}},
         {{"Unit1 TRV-5124", 24}, {"Unit3 trv-5248", 48}},
         true},
        {"unknown model and bad unit IDs",
         {true, {{"2", "XYZ", "65", "exist"}, {"0", "TRV-5124", "1", "exist"}, {"13", "TRV-5124", "1", "exist"}, {"x", "TRV-5124", "1", "exist"}}},
         {{"Unit2 XYZ", 0}},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget sheet;
        auto* selector = new TStackingPortUitForm;
        setupPortSelector(selector, &sheet, c.device);
        EXPECT_EQ(selector->parentWidget(), &sheet);
        EXPECT_EQ(selector->PortCheckBoxes.size(), std::size_t(c.device.Stacked ? 768 : 64));
        EXPECT_EQ(shownUnits(*selector), c.shown);
        EXPECT_EQ(!selector->UnitPageControl->tabBar()->isHidden(), c.tabBar);
    }
}

TEST(PortSelector, BoxesStandTwelveARowAndBoxKIsPortPositionK) {
    QWidget sheet;
    auto* selector = new TStackingPortUitForm;
    setupPortSelector(selector, &sheet, {true, {{"1", "TRV-5124", "1", "exist"}, {"3", "TRV-5248", "129", "exist"}}});
    const auto& boxes = selector->PortCheckBoxes;
    EXPECT_EQ(boxes[128]->text(), "1") << "port 1 of unit 3";
    EXPECT_EQ(boxes[0]->y(), boxes[11]->y());
    EXPECT_LT(boxes[11]->y(), boxes[12]->y());
    EXPECT_EQ(boxes[0]->x(), boxes[12]->x());

    // Box k is position k: checked ports come back as the same numbers.
    const std::vector<int> ports{1, 24, 129, 176};
    for (int p : ports) boxes[std::size_t(p - 1)]->setChecked(true);
    std::vector<int> checked;
    for (std::size_t k = 0; k < boxes.size(); ++k)
        if (boxes[k]->isChecked()) checked.push_back(int(k) + 1);
    EXPECT_EQ(checked, ports);
    selector->UncheckAll();
    EXPECT_TRUE(std::none_of(boxes.begin(), boxes.end(), [](QCheckBox* b) { return b->isChecked(); }));
    selector->DisableAll();
    EXPECT_FALSE(boxes[5]->isEnabled());
    selector->EnableAll();
    EXPECT_TRUE(boxes[5]->isEnabled());
}

TEST(PortSelector, ModelPortCountsAndPositionLists) {
    struct Case {
        const char* model;
        int stacked, alone;
    };
    for (const Case& c : {Case{"TRV-5124", 24, 26}, Case{"TRV-5125", 25, 27}, Case{"trv-5248", 48, 50},
                          Case{"TRV-5212F", 12, 12}, Case{"TRV-5224", 25, 27}, Case{"Other", 0, 0}}) {
        SCOPED_TRACE(c.model);
        EXPECT_EQ(getModelPortCount(c.model, true), c.stacked);
        EXPECT_EQ(getModelPortCount(c.model, false), c.alone);
    }
    const std::string single = makePortNumberList(false), stack = makePortNumberList(true);
    EXPECT_EQ(std::count(single.begin(), single.end(), ',') + 1, 64);
    EXPECT_EQ(std::count(stack.begin(), stack.end(), ',') + 1, 768);
    EXPECT_TRUE(single.starts_with("0,1,2,") && single.ends_with(",63"));
    EXPECT_TRUE(stack.ends_with(",767"));
}

TEST(PortSelector, APortListGoesIntoTheBoxesAndBack) {
    constexpr KySNMPVarDesc PortListVars[] = {{"1.3.6.1.4.1.32473.99.1.4", "Ports", sxBitStr, afReadWrite, nullptr},
                                              {nullptr, nullptr, 0, 0, nullptr}};
    struct Case {
        const char* name;
        TPortSelectorDevice device;
        std::string read;     // the value as the device holds it: port 1 is the high bit of the first octet
        std::vector<int> checked;
        int clicked;          // a box the user then ticks
        std::string written;
    };
    const Case cases[] = {
        {"single switch", {false, {{"1", "TRV-5124", "1", "exist"}}}, "C000000100000000", {0, 1, 31}, 25,
         "C000004100000000"},
        {"stack, a port of unit 3", {true, {{"1", "TRV-5124", "1", "exist"}, {"3", "TRV-5248", "129", "exist"}}},
         "80" + std::string(30, '0') + "20" + std::string(158, '0'), {0, 130}, 128 + 47,
         "80" + std::string(30, '0') + "20" + std::string(8, '0') + "01" + std::string(148, '0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget sheet;
        auto* selector = new TStackingPortUitForm;
        setupPortSelector(selector, &sheet, c.device);
        KySNMPRequest2Edits binder(&sheet);
        binder.Request.VarList = KySNMPVarList(PortListVars, SVT_SV, 0);
        binder.BindControlList(0, makePortNumberList(c.device.Stacked),
                               std::vector<QWidget*>(selector->PortCheckBoxes.begin(), selector->PortCheckBoxes.end()));
        binder.Request.VarList.GetVar(0).Value = c.read;
        binder.ValuesToControls(0);
        std::vector<int> checked;
        for (std::size_t k = 0; k < selector->PortCheckBoxes.size(); ++k)
            if (selector->PortCheckBoxes[k]->isChecked()) checked.push_back(int(k));
        EXPECT_EQ(checked, c.checked);

        selector->PortCheckBoxes[std::size_t(c.clicked)]->setChecked(true);
        binder.ControlsToValues(0);
        EXPECT_EQ(binder.Request.VarList.GetVar(0).Value, c.written);
    }
}

TEST(ProgressForms, CloseAfterTheirTicksAndNotBefore) {
    struct Case {
        const char* name;
        int limit;  // 0: TProgressForm
        int ticks;
    };
    for (const Case& c : {Case{"default limit", 30, 31}, Case{"limit 15", 15, 16}, Case{"limit past the bar", 100, 101},
                          Case{"bar full", 0, 51}}) {
        SCOPED_TRACE(c.name);
        QWidget parent;
        std::unique_ptr<QDialog> dialog;
        QTimer* timer = nullptr;
        std::function<void()> tick;
        int maxSeen = 0;
        if (c.limit) {
            auto* form = new TProgressForm2(&parent, 1);
            if (c.limit != 30) form->TickLimit = c.limit;
            timer = form->ProgressTimer;
            tick = [form, &maxSeen] { form->ProgressTimerTimer(); maxSeen = std::max(maxSeen, form->ProgressBar->value()); };
            dialog.reset(form);
        } else {
            auto* form = new TProgressForm(&parent, 1);
            timer = form->ProgressTimer;
            tick = [form] { form->ProgressTimerTimer(); };
            dialog.reset(form);
        }
        timer->stop();
        dialog->show();
        int n = 0;
        while (dialog->isVisible() && n < 500) {
            dialog->close();  // the user cannot close it
            tick();
            ++n;
        }
        EXPECT_EQ(n, c.ticks);
        if (c.limit == 30) {
            EXPECT_EQ(maxSeen, 30) << "the bar never wraps before the default limit";
        }
    }
}
