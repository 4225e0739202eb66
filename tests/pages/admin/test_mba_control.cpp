// The MAC-based access page through its menu item against the simulator.
#include "AdminPageWindow.h"
#include "MBAControlUnit.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string Mba = "1.3.6.1.4.1.32473.12.35.1.";

class MBAControlTest : public AdminPageWindow {
protected:
    void withMba(const std::function<void(TMBAControlForm*)>& check) { withAdminPage<TMBAControlForm>("MBAControl1Click", check); }
    void press(QPushButton* button) {
        sim->clearLog();
        button->click();
    }
};

// The SETs of the log (texts in hex), port lists cut to their first four octets.
std::vector<std::vector<std::string>> sets(const std::vector<trvtest::LogEntry>& log) {
    auto all = setsUnder(log, Mba);
    for (auto& set : all)
        for (auto& binding : set)
            if (binding.starts_with("5.0=")) binding = binding.substr(0, 14);
    return all;
}

TEST_F(MBAControlTest, SetSendsThePasswordAndClearAllOnlyWhenChosenAndKeepsTheVlanName) {
    ASSERT_TRUE(open());
    withMba([&](TMBAControlForm* page) {
        EXPECT_EQ(page->windowTitle(), "MBA Global Settings: 127.0.0.1");
        EXPECT_EQ(page->Cbox_State->currentText(), "enabled");
        EXPECT_EQ(page->Cbox_Method->currentText(), "radius");
        EXPECT_EQ(page->edtName->text(), "mba-guest");
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[12]->isChecked());
        EXPECT_TRUE(page->edtPassWord->text().isEmpty()) << "the masked password read is not kept";
        EXPECT_EQ(page->edtPassWord->echoMode(), QLineEdit::Password);
        for (KySNMPRequest2Edits* binder : {page->SettingsBinder, page->VlanBinder, page->DeleteStateBinder, page->VlanNameBinder})
            EXPECT_EQ(binder->Request.Timeout, 300);

        // Nothing typed: the settings without password or clear-all, the member ports under the held name.
        page->PortSelector->PortCheckBoxes[16]->setChecked(true);
        press(page->SetBtn);
        EXPECT_EQ(sets(sim->log()), (std::vector<std::vector<std::string>>{{"1.0=2", "2.0=2"}, {"5.0=0x000f8000"}}));
        EXPECT_EQ(ofKind(sim->log(), "GET").front().bindings.front().oid, Mba + "4.0") << "the held name is read first";
        EXPECT_EQ(sim->value(Mba + "3.0"), std::optional<std::string>("STRING 0x2a2a2a2a2a2a2a2a"));

        page->edtPassWord->setText("n3w-Secret");
        page->Cbox_ClearAllAction->setCurrentIndex(1);
        emit page->Cbox_ClearAllAction->activated(1);
        page->Cbox_Method->setCurrentText("local");
        press(page->SetBtn);
        EXPECT_EQ(sets(sim->log()).front(), (std::vector<std::string>{"1.0=2", "2.0=1", "3.0=0x6e33772d536563726574", "8.0=2"}));
        EXPECT_EQ(page->Cbox_ClearAllAction->currentText(), "other");
        EXPECT_TRUE(page->edtPassWord->text().isEmpty());
        press(page->SetBtn);
        EXPECT_EQ(sets(sim->log()).front(), (std::vector<std::string>{"1.0=2", "2.0=1"})) << "a clear-all runs once";

        // Another name while the switch holds one: refused before anything is sent.
        page->edtName->setText("mba-other");
        MessageBoxes boxes;
        press(page->SetBtn);
        EXPECT_EQ(boxes.Texts, QStringList{"Can't change the VLAN name,delete previous name first!"});
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

TEST_F(MBAControlTest, WithoutAHeldNameTheVlanIsSentOnlyWhenNamedAndDeleteStartsTheDeletion) {
    ASSERT_TRUE(open());
    sim->setValue(Mba + "4.0", "STRING \"\"");
    withMba([&](TMBAControlForm* page) {
        EXPECT_TRUE(page->edtName->text().isEmpty());
        press(page->SetBtn);
        EXPECT_EQ(sets(sim->log()), (std::vector<std::vector<std::string>>{{"1.0=2", "2.0=2"}}));
        page->edtName->setText("mba-vlan");
        press(page->SetBtn);
        EXPECT_EQ(sets(sim->log()).back(), (std::vector<std::string>{"4.0=0x6d62612d766c616e", "5.0=0x000f0000"}));
        EXPECT_EQ(sim->value(Mba + "4.0"), std::optional<std::string>("STRING 0x6d62612d766c616e"));

        press(page->DelBtn);
        EXPECT_EQ(sets(sim->log()), (std::vector<std::vector<std::string>>{{"7.0=2"}}));
        EXPECT_EQ(ofKind(sim->log(), "GET").size(), 4u) << "every group is read again";
    });
}

}  // namespace
