// "Ethernet Mask" through its menu item against the simulator.
#include "AclPageWindow.h"
#include "EthernetMaskInformationFormUnit.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.9.2.1.1.";

class EthernetMaskPageTest : public AclPageWindow {
protected:
    void withMaskPage(const std::function<void(TEthernetMaskInformationForm*)>& check) {
        withPage<TEthernetMaskInformationForm>("EthernetMask1Click", check);
    }
};

TEST_F(EthernetMaskPageTest, OpensWithTheProfilesAndShowsASelectedOne) {
    ASSERT_TRUE(open());
    withMaskPage([&](TEthernetMaskInformationForm* page) {
        EXPECT_EQ(page->windowTitle(), "ACL Ethernet Mask: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 4);
        EXPECT_EQ(page->RowCounter->text(), "4");
        EXPECT_EQ(page->ListView1->headerItem()->text(0), "Mask ID ");
        EXPECT_EQ(page->ListView1->headerItem()->text(3), "MAC Address Mask Sourcc");
        EXPECT_EQ(page->OwnerCombo->currentText(), "acl");
        selectRow(page->ListView1, {"2"});
        EXPECT_EQ(page->MacMaskStateComBo->currentText(), "dst-mac-addr");
        EXPECT_EQ(page->MacMaskDstEdit->text(), "FFFFFF000000");
        EXPECT_FALSE(page->IDEdit->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        EXPECT_FALSE(page->EntryEdit->isEnabled()) << "shown only";
    });
}

TEST_F(EthernetMaskPageTest, AddLeavesOutWhatTheMaskStateDoesNotUseAndDeleteSendsOnlyTheStatus) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        const char* state;
        const char* destination;
        const char* source;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {"other sends neither the state nor the masks", "other", "FFFFFFFFFFFF", "FFFFFFFFFFFF",
         {"2.7=1", "6.7=1", "7.7=1", "8.7=4"}},
        {"destination state never sends the source mask", "dst-mac-addr", "ffffff000000", "zz",
         {"2.7=1", "3.7=2", "5.7=0xffffff000000", "6.7=1", "7.7=1", "8.7=4"}},
        {"an empty mask is left out", "dst-src-mac-addr", "", "FFFFFFFFFFFF",
         {"2.7=1", "3.7=4", "4.7=0xffffffffffff", "6.7=1", "7.7=1", "8.7=4"}},
    };
    withMaskPage([&](TEthernetMaskInformationForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->IDEdit->setText("7");
            page->MacMaskStateComBo->setCurrentText(c.state);
            page->MacMaskDstEdit->setText(c.destination);
            page->MacAddMaskSourceEdit->setText(c.source);
            EXPECT_EQ(click(page->AddButton, Entry), (std::vector<std::vector<std::string>>{c.sent}));
            ASSERT_EQ(page->ListView1->topLevelItemCount(), 5);
            EXPECT_TRUE(page->IDEdit->text().isEmpty()) << "the editor is reset";

            selectRow(page->ListView1, {"7"});
            EXPECT_EQ(click(page->DeleteButton, Entry), (std::vector<std::vector<std::string>>{{"8.7=6"}}));
            EXPECT_EQ(page->ListView1->topLevelItemCount(), 4);
            EXPECT_FALSE(page->DeleteButton->isEnabled());
            const KySNMPVarList& vars = page->Binder->Request.VarList;
            for (int i = 1; i <= 6; ++i) EXPECT_EQ(vars.GetVar(i).Access, afReadWrite) << i;
        }
    });
}

TEST_F(EthernetMaskPageTest, RefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        const char* id;
        const char* state;
        const char* destination;
        const char* source;
        const char* text;
    };
    const Case cases[] = {
        {"listed mask ID", "1", "other", "", "", "There is already a record with the same Ethernet Mask ID. Please modified it."},
        {"no mask ID", "", "dst-mac-addr", "FF", "", "Mask ID must be set"},
        {"destination of eleven digits", "7", "dst-mac-addr", "FFFFFFFFFFF", "", "Invalid MAC Address"},
        {"source with colons", "7", "src-mac-addr", "", "00:11:22:33:44", "Invalid MAC Address"},
        {"both: the source of thirteen digits", "7", "dst-src-mac-addr", "FFFFFFFFFFFF", "FFFFFFFFFFFFF", "Invalid MAC Address"},
    };
    withMaskPage([&](TEthernetMaskInformationForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->IDEdit->setText(c.id);
            page->MacMaskStateComBo->setCurrentText(c.state);
            page->MacMaskDstEdit->setText(c.destination);
            page->MacAddMaskSourceEdit->setText(c.source);
            expectRefused(page->AddButton, Entry, c.text);
        }
    });
}

}  // namespace
