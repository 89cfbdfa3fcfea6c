#include "core/FolderFiles.h"
#include "core/TabSystem.h"
#include "core/relocation/RelocationWriteOut.h"
#include "pages/EditorPages.h"
#include "pages/text/TextTransfer.h"
#include "pages/trainer/TrainerParty.h"
#include "tests/support/TestFiles.h"
#include "tools/fixture/FixtureRom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

namespace {

// The copy a write made at the fixed clock below, beside fixture.gba.
constexpr const char* kFirstCopy = "fixture.gba.20261207-093005.bak";

std::tm copyTime()
{
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 7;
    time.tm_hour = 9;
    time.tm_min = 30;
    time.tm_sec = 5;
    return time;
}

class BackupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        tabs.setBackupClock(copyTime);
        addEditorPages(tabs);
        ASSERT_TRUE(writeFixtureSet(buildFixtureRom("BPRJ"), dir.path(), "fixture.gba"));
        rom = dir.file("fixture.gba");
        ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone);
        original = readBytes(rom);
    }

    std::set<std::string> files() const
    {
        const std::vector<std::string> names = fileNamesIn(dir.path() + "/");
        return {names.begin(), names.end()};
    }

    std::vector<std::string> copies() const
    {
        std::vector<std::string> found;
        for (const std::string& name : files()) {
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".bak") == 0)
                found.push_back(name);
        }
        return found;
    }

    TempDir dir;
    RecordingStatusLine status;
    CTabSystem tabs;
    std::string rom;
    std::vector<std::uint8_t> original;
};

std::vector<std::uint8_t> partyBytes(const std::string& rom, std::uint32_t offset)
{
    const std::vector<std::uint8_t> bytes = readBytes(rom);
    return {bytes.begin() + offset, bytes.begin() + offset + 8};
}

class MovedTable : public IRelocationPage {
public:
    std::vector<std::uint8_t> relocatedArea(const RelocationChoice&) override { return {0x01, 0x02, 0xFF, 0xFF}; }
    bool rewritePointer(RomFile&, const RelocationChoice&) override { return true; }
    void relocated(const RelocationChoice&) override {}
};

} // namespace

TEST_F(BackupTest, OffByDefaultWritesNoOtherFile)
{
    const std::set<std::string> before = files();
    ASSERT_EQ(tabs.RomWrite(), 1);
    ASSERT_TRUE(keepBackups(dir.path(), 0));
    ASSERT_EQ(tabs.RomWrite(), 1);
    EXPECT_EQ(files(), before);
    EXPECT_EQ(status.last(), "保存しました。");
}

TEST_F(BackupTest, OneCopyPerOpeningAndNoNoticeAfterTheAction)
{
    ASSERT_TRUE(keepBackups(dir.path(), 5));
    TrainerParty party;
    party.base[0] = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    ASSERT_EQ(writeParty(tabs.openRomForWriting(), 0x100, 1, 0, party).result, kPartyDone);
    const std::vector<std::string> first = copies();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(readBytes(dir.file(first[0])), original);
    EXPECT_EQ(partyBytes(rom, 0x100), (std::vector<std::uint8_t>{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88}));
    EXPECT_EQ(status.last(), "バックアップ「" + dir.file(first[0]) + "」を作成しました。");

    // Later writes of the same opening, of any kind, make no other copy; the notice stays on
    // the texts of the action that made it, and only there.
    ASSERT_EQ(tabs.RomWrite(), 1);
    EXPECT_EQ(status.last(), "バックアップ「" + dir.file(first[0]) + "」を作成しました。保存しました。");
    tabs.actionEnded();
    MovedTable table;
    ASSERT_TRUE(writeRelocatedTable(tabs.openRomForWriting(), table, {0x200, 1, 0, false}).ok());
    ASSERT_EQ(tabs.RomWrite(), 1);
    EXPECT_EQ(status.last(), "保存しました。");
    EXPECT_EQ(copies(), first);
}

TEST_F(BackupTest, EachWritePathCopiesTheFileBeforeItsFirstWrite)
{
    ASSERT_TRUE(keepBackups(dir.path(), 20));
    MovedTable table;
    const std::uint8_t textBytes[] = {0x51, 0x52, 0xFF};
    const std::vector<std::pair<const char*, std::function<bool()>>> paths = {
        {"save", [&] { return tabs.RomWrite() == 1; }},
        {"party",
         [&] {
             TrainerParty party;
             party.base[0] = {1, 2, 3, 4, 5, 6, 7, 8};
             return writeParty(tabs.openRomForWriting(), 0x100, 1, 0, party).result == kPartyDone;
         }},
        {"relocation", [&] { return writeRelocatedTable(tabs.openRomForWriting(), table, {0x200, 1, 0, false}).ok(); }},
        {"text", [&] { return writeText(tabs.openRomForWriting(), 0x300, textBytes).ok(); }},
    };
    for (const auto& [name, write] : paths) {
        SCOPED_TRACE(name);
        tabs.setRomPath(rom);
        ASSERT_EQ(tabs.ReadAll(), CTabSystem::kReadDone);
        const std::vector<std::uint8_t> before = readBytes(rom);
        const std::vector<std::string> earlier = copies();
        ASSERT_TRUE(write());
        const std::vector<std::string> now = copies();
        ASSERT_EQ(now.size(), earlier.size() + 1);
        for (const std::string& copy : now) {
            if (std::find(earlier.begin(), earlier.end(), copy) == earlier.end()) {
                EXPECT_EQ(readBytes(dir.file(copy)), before);
            }
        }
    }
    EXPECT_EQ(readBytes(rom)[0x300], 0x51);
}

TEST_F(BackupTest, OnlyThisRomsOwnOlderCopiesBeyondTheCountAreRemoved)
{
    ASSERT_TRUE(keepBackups(dir.path(), 2));
    const char* ours[] = {"fixture.gba.20200101-000000.bak", "fixture.gba.20200102-000000.bak",
                          "fixture.gba.20200102-000000-2.bak"};
    const char* foreign[] = {"other.gba.20200101-000000.bak", "fixture.gba.bak", "fixture.gba.20200101-000000.bak.txt",
                             "fixture.gba.2020010-000000.bak", "fixture.gba.20200101-000000-x.bak",
                             "xfixture.gba.20200101-000000.bak"};
    for (const char* name : ours)
        writeFile(dir.file(name), "old");
    for (const char* name : foreign)
        writeFile(dir.file(name), "not ours");
    ASSERT_TRUE(tabs.openRomForWriting().isOpen());
    EXPECT_EQ(status.last(), "バックアップ「" + dir.file(kFirstCopy) + "」を作成しました。");
    std::set<std::string> expected = {"fixture.gba", "Setting.ini", kFirstCopy, "fixture.gba.20200102-000000-2.bak"};
    for (const char* name : foreign)
        expected.insert(name);
    std::set<std::string> kept;
    for (const std::string& name : files()) {
        if (name.find(".gba") != std::string::npos)
            kept.insert(name);
    }
    expected.erase("Setting.ini");
    EXPECT_EQ(kept, expected);
    EXPECT_EQ(readBytes(dir.file(kFirstCopy)), original);
}

TEST_F(BackupTest, AFailedCopyPreventsTheWriteUntilRetriedOrTurnedOff)
{
    ASSERT_TRUE(keepBackups(dir.path(), 3));
    // Every name the copy could take in that second is taken.
    writeFile(dir.file(kFirstCopy), "taken");
    for (int number = 2; number <= 99; ++number)
        writeFile(dir.file("fixture.gba.20261207-093005-" + std::to_string(number) + ".bak"), "taken");

    TrainerParty party;
    party.base[0] = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    const PartyTransfer refused = writeParty(tabs.openRomForWriting(), 0x100, 1, 0, party);
    EXPECT_EQ(refused.result, kPartyOpenFailed);
    EXPECT_EQ(refused.errorText.rfind("バックアップを作成できなかったため、書き込みを中止しました。", 0), 0u);
    EXPECT_EQ(status.last(), refused.errorText);
    EXPECT_EQ(readBytes(rom), original);

    // Retried once a name is free: the copy is made, then the write.
    removeFile(dir.file("fixture.gba.20261207-093005-50.bak"));
    ASSERT_EQ(writeParty(tabs.openRomForWriting(), 0x100, 1, 0, party).result, kPartyDone);
    EXPECT_EQ(readBytes(dir.file("fixture.gba.20261207-093005-50.bak")), original);
}

TEST_F(BackupTest, TurningTheOptionOffLetsARefusedWriteThrough)
{
    ASSERT_TRUE(keepBackups(dir.path(), 1));
    writeFile(dir.file(kFirstCopy), "taken");
    for (int number = 2; number <= 99; ++number)
        writeFile(dir.file("fixture.gba.20261207-093005-" + std::to_string(number) + ".bak"), "taken");
    EXPECT_FALSE(tabs.openRomForWriting().isOpen());
    ASSERT_TRUE(keepBackups(dir.path(), 0));
    EXPECT_TRUE(tabs.openRomForWriting().isOpen());
}

TEST_F(BackupTest, AGoneRomOrAnotherFileNeedsNoCopy)
{
    ASSERT_TRUE(keepBackups(dir.path(), 2));
    const std::string exported = dir.file("picture.bmp");
    ASSERT_TRUE(RomFile::openForWriting(exported).isOpen());
    EXPECT_TRUE(copies().empty());

    ASSERT_TRUE(removeFile(rom));
    // A write into a table of a ROM that is gone fails rather than making a file of zeros.
    const std::uint8_t textBytes[] = {0x51, 0xFF};
    EXPECT_FALSE(writeText(tabs.openRomForWriting(), 0x300, textBytes).ok());
    EXPECT_FALSE(fileExists(rom));
    ASSERT_EQ(tabs.RomWrite(), 1);
    EXPECT_TRUE(copies().empty());
    EXPECT_TRUE(fileExists(rom));
}
