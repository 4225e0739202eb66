// "IP Mask" through its menu item against the simulator, and the columns an Add leaves out.
#include "AclPageWindow.h"
#include "IPMaskInformationFormUnit.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.9.2.2.1.";

TEST(IPMaskExclusions, EachChoiceLeavesOutWhatItMakesMeaningless) {
    struct Case {
        const char* name;
        TIPMaskChoice choice;
        std::vector<int> excluded;
    };
    const std::vector<int> none{};
    const Case cases[] = {
        {"defaults: no mask, no protocol", {"other", "none", "other", "other", "disable", "disable", "none", {}},
         {2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {"destination mask only", {"dst-ip-addr", "none", "other", "other", "disable", "disable", "none", {}},
         {3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {"source mask only", {"src-ip-addr", "none", "other", "other", "disable", "disable", "none", {}},
         {4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {"tcp other with udp dst-addr keeps the destination port mask",
         {"dst-src-ip-addr", "none", "other", "dst-addr", "disable", "disable", "tcp", {}},
         {7, 8, 9, 10, 11, 14, 15, 16, 17}},
        {"tcp with source and destination ports and flag bits",
         {"dst-src-ip-addr", "none", "dst-src-addr", "other", "enable", "disable", "tcp", {}}, {7, 8, 10, 15, 16, 17}},
        {"udp source port", {"other", "none", "other", "src-addr", "disable", "disable", "udp", {}},
         {2, 3, 4, 7, 8, 9, 12, 13, 14, 15, 16, 17}},
        {"icmp type and code", {"other", "type-code", "other", "other", "disable", "disable", "icmp", {}},
         {2, 3, 4, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {"icmp without option", {"other", "none", "other", "other", "disable", "disable", "icmp", {}},
         {2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {"igmp", {"other", "none", "other", "other", "disable", "disable", "igmp", {}},
         {2, 3, 4, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {"protocol ID with its mask", {"other", "type", "dst-addr", "other", "enable", "enable", "protocolId", {}},
         {2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14}},
        {"protocol ID option disabled", {"other", "none", "other", "other", "disable", "disable", "protocolId", {}},
         {2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17}},
        {"empty edits are left out", {"dst-src-ip-addr", "none", "dst-src-addr", "other", "enable", "disable", "tcp", {3, 12, 14, 20, 21}},
         {3, 7, 8, 10, 12, 14, 15, 16, 17, 20, 21}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IPMaskExclusions(c.choice), c.excluded);
    }
}

class IPMaskPageTest : public AclPageWindow {
protected:
    void withMaskPage(const std::function<void(TIPMaskInformationForm*)>& check) {
        withPage<TIPMaskInformationForm>("IPMaskInformation1Click", check);
    }
};

TEST_F(IPMaskPageTest, OpensWithTheProfilesAndLocksTheIdOfASelectedRow) {
    ASSERT_TRUE(open());
    withMaskPage([&](TIPMaskInformationForm* page) {
        EXPECT_EQ(page->windowTitle(), "ACL IP Mask: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 5);
        EXPECT_EQ(page->RowCounter->text(), "5");
        EXPECT_EQ(page->ListView1->headerItem()->text(3), "Source IP Address Mask");
        EXPECT_EQ(page->UseProTypeComBo->currentText(), "none");
        EXPECT_EQ(page->OwnerComboBox->currentText(), "acl");
        EXPECT_FALSE(page->DeleteButton->isEnabled());

        selectRow(page->ListView1, {"2"});
        EXPECT_EQ(page->IpAddMaskStateComboBox->currentText(), "dst-src-ip-addr");
        EXPECT_EQ(page->IpAddMaskDstEdit->text(), "255.255.255.0");
        EXPECT_EQ(page->UseProTypeComBo->currentText(), "udp");
        EXPECT_FALSE(page->IPIDEdit->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        EXPECT_TRUE(page->DeleteButton->isEnabled());
        EXPECT_FALSE(page->OwnerComboBox->isEnabled()) << "shown only";

        selectRow(page->ListView1, {});
        EXPECT_TRUE(page->IPIDEdit->isEnabled());
        EXPECT_TRUE(page->IPIDEdit->text().isEmpty());
        EXPECT_TRUE(page->AddButton->isEnabled());
    });
}

TEST_F(IPMaskPageTest, AddSendsTheProfilesColumnsAndDeleteOnlyTheStatus) {
    ASSERT_TRUE(open());
    withMaskPage([&](TIPMaskInformationForm* page) {
        page->IPIDEdit->setText("9");
        page->IpAddMaskStateComboBox->setCurrentText("src-ip-addr");
        page->IpAddMaskSrcEdit->setText("255.255.255.0");
        page->IpAddMaskDstEdit->setText("255.0.0.0");  // not used by the state: not sent
        page->UseProTypeComBo->setCurrentText("tcp");
        page->TCPOptionComBo->setCurrentText("dst-addr");
        page->TCPUDPDstPortMaskEdit->setText("FFFF");
        page->TCPUDPSrcMaskEdit->setText("zz");  // the TCP option does not use it: neither checked nor sent
        auto sets = click(page->AddButton, Entry);
        EXPECT_EQ(sets, (std::vector<std::vector<std::string>>{
                            {"2.9=1", "3.9=3", "4.9=255.255.255.0", "6.9=2", "7.9=4", "10.9=2", "13.9=0xffff", "14.9=2", "19.9=4"}}));
        EXPECT_EQ(sim->value(Entry + "13.9"), std::optional<std::string>("STRING 0xffff"));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 6);
        EXPECT_TRUE(page->IPIDEdit->text().isEmpty());

        selectRow(page->ListView1, {"9"});
        sets = click(page->DeleteButton, Entry);
        EXPECT_EQ(sets, (std::vector<std::vector<std::string>>{{"19.9=6"}}));
        EXPECT_FALSE(sim->value(Entry + "19.9").has_value());
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 5);
        EXPECT_EQ(page->RowCounter->text(), "5");
        EXPECT_TRUE(page->AddButton->isEnabled());
    });
}

TEST_F(IPMaskPageTest, RefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    using Case = RefusalCase<TIPMaskInformationForm>;
    const auto tcp = [](TIPMaskInformationForm* p, const char* option) {
        p->UseProTypeComBo->setCurrentText("tcp");
        p->TCPOptionComBo->setCurrentText(option);
    };
    const Case cases[] = {
        {"no profile ID", [](auto* p) { p->IPIDEdit->clear(); }, "IP Mask ID must be set."},
        {"listed profile ID", [](auto* p) { p->IPIDEdit->setText("3"); }, "There is already a record with the same IP Mask ID. Please modified it."},
        {"source mask past fifteen characters", [](auto* p) {
             p->IpAddMaskStateComboBox->setCurrentText("src-ip-addr");
             p->IpAddMaskSrcEdit->setText("192.168.100.1009");
         }, "Please input a valid ip"},
        {"destination mask of three parts", [](auto* p) {
             p->IpAddMaskStateComboBox->setCurrentText("dst-src-ip-addr");
             p->IpAddMaskDstEdit->setText("255.255.0");
         }, "Please input a valid ip"},
        {"protocol ID mask of seven digits", [](auto* p) {
             p->UseProTypeComBo->setCurrentText("protocolId");
             p->ProOptionComBo->setCurrentText("enable");
             p->ProIDMaskEdit->setText("FFFFFFF");
         }, "Invalid Mask!"},
        {"protocol ID of 256", [](auto* p) {
             p->UseProTypeComBo->setCurrentText("protocolId");
             p->ProtoIDEdit->setText("256");
         }, "Please input a valid value"},
        {"destination port mask of three digits", [&](auto* p) {
             tcp(p, "dst-addr");
             p->TCPUDPDstPortMaskEdit->setText("FFF");
         }, "Invalid Mask!"},
        {"source port mask with a letter past f", [&](auto* p) {
             tcp(p, "dst-src-addr");
             p->TCPUDPSrcMaskEdit->setText("FFFG");
         }, "Invalid Mask!"},
        {"flag bit mask of 64", [&](auto* p) {
             tcp(p, "other");
             p->TCPFlagBitOptionComBo->setCurrentText("enable");
             p->TCPFlagBitMaskEdit->setText("64");
         }, "Please input a valid value"},
    };
    withMaskPage([&](TIPMaskInformationForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->IPIDEdit->setText("9");
            c.fill(page);
            expectRefused(page->AddButton, Entry, c.text);
            page->IpAddMaskStateComboBox->setCurrentText("other");
            page->UseProTypeComBo->setCurrentText("none");
            page->TCPOptionComBo->setCurrentText("other");
            page->TCPFlagBitOptionComBo->setCurrentText("disable");
            page->ProOptionComBo->setCurrentText("disable");
            for (QLineEdit* edit : page->findChildren<QLineEdit*>()) edit->clear();
        }
    });
}

}  // namespace
