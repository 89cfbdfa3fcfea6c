#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "pages/trainer/TrainerPage.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Two trainer records at 0x120 (past the cartridge header, which no write may touch) in a
// 0x180-byte ROM; every byte outside them is 0xEE.
const std::vector<std::uint8_t> kTwoTrainers = {
    // trainer 0: type 3, class 0x11, sound 0x22, picture 0x05, name, items 13, 300, 0, 999,
    // double, kept 0x13, checks 0xF5 (high bits set), kept 0x15-0x17, count 4, kept, pointer
    0x03, 0x11, 0x22, 0x05, 0xBB, 0xBC, 0xBD, 0xFF, 0x00, 0x00, 0x0D, 0x00, 0x2C, 0x01, 0x00, 0x00,
    0xE7, 0x03, 0x01, 0xA1, 0xF5, 0xA2, 0xA3, 0xA4, 0x04, 0xB1, 0xB2, 0xB3, 0x40, 0x23, 0x19, 0x08,
    // trainer 1: type 0, party of 1 at 0x000160
    0x00, 0x02, 0x00, 0x01, 0xC0, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x60, 0x01, 0x00, 0x08,
};

class TrainerTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        rom.assign(0x180, 0xEE);
        std::copy(kTwoTrainers.begin(), kTwoTrainers.end(), rom.begin() + 0x120);
        writeBytes(romPath, rom);
        tabs.setRomPath(romPath);
    }
    // A page read with these settings.
    std::unique_ptr<CTrainer_Edit> read(const std::string& keys, bool succeeds = true)
    {
        writeSettings(dir.path(), "BPRJ", keys);
        auto page = std::make_unique<CTrainer_Edit>(tabs);
        page->Reset();
        page->LoadSettings("BPRJ");
        EXPECT_EQ(readPage(*page, romPath), succeeds) << keys;
        return page;
    }

    TempDir dir;
    std::string romPath = dir.file("rom.gba");
    CTabSystem tabs;
    std::vector<std::uint8_t> rom;
};

TEST_F(TrainerTable, ReadsRecordFieldsAndWritesOnlyWhatChanged)
{
    auto page = read("TrainerData=288\r\nTrainerDataNum=2\r\nTrainer_Pic_Num=71\r\n");
    EXPECT_EQ(page->recordCount(), 2u);
    EXPECT_EQ(page->highestTrainerPicture(), 71);
    EXPECT_EQ(page->gameFamily(), kFamilyFR);
    const auto first = page->record(0);
    EXPECT_EQ(trainer_record::dataType(first), 3);
    EXPECT_EQ(trainer_record::partyCount(first), 4);
    EXPECT_EQ(trainer_record::partyOffset(first), 0x192340u);
    for (auto [slot, item] : {std::pair{0, 13}, {1, 300}, {3, 999}})
        EXPECT_EQ(trainer_record::item(first, slot), item) << slot;

    // The pointer's top byte (0x08) stays; nothing else of the ROM moves.
    trainer_record::setPartyOffset(page->record(1), 0xABCDEF);
    trainer_record::setItem(page->record(1), 2, 0x0102);
    ASSERT_TRUE(writePage(*page, romPath));
    std::vector<std::uint8_t> expected = rom;
    putBytes(expected, 0x140 + 0x0E, {0x02, 0x01});
    putBytes(expected, 0x140 + 0x1C, {0xEF, 0xCD, 0xAB, 0x08});
    EXPECT_EQ(readBytes(romPath), expected);
}

// Missing, zero, negative and absurd counts all leave the page without a table.
TEST_F(TrainerTable, CountWithoutTableFailsTheReadAndWritesNothing)
{
    for (const char* count : {"", "TrainerDataNum=0\r\n", "TrainerDataNum=-4\r\n", "TrainerDataNum=2147483647\r\n"}) {
        SCOPED_TRACE(count);
        auto page = read(std::string("TrainerData=288\r\n") + count, false);
        EXPECT_FALSE(page->hasTable());
        EXPECT_EQ(page->trainerCount(), -1);
        EXPECT_EQ(toUtf8(tabs.errorText()), toUtf8(kNoTableText));
        EXPECT_TRUE(writePage(*page, romPath));
        EXPECT_EQ(readBytes(romPath), rom);
    }
    read("TrainerData=352\r\nTrainerDataNum=2\r\n", false);
    EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
}

TEST_F(TrainerTable, SessionNamesThePageWhenTheCountIsMissing)
{
    std::copy_n("BPRJ", 4, rom.begin() + 0xAC);
    writeBytes(romPath, rom);
    writeSettings(dir.path(), "BPRJ", "TrainerData=288\r\n");
    RecordingStatusLine status;
    tabs.setStatusLine(&status);
    tabs.AddPage(std::make_unique<CTrainer_Edit>(tabs), "trainer");
    EXPECT_EQ(tabs.ReadAll(), CTabSystem::kReadFailed);
    EXPECT_EQ(toUtf8(status.last()), toUtf8(std::string("CTrainer_Edit::DataRead を実行中にエラーが発生しました。") + kNoTableText));
}

TEST_F(TrainerTable, ReleasedPageWritesNothing)
{
    writeSettings(dir.path(), "BPRJ", "TrainerData=288\r\nTrainerDataNum=2\r\n");
    CTrainer_Edit page(tabs);
    page.Reset();
    page.setCurrentTrainer(1);
    page.LoadSettings("BPRJ");
    ASSERT_TRUE(readPage(page, romPath));
    EXPECT_EQ(page.currentTrainer(), 0u);
    page.Release();
    EXPECT_FALSE(page.hasTable());
    EXPECT_TRUE(writePage(page, romPath));
    EXPECT_EQ(readBytes(romPath), rom);
}

TEST(TrainerPictures, FamilyAndPaths)
{
    for (auto [code, family] : {std::pair{"AXPJ", kFamilyRS}, {"xBPEJx", kFamilyEM}, {"BPGJ", kFamilyFR}, {"AGBJ", kFamilyUN}})
        EXPECT_EQ(gameFamilyOf(code), family) << code;
    EXPECT_EQ(kFamilyUN, 500);
    EXPECT_EQ(trainerPicturePath("/p", kFamilyEM, 0x5A), "/p/pics/EM/trainer-05A.bmp");
    EXPECT_EQ(trainerPicturePath("/p", kFamilyUN, 7), "/p/pics/UN/trainer-007.bmp");
    EXPECT_EQ(monsterPicturePath("/p", 0x19B), "/p/pics/tamblorpics/tamblor-19B.bmp");
}

} // namespace
