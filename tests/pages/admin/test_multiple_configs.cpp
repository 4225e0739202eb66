// "Multiple Configuration Settings" and its edit dialog through the menu item against the simulator.
#include "AdminPageWindow.h"
#include "MultiConfigControlEditFormUnit.h"
#include "MultiConfigControlFormUnit.h"
#include "Progress2.h"

#include <QComboBox>

#include <optional>

namespace {

const std::string Configs = "1.3.6.1.4.1.32473.12.1.2.8.4.1.";

class MultipleConfigsTest : public AdminPageWindow {};

TEST_F(MultipleConfigsTest, TheDialogAppliesTheChosenActionToTheSelectedConfigurationWithProgressForActive) {
    ASSERT_TRUE(open());
    withAdminPage<TMultipleConfigControlForm>("MultipleConfigControl1Click", [&](TMultipleConfigControlForm* page) {
        page->ProgressTick = 5;
        EXPECT_EQ(page->windowTitle(), "Multiple Configuration Settings: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 2);
        EXPECT_EQ(page->RowCounter->text(), "2");
        EXPECT_EQ(page->ListView1->topLevelItem(1)->text(0), "cfgId-2");
        EXPECT_EQ(page->ListView1->topLevelItem(1)->text(1), "bootup");
        EXPECT_EQ(page->Binder->Request.Timeout, 300);
        EXPECT_FALSE(page->SetButton->isEnabled());

        struct Case {
            const char* action;
            bool progress;
            const char* sent;
        };
        const Case cases[] = {{"none", false, "2.2=4"}, {"active", true, "2.2=1"}};
        for (const Case& c : cases) {
            SCOPED_TRACE(c.action);
            page->ListView1->setCurrentItem(rowWithKey(page->ListView1, "cfgId-2"));
            EXPECT_TRUE(page->SetButton->isEnabled());
            bool progressSeen = false;
            QString caption;
            sim->clearLog();
            whenModal([&](QWidget* modal) {
                auto* dialog = qobject_cast<TMultiConfigControlEditForm*>(modal);
                if (!dialog) return false;
                caption = dialog->windowTitle();
                EXPECT_EQ(dialog->cbxCtrlID->currentText(), "cfgId-2");
                EXPECT_FALSE(dialog->cbxCtrlID->isEnabled());
                dialog->cbxCfgAction->setCurrentText(c.action);
                whenModal([&](QWidget* shown) {
                    auto* progress = qobject_cast<TProgressForm2*>(shown);
                    if (!progress) return false;
                    progressSeen = progress->windowTitle() == "Set Configuration" && progress->TickLimit == 15 &&
                                   progress->LB_Prompt->text() == "Active Configuration is doing...";
                    return true;
                });
                dialog->btnSet->click();
                return true;
            });
            page->SetButton->click();
            ASSERT_TRUE(waitUntil([&] { return !page->Binder->Busy; }));
            EXPECT_EQ(caption, "Multiple Config Control Edit");
            EXPECT_EQ(progressSeen, c.progress);
            EXPECT_EQ(setsUnder(sim->log(), Configs), (std::vector<std::vector<std::string>>{{c.sent}}));
        }
        EXPECT_EQ(sim->value(Configs + "2.2"), std::optional<std::string>("INTEGER 1"));
        page->RefreshButton->click();
        EXPECT_FALSE(page->SetButton->isEnabled()) << "Edit waits for a row clicked again";
    });
}

}  // namespace
