// "IPv6 Mask" through its menu item against the simulator.
#include "AclPageWindow.h"
#include "IPv6MaskInfoFormUnit.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.9.2.4.1.";
const char* WholeMask = "FFFFFFFFFFFFFFFF0000000000000000";

class IPv6MaskPageTest : public AclPageWindow {
protected:
    void withMaskPage(const std::function<void(TIPv6ProfileForm*)>& check) {
        withPage<TIPv6ProfileForm>("IPv6MaskInformation1Click", check);
    }
};

// What the user chose for a new profile 5.
struct Inputs {
    const char* maskClass = "disable";
    const char* flowLabel = "disable";
    const char* state = "other";
    const char* source = "";
    const char* destination = "";
    const char* protocol = "none";
    const char* option = "other";
    const char* sourcePort = "";
    const char* destinationPort = "";
};

void type(TIPv6ProfileForm* page, const Inputs& in) {
    page->edtMaskID->setText("5");
    choose(page->cbxMaskClass, in.maskClass);
    choose(page->cbxMaskFlowlabel, in.flowLabel);
    choose(page->cbxMaskState, in.state);
    page->edtSrcMask->setText(in.source);
    page->edtDstMask->setText(in.destination);
    choose(page->ProtoTypeCombo, in.protocol);
    if (QString(in.protocol) == "tcp") choose(page->TCPOptionCombo, in.option);
    if (QString(in.protocol) == "udp") choose(page->UDPOptionCombo, in.option);
    page->SourcePortEdit->setText(in.sourcePort);
    page->DstPortEdit->setText(in.destinationPort);
}

TEST_F(IPv6MaskPageTest, OpensWithTheProfilesAndShowsASelectedOne) {
    ASSERT_TRUE(open());
    withMaskPage([&](TIPv6ProfileForm* page) {
        EXPECT_EQ(page->windowTitle(), "ACL IPv6 Mask: 127.0.0.1");
        EXPECT_EQ(page->ProfileIDLabel->text(), "Profile ID (1-6)");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 3);
        EXPECT_EQ(page->RowCounter->text(), "3");
        EXPECT_EQ(page->cbxMaskClass->currentText(), "disable");
        EXPECT_FALSE(page->edtSrcMask->isEnabled());
        EXPECT_FALSE(page->TCPOptionCombo->isEnabled());
        selectRow(page->ListView1, {"2"});
        EXPECT_EQ(page->cbxMaskState->currentText(), "dst-src-ipv6-addr");
        EXPECT_EQ(page->edtDstMask->text(), WholeMask);
        EXPECT_TRUE(page->edtSrcMask->isEnabled());
        EXPECT_EQ(page->ProtoTypeCombo->currentText(), "tcp");
        EXPECT_TRUE(page->SourcePortEdit->isEnabled()) << "dst-src-addr";
        EXPECT_FALSE(page->UDPOptionCombo->isEnabled());
        EXPECT_FALSE(page->edtMaskID->isEnabled());
        EXPECT_FALSE(page->cbbOwner->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        selectRow(page->ListView1, {});
        EXPECT_TRUE(page->edtMaskID->isEnabled());
        EXPECT_EQ(page->ProtoTypeCombo->currentText(), "none");
        EXPECT_TRUE(page->SourcePortEdit->text().isEmpty());
    });
}

TEST_F(IPv6MaskPageTest, AddSendsOnlyTheColumnsItsChoicesEnableAndDeleteSendsTheStatus) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        Inputs in;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {"nothing chosen", {}, {"2.5=2", "3.5=2", "7.5=4"}},
        {"destination address, TCP destination port",
         {.maskClass = "enable", .state = "dst-ipv6-addr", .source = "zz", .destination = "ffffffffffffffff0000000000000000",
          .protocol = "tcp", .option = "dst-addr", .sourcePort = "", .destinationPort = "ff00"},
         {"2.5=1", "3.5=2", "4.5=2", "6.5=0xffffffffffffffff0000000000000000", "7.5=4", "11.5=2", "12.5=2", "15.5=0xff00"}},
        {"both addresses, both UDP ports",
         {.flowLabel = "enable", .state = "dst-src-ipv6-addr", .source = WholeMask, .destination = WholeMask,
          .protocol = "udp", .option = "dst-src-addr", .sourcePort = "FFFF", .destinationPort = "00ff"},
         {"2.5=2", "3.5=1", "4.5=4", "5.5=0xffffffffffffffff0000000000000000", "6.5=0xffffffffffffffff0000000000000000",
          "7.5=4", "11.5=3", "13.5=4", "14.5=0xffff", "15.5=0x00ff"}},
    };
    withMaskPage([&](TIPv6ProfileForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            type(page, c.in);
            EXPECT_EQ(click(page->AddButton, Entry), (std::vector<std::vector<std::string>>{c.sent}));
            ASSERT_EQ(page->ListView1->topLevelItemCount(), 4);
            EXPECT_EQ(sim->value(Entry + "7.5"), "INTEGER 1");

            selectRow(page->ListView1, {"5"});
            EXPECT_EQ(click(page->DeleteButton, Entry), (std::vector<std::vector<std::string>>{{"7.5=6"}}));
            EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
            const KySNMPVarList& vars = page->Binder->Request.VarList;
            for (int i = 1; i < vars.GetCount(); ++i) EXPECT_EQ(vars.GetVar(i).Access & afInvalid, 0) << i;
        }
    });
}

TEST_F(IPv6MaskPageTest, RefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        const char* id;
        Inputs in;
        const char* text;
    };
    const Case cases[] = {
        {"no ID", "", {}, "IPv6 Mask ID must be set."},
        {"a listed ID", "2", {}, "There is already a record with the same IPv6 Mask ID. Please modify it."},
        {"a source mask of 31 digits", "5", {.state = "src-ipv6-addr", .source = "FFFFFFFFFFFFFFFF000000000000000"},
         "Invalid Mask!"},
        {"a destination mask with a non-hex digit", "5",
         {.state = "dst-ipv6-addr", .destination = "FFFFFFFFFFFFFFFF000000000000000G"}, "Invalid Mask!"},
        {"an empty enabled mask", "5", {.state = "dst-src-ipv6-addr", .source = WholeMask}, "Invalid Mask!"},
        {"a port mask of three digits", "5", {.protocol = "udp", .option = "src-addr", .sourcePort = "FFF"}, "Invalid Mask!"},
    };
    withMaskPage([&](TIPv6ProfileForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            type(page, c.in);
            page->edtMaskID->setText(c.id);
            expectRefused(page->AddButton, Entry, c.text);
        }
    });
}

TEST_F(IPv6MaskPageTest, ProtocolNoneDisablesAndEmptiesThePortMasks) {
    ASSERT_TRUE(open());
    withMaskPage([&](TIPv6ProfileForm* page) {
        choose(page->ProtoTypeCombo, "tcp");
        choose(page->TCPOptionCombo, "dst-addr");
        EXPECT_TRUE(page->DstPortEdit->isEnabled());
        EXPECT_FALSE(page->SourcePortEdit->isEnabled());
        page->DstPortEdit->setText("FF00");
        choose(page->ProtoTypeCombo, "none");
        EXPECT_FALSE(page->DstPortEdit->isEnabled());
        EXPECT_TRUE(page->DstPortEdit->text().isEmpty());
    });
}

}  // namespace
