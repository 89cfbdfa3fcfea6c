#include "core/TabSystem.h"
#include "pages/trainer/TrainerPage.h"
#include "pages/trainer/TrainerParty.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

// Plain parties, a stored count above six and a monster beyond the list are pinned by the
// trainer page cases; here are the other data types and the failures.
namespace {

using Bytes = std::vector<std::uint8_t>;
using Part = TrainerParty::Part;

// Where the parties sit: past the cartridge header, which no write may touch.
constexpr std::uint32_t kAt = 0x110;

class Party : public ::testing::Test {
protected:
    // A ROM of 0x200 bytes of 0xEE with the given bytes at kAt.
    void rom(const Bytes& party)
    {
        bytes.assign(0x200, 0xEE);
        std::copy(party.begin(), party.end(), bytes.begin() + kAt);
        writeBytes(path, bytes);
    }
    int read(std::uint8_t count, std::uint8_t dataType) { return readParty(path, kAt, count, dataType, party).code(); }
    int write(std::uint8_t count, std::uint8_t dataType)
    {
        return writeParty(RomFile::openForUpdating(path), kAt, count, dataType, party).code();
    }
    Bytes written(std::size_t size) const
    {
        const Bytes file = readBytes(path);
        return Bytes(file.begin() + kAt, file.begin() + kAt + size);
    }

    TempDir dir;
    std::string path = dir.file("rom.gba");
    Bytes bytes;
    TrainerParty party;
};

TEST_F(Party, MovesAndItemsSitWhereTheDataTypeSays)
{
    rom({0x05, 0x00, 0x32, 0x00, 0x2A, 0x00, 0x21, 0x00, 0x22, 0x00, 0x23, 0x00, 0x9B, 0x01, 0xAB, 0xCD,
         0x06, 0x00, 0x33, 0x00, 0x01, 0x00, 0x10, 0x00, 0x11, 0x00, 0x12, 0x00, 0x13, 0x00, 0x14, 0x00});
    // Type 0 keeps the move parts and zeroes the unread slots.
    for (auto& part : party.moves)
        part.fill(0x55);
    party.base[5].fill(0x44);
    ASSERT_EQ(read(2, party_entry::kPlain), kPartyDone);
    EXPECT_EQ(party.base[1], (Part{0x22, 0x00, 0x23, 0x00, 0x9B, 0x01, 0xAB, 0xCD})); // monster 411, the highest
    EXPECT_EQ(party.base[5], Part{});
    EXPECT_EQ(party.moves[0], (Part{0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}));

    // Type 1: moves from 0x06; the second entry starts 16 bytes on.
    ASSERT_EQ(read(2, party_entry::kWithMoves), kPartyDone);
    const auto moves = party_entry::layoutOf(party_entry::kWithMoves);
    EXPECT_FALSE(moves.hasItem);
    EXPECT_EQ(party.get16(0, moves.firstMove), 0x21);
    EXPECT_EQ(party.get16(0, moves.firstMove + 6), 0x19B);
    EXPECT_EQ(party.moves[0], (Part{0x22, 0x00, 0x23, 0x00, 0x9B, 0x01, 0xAB, 0xCD}));
    EXPECT_EQ(party.base[1], (Part{0x06, 0x00, 0x33, 0x00, 0x01, 0x00, 0x10, 0x00}));

    // Type 3: item at 0x06, moves from 0x08.
    ASSERT_EQ(read(2, party_entry::kWithItemAndMoves), kPartyDone);
    const auto both = party_entry::layoutOf(party_entry::kWithItemAndMoves);
    EXPECT_EQ(party.get16(1, both.item), 0x10);
    EXPECT_EQ(party.get16(1, both.firstMove), 0x11);
    EXPECT_EQ(party.get16(1, both.firstMove + 6), 0x14);

    // Type 2: 8-byte entries with the item in the same bytes that are move 1 of type 1.
    ASSERT_EQ(read(2, party_entry::kWithItem), kPartyDone);
    const auto item = party_entry::layoutOf(party_entry::kWithItem);
    EXPECT_EQ(item.size, 8u);
    EXPECT_EQ(party.get16(0, item.item), 0x21);
    EXPECT_EQ(party.base[1], (Part{0x22, 0x00, 0x23, 0x00, 0x9B, 0x01, 0xAB, 0xCD}));

    // An unknown data type reads like type 0.
    EXPECT_EQ(party_entry::layoutOf(4).size, 8u);
    EXPECT_FALSE(party_entry::layoutOf(200).hasMoves);
}

TEST_F(Party, WritesBasePartsAndMovePartsByDataTypeAndAtMostSix)
{
    rom({});
    party.base[0] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
    party.moves[0] = {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18};
    party.base[1] = {0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28};
    party.moves[1] = {0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38};
    ASSERT_EQ(write(2, party_entry::kWithItem), kPartyDone);
    EXPECT_EQ(written(0x12), (Bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08,
                                    0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0xEE, 0xEE}));
    ASSERT_EQ(write(2, party_entry::kWithItemAndMoves), kPartyDone);
    EXPECT_EQ(written(0x22), (Bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x11, 0x12, 0x13, 0x14,
                                    0x15, 0x16, 0x17, 0x18, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28,
                                    0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0xEE, 0xEE}));

    // The largest stored count reads and writes the six slots only.
    party.base[5] = {5, 0, 15, 0, 1, 0, 0, 0};
    ASSERT_EQ(write(255, party_entry::kPlain), kPartyDone);
    party.base[5] = {};
    ASSERT_EQ(read(255, party_entry::kPlain), kPartyDone);
    EXPECT_EQ(party.base[5], (Part{5, 0, 15, 0, 1, 0, 0, 0}));
    const Bytes file = readBytes(path);
    EXPECT_EQ(Bytes(file.begin() + kAt + 48, file.end()), Bytes(0x200 - kAt - 48, 0xEE));
}

TEST_F(Party, FailuresAreReportedNotCarriedOut)
{
    rom({});
    EXPECT_EQ(readParty(dir.file("missing.gba"), kAt, 1, 0, party).code(), kPartyOpenFailed);

    PartyTransfer shortRead = readParty(path, 0x1F8, 2, party_entry::kPlain, party);
    EXPECT_EQ(shortRead.code(), kPartyTransferFailed);
    EXPECT_EQ(shortRead.status.errorText(), endOfFileErrorText());

    // A party that would run past the end must not grow the ROM.
    EXPECT_EQ(writeParty(RomFile::openForUpdating(path), 0x1F8, 2, party_entry::kPlain, party).code(),
              kPartyTransferFailed);
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_EQ(writeParty(RomFile::openForUpdating(path), 0xFFFFFF, 1, party_entry::kPlain, party).code(),
              kPartyTransferFailed);
    EXPECT_EQ(readBytes(path).size(), 0x200u);
}

TEST_F(Party, PageUsesTheTrainersDataTypeAndTheRomPath)
{
    // One type-1 trainer at 0x140 whose party of one lies at kAt.
    rom({0x07, 0x00, 0x08, 0x00, 0x09, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0x04, 0x00, 0x05, 0x00});
    bytes[0x140] = party_entry::kWithMoves;
    writeBytes(path, bytes);
    writeFile(dir.file("Setting.ini"), "[AXVJ]\r\nTrainerData=320\r\nTrainerDataNum=1\r\n");
    CTabSystem tabs;
    tabs.setProgramDirectory(dir.path());
    tabs.setRomPath(path);
    CTrainer_Edit page(tabs);
    page.Reset();
    page.LoadSettings("AXVJ");
    ASSERT_TRUE(readPage(page, path));

    ASSERT_EQ(page.GbaRom_Tamblor_Data_Load(kAt, 1, 0), kPartyDone);
    EXPECT_EQ(page.party().moves[0], (Part{0x02, 0x00, 0x03, 0x00, 0x04, 0x00, 0x05, 0x00}));
    page.party().set16(0, 0x0C, 0x0165);
    ASSERT_EQ(page.GbaRom_Tamblor_Data_Save(kAt, 1, 0), kPartyDone);
    EXPECT_EQ(written(0x0E), (Bytes{0x07, 0x00, 0x08, 0x00, 0x09, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0x65, 0x01}));

    EXPECT_EQ(page.GbaRom_Tamblor_Data_Load(kAt, 1, 1), kPartyTransferFailed);
    tabs.setRomPath(dir.file("gone.gba"));
    EXPECT_EQ(page.GbaRom_Tamblor_Data_Load(kAt, 1, 0), kPartyOpenFailed);
    EXPECT_FALSE(page.partyErrorText().empty());
}

} // namespace
