// "Packet Content Mask" through its menu item against the simulator.
#include "AclPageWindow.h"
#include "PacketContentMaskFormUnit.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.9.2.8.1.";

class PacketContentMaskPageTest : public AclPageWindow {
protected:
    void withMaskPage(const std::function<void(TPktContentMaskForm*)>& check) {
        withPage<TPktContentMaskForm>("PacketContentMask1Click", check);
    }
};

// One chunk as typed: its state, value and offset.
struct Chunk {
    const char* state;
    const char* value;
    const char* offset;
};

void typeChunks(TPktContentMaskForm* page, const char* id, const std::array<Chunk, 4>& chunks) {
    page->edtProfileID->setText(id);
    for (int i = 0; i < 4; ++i) {
        page->cbxChunkState[i]->setCurrentText(chunks[i].state);
        page->edtChunkValue[i]->setText(chunks[i].value);
        page->edtChunkOffset[i]->setText(chunks[i].offset);
    }
}

constexpr Chunk Off{"disabled", "", ""};

TEST_F(PacketContentMaskPageTest, OpensWithTheProfilesAndShowsASelectedOne) {
    ASSERT_TRUE(open());
    withMaskPage([&](TPktContentMaskForm* page) {
        EXPECT_EQ(page->windowTitle(), "ACL Packet Content Mask: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 3);
        EXPECT_EQ(page->RowCounter->text(), "3");
        for (QComboBox* state : page->cbxChunkState) EXPECT_EQ(state->currentText(), "disabled");
        selectRow(page->ListView1, {"6"});
        EXPECT_EQ(page->cbxChunkState[0]->currentText(), "enabled");
        EXPECT_EQ(page->edtChunkValue[3]->text(), "31");
        EXPECT_EQ(page->edtChunkOffset[2]->text(), "00FF00FF");
        EXPECT_FALSE(page->edtProfileID->isEnabled());
        EXPECT_FALSE(page->cbxOwner->isEnabled()) << "shown only";
        EXPECT_FALSE(page->AddButton->isEnabled());
        selectRow(page->ListView1, {});
        EXPECT_TRUE(page->edtProfileID->text().isEmpty());
        EXPECT_TRUE(page->AddButton->isEnabled());
    });
}

TEST_F(PacketContentMaskPageTest, AddSendsEveryStateAndOnlyTheEnabledChunksValuesAndDeleteSendsTheStatus) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        std::array<Chunk, 4> chunks;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {"first chunk alone",
         {Chunk{"enabled", "3", "0000ffff"}, Off, Off, Off},
         {"2.8=1", "3.8=3", "4.8=0x0000ffff", "5.8=2", "8.8=2", "11.8=2", "14.8=4"}},
        {"a disabled chunk's typed values stay home",
         {Chunk{"disabled", "9", "12345678"}, Off, Chunk{"enabled", "0", "FF000000"}, Off},
         {"2.8=2", "5.8=2", "8.8=1", "9.8=0", "10.8=0xff000000", "11.8=2", "14.8=4"}},
        {"all four chunks",
         {Chunk{"enabled", "1", "ffffffff"}, Chunk{"enabled", "2", "0000FFFF"}, Chunk{"enabled", "30", "00ff00ff"},
          Chunk{"enabled", "31", "ff00ff00"}},
         {"2.8=1", "3.8=1", "4.8=0xffffffff", "5.8=1", "6.8=2", "7.8=0x0000ffff", "8.8=1", "9.8=30",
          "10.8=0x00ff00ff", "11.8=1", "12.8=31", "13.8=0xff00ff00", "14.8=4"}},
    };
    withMaskPage([&](TPktContentMaskForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            typeChunks(page, "8", c.chunks);
            EXPECT_EQ(click(page->AddButton, Entry), (std::vector<std::vector<std::string>>{c.sent}));
            ASSERT_EQ(page->ListView1->topLevelItemCount(), 4);
            EXPECT_EQ(sim->value(Entry + "14.8"), "INTEGER 1");
            EXPECT_TRUE(page->edtProfileID->text().isEmpty()) << "the editor is emptied";

            selectRow(page->ListView1, {"8"});
            EXPECT_EQ(click(page->DeleteButton, Entry), (std::vector<std::vector<std::string>>{{"14.8=6"}}));
            EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
            const KySNMPVarList& vars = page->Binder->Request.VarList;
            for (int i = 1; i <= 13; ++i) EXPECT_EQ(vars.GetVar(i).Access, afReadWrite) << i;
        }
    });
}

TEST_F(PacketContentMaskPageTest, ChunkRefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* id;
        std::array<Chunk, 4> chunks;
        const char* text;
    };
    const Case cases[] = {
        {"", {Chunk{"enabled", "1", "0000ffff"}, Off, Off, Off}, "Profile ID must be set."},
        {"8", {Off, Off, Off, Off}, "Please specify at least one Chunk!"},
        {"8", {Chunk{"enabled", "", "0000ffff"}, Off, Off, Off}, "Please specify Chunk1 Value!"},
        {"8", {Off, Chunk{"enabled", "4", ""}, Off, Off}, "Please specify Chunk2 Offset!"},
        {"8", {Off, Off, Chunk{"enabled", "4", "0000fffg"}, Off}, "Chunk3 Offset error!"},
        {"8", {Off, Off, Off, Chunk{"enabled", "4", "00 0ffff"}}, "Chunk4 Offset error!"},
        {"8", {Chunk{"enabled", "1", "ffffffff"}, Off, Off, Chunk{"enabled", "", "ff"}}, "Please specify Chunk4 Value!"},
        {"5", {Chunk{"enabled", "1", "0000ffff"}, Off, Off, Off}, nullptr},
    };
    withMaskPage([&](TPktContentMaskForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text ? c.text : "a listed profile");
            typeChunks(page, c.id, c.chunks);
            QStringList texts;
            const auto sets = click(page->AddButton, Entry, &texts);
            if (c.text) {
                EXPECT_TRUE(sets.empty());
                EXPECT_EQ(texts, QStringList{c.text});
            } else {
                // The profile exists: the agent refuses the creation and nothing changes.
                EXPECT_EQ(sets.size(), 1u);
                EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
            }
        }
    });
}

TEST(PacketContentMaskOffset, IsAtMostEightHexadecimalDigits) {
    struct Case {
        const char* text;
        bool passes;
    };
    const Case cases[] = {{"", true}, {"0", true}, {"ffff", true}, {"0000FFFF", true}, {"aBcD1234", true},
                          {"000000000", false}, {"0000fffg", false}, {"00-0ffff", false}, {" ffff", false}};
    for (const Case& c : cases) EXPECT_EQ(TPktContentMaskForm::IsHexText(c.text), c.passes) << c.text;
}

}  // namespace
