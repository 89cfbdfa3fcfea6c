#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "pages/EditorPages.h"
#include "pages/image/ImagePage.h"
#include "pages/move/MovePage.h"
#include "tests/support/TestFiles.h"
#include "tools/fixture/FixtureRom.h"

#include <gtest/gtest.h>

namespace {

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        tabs.setSaveEnabledHandler([this](bool enabled) { saveEnabled.push_back(enabled); });
        addEditorPages(tabs);
    }

    // Writes the fixture set and returns the ROM's path.
    std::string writeFixture(const FixtureRom& rom)
    {
        EXPECT_TRUE(writeFixtureSet(rom, dir.path(), "fixture.gba"));
        return dir.file("fixture.gba");
    }

    TempDir dir;
    RecordingStatusLine status;
    std::vector<bool> saveEnabled;
    CTabSystem tabs;
};

std::vector<int> range(int from, int to, int step)
{
    std::vector<int> values;
    for (int v = from; v <= to; v += step)
        values.push_back(v);
    return values;
}

} // namespace

TEST_F(SessionTest, TenPagesInTabOrder)
{
    const char* classes[] = {"CSolid_Value", "CTamago_Skill", "CTrainer_Edit", "CAttack_Edit", "CItem_Edit",
                             "CTamblor_Compatibility", "CTamblorText", "CImage",
                             "CTamblor_Communication_Change", "COmake"};
    const int dialogs[] = {137, 138, 131, 135, 136, 134, 0, 139, 140, 132};
    ASSERT_EQ(tabs.pages().size(), 10u);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_STREQ(tabs.pages()[i]->className(), classes[i]);
        EXPECT_EQ(tabs.pages()[i]->DialogId(), dialogs[i]);
    }
    EXPECT_EQ(tabs.captions()[0], "ザルバトエディター");
    EXPECT_EQ(tabs.captions()[9], "その他");
    EXPECT_EQ(tabs.AddPage(nullptr, "x"), -1);
    EXPECT_EQ(tabs.pages().size(), 10u);
    EXPECT_FALSE(tabs.setCurrentPageIndex(10));
    EXPECT_EQ(tabs.currentPageIndex(), 0u);
}

TEST_F(SessionTest, ReadAndWriteBackLeavesTheWholeFileAsItWas)
{
    FixtureRom rom = buildFixtureRom("BPRJ");
    std::string path = writeFixture(rom);

    ASSERT_EQ(tabs.openRom(path), CTabSystem::kReadDone) << toUtf8(status.last());
    EXPECT_EQ(status.last(), "読み込み完了。");
    EXPECT_EQ(tabs.gameCode(), "BPRJ");
    std::vector<int> expected = range(3, 60, 3);
    expected.insert(expected.begin(), 0);
    expected.push_back(63);
    expected.push_back(100);
    EXPECT_EQ(status.progress, expected);
    EXPECT_TRUE(tabs.canSave());

    status.progress.clear();
    ASSERT_EQ(tabs.RomWrite(), 1) << toUtf8(status.last());
    EXPECT_EQ(status.last(), "保存しました。");
    expected = range(0, 100, 10);
    expected.push_back(100);
    EXPECT_EQ(status.progress, expected);
    EXPECT_TRUE(readBytes(path) == rom.bytes);
}

TEST_F(SessionTest, AnEditReachesOnlyItsOwnBytes)
{
    FixtureRom rom = buildFixtureRom("BPRJ");
    std::string path = writeFixture(rom);
    ASSERT_EQ(tabs.openRom(path), CTabSystem::kReadDone) << toUtf8(status.last());

    // Move name 0 becomes "ZZ".
    tabs.tables().moveNames[0] = 0xD4;
    tabs.tables().moveNames[1] = 0xD4;
    tabs.tables().moveNames[2] = 0xFF;
    ASSERT_EQ(tabs.RomWrite(), 1);

    std::vector<std::uint8_t> after = readBytes(path);
    ASSERT_EQ(after.size(), rom.bytes.size());
    std::size_t moveNames = 0;
    for (const auto& [key, value] : rom.settings)
        if (key == "AttackName")
            moveNames = std::stoul(value);
    ASSERT_NE(moveNames, 0u);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i >= moveNames && i < moveNames + 3)
            continue;
        ASSERT_EQ(after[i], rom.bytes[i]) << "offset " << i;
    }
    EXPECT_EQ(after[moveNames], 0xD4);
    EXPECT_EQ(after[moveNames + 1], 0xD4);
    EXPECT_EQ(after[moveNames + 2], 0xFF);
}

TEST_F(SessionTest, ATableBeyondTheEndOfTheFileStopsTheRead)
{
    std::string path = writeFixture(buildFixtureRom("BPRJ"));
    // The move table now lies beyond the end of the 16 MiB file.
    std::string ini = readText(dir.file("Setting.ini"));
    std::size_t at = ini.find("AttackTable=");
    ASSERT_NE(at, std::string::npos);
    ini.replace(at, ini.find("\r\n", at) - at, "AttackTable=16777000");
    writeFile(dir.file("Setting.ini"), ini);

    ASSERT_EQ(tabs.openRom(path), CTabSystem::kReadFailed);
    EXPECT_EQ(status.last(), "CAttack_Edit::DataRead を実行中にエラーが発生しました。" + endOfFileErrorText());
    // Settings 3 to 30, then the monster, egg and trainer pages read; the progress stops there.
    EXPECT_EQ(status.progress.back(), 39);
    EXPECT_TRUE(tabs.loaded());
    EXPECT_FALSE(tabs.canSave());

    // Nothing was read for the failed page and those after it: they hold no tables to show,
    // write out or point into.
    auto& moves = static_cast<CAttack_Edit&>(*tabs.pages()[3]);
    auto& images = static_cast<CImage&>(*tabs.pages()[7]);
    EXPECT_FALSE(moves.loaded());
    EXPECT_FALSE(images.hasTables());
    EXPECT_EQ(images.picsNum(), -1);
    std::vector<std::uint8_t> before = readBytes(path);
    images.ReCompress(ImageItem::NormalPalette);
    EXPECT_TRUE(readBytes(path) == before);

    // Saving must not write their empty tables.
    EXPECT_EQ(tabs.RomWrite(), 0);
    EXPECT_EQ(status.last(), "CTabSystem::RomWrite を実行中にエラーが発生しました。ROMを読み込んでいないので保存できません。");
    EXPECT_TRUE(readBytes(path) == before);
}

TEST_F(SessionTest, AGameWithoutASectionFailsAtTheTrainerPage)
{
    std::string path = writeFixture(buildFixtureRom("ZZZZ"));
    writeFile(dir.file("Setting.ini"), "[BPRJ]\r\nAttackTable=0\r\n");
    EXPECT_EQ(tabs.openRom(path), CTabSystem::kReadFailed);
    EXPECT_EQ(status.last(), std::string("CTrainer_Edit::DataRead を実行中にエラーが発生しました。") + kNoTableText);
    EXPECT_FALSE(tabs.canSave());
}

TEST_F(SessionTest, FilesThatCannotBeReadOrWritten)
{
    EXPECT_EQ(tabs.openRom(dir.file("missing.gba")), CTabSystem::kReadNoFile);
    EXPECT_FALSE(status.last().empty());

    writeBytes(dir.file("short.gba"), std::vector<std::uint8_t>(0xAF, 0));
    EXPECT_EQ(tabs.openRom(dir.file("short.gba")), CTabSystem::kReadNoFile);
    EXPECT_EQ(status.last(), endOfFileErrorText());
    EXPECT_FALSE(tabs.loaded());
    EXPECT_EQ(tabs.RomWrite(), 0);

    std::string path = writeFixture(buildFixtureRom("BPRJ"));
    ASSERT_EQ(tabs.openRom(path), CTabSystem::kReadDone) << toUtf8(status.last());
    {
        ReadOnlyFile readOnly(path);
        if (readOnly.isReadOnly()) {
            EXPECT_EQ(tabs.RomWrite(), 0);
            EXPECT_EQ(status.last().rfind("CTabSystem::RomWrite を実行中にエラーが発生しました。", 0), 0u)
                << toUtf8(status.last());
        }
    }

    // A device that takes no bytes: the first page with a table fails with the system's text.
    tabs.setRomPath("/dev/full");
    EXPECT_EQ(tabs.RomWrite(), 0);
    EXPECT_EQ(status.last(), "CSolid_Value::DataWrite を実行中にエラーが発生しました。" + diskFullErrorText());
    EXPECT_EQ(tabs.errorText(), diskFullErrorText());
}

TEST_F(SessionTest, OpeningAnotherRomReleasesThePagesFirst)
{
    std::string path = writeFixture(buildFixtureRom("BPRJ"));
    ASSERT_EQ(tabs.openRom(path), CTabSystem::kReadDone);
    ASSERT_EQ(tabs.openRom(path), CTabSystem::kReadDone);
    EXPECT_EQ(saveEnabled, (std::vector<bool>{true, false, true}));
}

namespace {
struct CountingPage : CWindowBase {
    CountingPage(CTabSystem& tabs, int& destroyed) : CWindowBase(tabs, "CountingPage"), destroyed(destroyed) {}
    ~CountingPage() override { ++destroyed; }
    void Reset() override {}
    void InitDialog(WindowHandle) override {}
    int DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t) override { return 7; }
    void LoadSettings(const std::string&) override {}
    bool DataRead(RomFile&) override { return true; }
    bool DataWrite(RomFile&) override { return true; }
    void Release() override {}
    int DialogId() override { return 0; }
    int& destroyed;
};
} // namespace

TEST(PageListTest, PagesAreFreedThroughTheBaseClassAndMessagesReachTheCurrentPage)
{
    int destroyed = 0;
    {
        CTabSystem tabs;
        EXPECT_EQ(tabs.forwardToCurrentPage(0x111, 1, 0), 0);
        EXPECT_EQ(tabs.AddPage(std::make_unique<CountingPage>(tabs, destroyed), "a"), -1);
        EXPECT_EQ(tabs.forwardToCurrentPage(0x111, 1, 0), 7);
        tabs.releaseAndFreePages();
        EXPECT_EQ(destroyed, 1);
        tabs.AddPage(std::make_unique<CountingPage>(tabs, destroyed), "b");
    }
    EXPECT_EQ(destroyed, 2);
}
