#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "pages/egg/EggMoveCodec.h"
#include "pages/egg/EggMovePage.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using Moves = std::vector<std::uint16_t>;
using Bytes = std::vector<std::uint8_t>;

// The words 20001, 5, 6, 20004, 20007, 9.
const Bytes kThreeMonsters = {0x21, 0x4E, 0x05, 0x00, 0x06, 0x00, 0x24, 0x4E, 0x27, 0x4E, 0x09, 0x00};

std::vector<Skill_Struct_Data> decoded(const Bytes& table)
{
    std::vector<Skill_Struct_Data> entries;
    EXPECT_TRUE(decodeEggMoves(table, entries));
    return entries;
}

TEST(EggMoveCodec, EveryMarkerGivesOneEntryWithTheMovesUpToTheNext)
{
    auto entries = decoded(kThreeMonsters);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].moves, (Moves{5, 6}));
    EXPECT_EQ(entries[1].markerPosition, 3u);
    EXPECT_TRUE(entries[1].moves.empty());
    EXPECT_EQ(entries[2].markerPosition, 4u);
    EXPECT_EQ(entries[2].moves, (Moves{9}));

    // 20000 is a move; leading words are nobody's; a last marker has no moves.
    entries = decoded({0x20, 0x4E, 0x03, 0x00, 0xFF, 0xFF, 0x20, 0x4E, 0x21, 0x4E});
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].markerPosition, 2u);
    EXPECT_EQ(entries[0].moves, (Moves{20000}));
    EXPECT_TRUE(entries[1].moves.empty());
    EXPECT_TRUE(decoded({0x05, 0x00, 0x06, 0x00}).empty());
}

TEST(EggMoveCodec, EncodingWritesEachEntryOnlyIntoItsOwnWords)
{
    auto entries = decoded(kThreeMonsters);
    entries[0].moves[1] = 100;
    Bytes table = kThreeMonsters;
    encodeEggMoves(entries, table);
    EXPECT_EQ(table, (Bytes{0x21, 0x4E, 0x05, 0x00, 0x64, 0x00, 0x24, 0x4E, 0x27, 0x4E, 0x09, 0x00}));

    // Entries out of step with the table: too many moves for the room before the next
    // marker or the end, no room at all, a marker beyond the table.
    table = kThreeMonsters;
    encodeEggMoves(std::vector<Skill_Struct_Data>{{{0x0101, 0x0202, 0x0303}, 0},
                                                  {{0x0505}, 3},
                                                  {{0x0606, 0x0707}, 4},
                                                  {{0x0909}, 6},
                                                  {{0x0A0A}, 600}},
                   table);
    EXPECT_EQ(table, (Bytes{0x21, 0x4E, 0x01, 0x01, 0x02, 0x02, 0x24, 0x4E, 0x27, 0x4E, 0x06, 0x06}));
}

// The page's ROM slots outside its dialog, on the table of kThreeMonsters at 0x110 of a
// 0x140-byte ROM of 0xEE; the dialog cases check what it reads, edits and saves.
TEST(EggMoveSlots, BadSettingsReadNothingAndWriteNothing)
{
    struct Case {
        const char* keys;
        bool reads;
        std::string error; // for a failed read; empty: any text
    };
    const Case cases[] = {
        {"MonsterEggData=272\r\nMonsterEggDataNum=0\r\n", true, ""},
        {"MonsterEggData=272\r\nMonsterEggDataNum=2147483647\r\n", false, kNoTableText},
        {"MonsterEggData=312\r\nMonsterEggDataNum=8\r\n", false, endOfFileErrorText()},
        {"MonsterEggData=-5\r\nMonsterEggDataNum=2\r\n", false, ""},
    };
    TempDir dir;
    const std::string rom = dir.file("rom.gba");
    Bytes bytes(0x140, 0xEE);
    putBytes(bytes, 0x110, kThreeMonsters);
    writeBytes(rom, bytes);
    CTabSystem tabs;
    tabs.setProgramDirectory(dir.path());
    CTamago_Skill page(tabs);
    auto load = [&](const char* keys) {
        writeSettings(dir.path(), "BPEJ", keys);
        page.Reset();
        page.LoadSettings("BPEJ");
        return readPage(page, rom);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        tabs.setErrorText("");
        EXPECT_EQ(load(c.keys), c.reads);
        if (c.reads) {
            EXPECT_FALSE(page.hasTable());
        } else {
            EXPECT_FALSE(tabs.errorText().empty());
            if (!c.error.empty()) {
                EXPECT_EQ(tabs.errorText(), c.error);
            }
            // The session forgets the pages after a failed read.
            page.Release();
        }
        EXPECT_TRUE(writePage(page, rom));
        EXPECT_EQ(readBytes(rom), bytes);
    }

    // The raw mode refuses a word beyond the table.
    ASSERT_TRUE(load("MonsterEggData=272\r\nMonsterEggDataNum=6\r\n"));
    ASSERT_TRUE(page.setRawMode(true));
    EXPECT_FALSE(page.setWord(6, 20010));
    EXPECT_TRUE(page.setWord(5, 20010));
}

} // namespace
