// The four DDM pages through their menu items against the simulator.
#include "AdminPageWindow.h"
#include "DDMThresholdRequest.h"
#include "GUIConfigForm.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const std::string Ddm = "1.3.6.1.4.1.32473.12.72.";

class DdmPagesTest : public AdminPageWindow {};

QTreeWidget* listOf(TConfigForm* page) { return page->findChild<QTreeWidget*>(); }

QLineEdit* editOf(KySNMPRequest2Edits& binder, int position) {
    for (const KyControlBinding& binding : binder.Bindings)
        if (binding.VarIndex == position)
            for (const auto& control : binding.Controls)
                if (auto* edit = qobject_cast<QLineEdit*>(control.data())) return edit;
    return nullptr;
}

TEST(DdmThreshold, AThresholdIsEditedWithoutItsLastThreeDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"-40000", "-40"}, {"75000", "75"}, {"500", ""}, {"75", ""}, {"-1", "-"}, {"", "-"}, {"N/A", "-"}, {"12.5", "-"}};
    for (const auto& [read, shown] : cases) EXPECT_EQ(NewRequest2EditsForDDMThreshold::Shown(read), shown) << read;
}

TEST_F(DdmPagesTest, SettingsAreReadAndWrittenAtInstanceZero) {
    ASSERT_TRUE(open());
    withPage("ControlTable6Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "DDM Settings: 127.0.0.1");
        KySNMPRequest2Edits& binder = *page->Requests[0];
        QComboBox* trap = nullptr;
        for (const KyControlBinding& binding : binder.Bindings)
            if (binding.VarIndex == 0 && !binding.Controls.empty()) trap = qobject_cast<QComboBox*>(binding.Controls[0].data());
        ASSERT_NE(trap, nullptr);
        EXPECT_EQ(trap->currentText(), "enabled");
        sim->clearLog();
        binder.Async = 0;
        MessageBoxes boxes;
        EXPECT_TRUE(binder.Set(0, 1));
        EXPECT_TRUE(boxes.Texts.isEmpty()) << boxes.Texts.join("|").toStdString();
        EXPECT_EQ(setsUnder(sim->log(), Ddm), (std::vector<std::vector<std::string>>{{"1.1.0=1", "1.2.0=2"}}));
    });
}

TEST_F(DdmPagesTest, StatusAndPortTablesShowEveryTransceiverAsRead) {
    ASSERT_TRUE(open());
    withPage("StatusTable2Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "DDM Status Table: 127.0.0.1");
        EXPECT_EQ(page->height(), 450);
        QTreeWidget* list = listOf(page);
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(list->topLevelItem(2)->text(0), "89");
        EXPECT_EQ(list->topLevelItem(2)->text(5), "-21.350");
    });
    withPage("PortManagementTable4Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "DDM Port Management Table: 127.0.0.1");
        QTreeWidget* list = listOf(page);
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(list->topLevelItem(0)->text(2), "alarm");
        EXPECT_EQ(list->topLevelItem(2)->text(1), "disabled");
    });
}

TEST_F(DdmPagesTest, ThresholdsLeftAsTheyWereGoBackAsReadAndNewOnesAreScaledBack) {
    ASSERT_TRUE(open());
    withPage("ThresholdManagementTable2Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "DDM Threshold Management Table: 127.0.0.1");
        QTreeWidget* list = listOf(page);
        ASSERT_EQ(list->topLevelItemCount(), 15);
        KySNMPRequest2Edits& binder = *page->Requests[0];
        list->setCurrentItem(list->topLevelItem(0));
        EXPECT_EQ(list->topLevelItem(0)->text(2), "75000") << "the list keeps the switch's text";
        ASSERT_NE(editOf(binder, 2), nullptr);
        EXPECT_EQ(editOf(binder, 2)->text(), "75");
        EXPECT_EQ(editOf(binder, 3)->text(), "-5");
        EXPECT_EQ(editOf(binder, 5)->text(), "");
        binder.Async = 0;
        sim->clearLog();
        EXPECT_TRUE(binder.Set(0, 1));
        EXPECT_EQ(setsUnder(sim->log(), Ddm),
                  (std::vector<std::vector<std::string>>{{"3.1.1.1.2.25.1=0x3735303030", "3.1.1.1.3.25.1=0x2d35303030",
                                                          "3.1.1.1.4.25.1=0x3730303030", "3.1.1.1.5.25.1=0x30"}}));
        list->setCurrentItem(list->topLevelItem(0));
        editOf(binder, 2)->setText("80");
        sim->clearLog();
        EXPECT_TRUE(binder.Set(0, 1));
        const auto sets = setsUnder(sim->log(), Ddm);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0][0], "3.1.1.1.2.25.1=0x3830303030") << "80 is 80000 on the switch";
    });
}

}  // namespace
