#include "core/FolderFiles.h"
#include "core/PendingEdits.h"
#include "core/RomBackup.h"
#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "core/relocation/RelocationWriteOut.h"
#include "core/ui/WindowMessages.h"
#include "pages/EditorPages.h"
#include "pages/image/ImagePage.h"
#include "pages/move/MovePage.h"
#include "pages/text/TextTransfer.h"
#include "pages/trainer/TrainerParty.h"
#include "tests/pages/BlankPage.h"
#include "tests/support/MemoryShell.h"
#include "tests/support/TestFiles.h"
#include "tools/fixture/FixtureRom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The copy a write made at the fixed clock below, beside fixture.gba.
constexpr const char* kFirstCopy = "fixture.gba.20261207-093005.bak";
const std::string kCopyMade = "バックアップ「";

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

// Every page, over a folder of its own with a clock for the backups' names.
class SessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        tabs.setBackupClock(copyTime);
        tabs.setSaveEnabledHandler([this](bool enabled) { saveEnabled.push_back(enabled); });
        addEditorPages(tabs);
    }

    // Writes the fixture set of the game code and keeps the ROM's path, bytes and settings.
    void writeFixture(const char* gameCode = "BPRJ")
    {
        const FixtureRom fixture = buildFixtureRom(gameCode);
        ASSERT_TRUE(writeFixtureSet(fixture, dir.path(), "fixture.gba"));
        rom = dir.file("fixture.gba");
        original = fixture.bytes;
        settings = fixture.settings;
    }
    void openFixture()
    {
        writeFixture();
        ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone) << toUtf8(status.last());
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
            if (name.ends_with(".bak"))
                found.push_back(name);
        }
        return found;
    }
    // Every name a copy could take in the clock's second.
    void takeEveryCopyName()
    {
        writeFile(dir.file(kFirstCopy), "taken");
        for (int number = 2; number <= 99; ++number)
            writeFile(dir.file("fixture.gba.20261207-093005-" + std::to_string(number) + ".bak"), "taken");
    }

    TempDir dir;
    RecordingStatusLine status;
    std::vector<bool> saveEnabled;
    CTabSystem tabs;
    std::string rom;
    Bytes original;
    std::vector<std::pair<std::string, std::string>> settings;
};

TrainerParty partyOf(std::array<std::uint8_t, 8> bytes)
{
    TrainerParty party;
    std::copy(bytes.begin(), bytes.end(), party.base[0].begin());
    return party;
}

class MovedTable : public IRelocationPage {
public:
    std::vector<std::uint8_t> relocatedArea(const RelocationChoice&) override { return {0x01, 0x02, 0xFF, 0xFF}; }
    Result rewritePointer(RomFile&, const RelocationChoice&) override { return {}; }
    void relocated(const RelocationChoice&) override {}
};

struct CountingPage : CBlankPage {
    CountingPage(CTabSystem& tabs, int& destroyed) : CBlankPage(tabs), destroyed(destroyed) {}
    ~CountingPage() override { ++destroyed; }
    int DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t) override { return 7; }
    int& destroyed;
};

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

// Read and written back, the file keeps every byte but those of the one edit.
TEST_F(SessionTest, AnEditReachesOnlyItsOwnBytes)
{
    openFixture();
    EXPECT_EQ(status.last(), "読み込み完了。");
    EXPECT_EQ(tabs.gameCode(), "BPRJ");
    EXPECT_EQ(status.progress, (std::vector<int>{0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 45, 48,
                                                 51, 54, 57, 60, 63, 100}));
    EXPECT_TRUE(tabs.canSave());

    // Move name 0 becomes "ZZ".
    tabs.tables().moveNames[0] = 0xD4;
    tabs.tables().moveNames[1] = 0xD4;
    tabs.tables().moveNames[2] = 0xFF;
    status.progress.clear();
    ASSERT_EQ(tabs.RomWrite(), 1) << toUtf8(status.last());
    EXPECT_EQ(status.last(), "保存しました。");
    EXPECT_EQ(status.progress, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 100}));

    const Bytes after = readBytes(rom);
    ASSERT_EQ(after.size(), original.size());
    std::size_t moveNames = 0;
    for (const auto& [key, value] : settings) {
        if (key == "AttackName")
            moveNames = std::stoul(value);
    }
    ASSERT_NE(moveNames, 0u);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i < moveNames || i >= moveNames + 3) {
            ASSERT_EQ(after[i], original[i]) << "offset " << i;
        }
    }
    EXPECT_EQ(Bytes(after.begin() + moveNames, after.begin() + moveNames + 3), (Bytes{0xD4, 0xD4, 0xFF}));
}

TEST_F(SessionTest, ATableBeyondTheEndOfTheFileStopsTheRead)
{
    writeFixture();
    // The move table now lies beyond the end of the 16 MiB file.
    std::string ini = readText(dir.file("Setting.ini"));
    const std::size_t at = ini.find("AttackTable=");
    ASSERT_NE(at, std::string::npos);
    ini.replace(at, ini.find("\r\n", at) - at, "AttackTable=16777000");
    writeFile(dir.file("Setting.ini"), ini);

    ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadFailed);
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
    images.ReCompress(ImageItem::NormalPalette);
    EXPECT_TRUE(readBytes(rom) == original);

    // Saving must not write their empty tables.
    EXPECT_EQ(tabs.RomWrite(), 0);
    EXPECT_EQ(status.last(), "CTabSystem::RomWrite を実行中にエラーが発生しました。ROMを読み込んでいないので保存できません。");
    EXPECT_TRUE(readBytes(rom) == original);
}

// What is wrong comes first, then the system's text or the failing page's message.
TEST_F(SessionTest, AFileThatIsNoRomOrHasNoSettingsSaysWhatToDo)
{
    const std::string noRom = "GBAのROMではありません。";
    const std::string openARom = "GBAのROMファイル(*.gba)を開いてください。";
    const std::string findSettings = "「ファイル」→「ROMの表を探してSetting.iniを作成...」";
    const std::string trainerFailed = std::string("CTrainer_Edit::DataRead を実行中にエラーが発生しました。") + kNoTableText;
    struct Case {
        const char* what;
        Bytes file;
        int result;
        std::string text;
    };
    const std::string text = "これはテキストファイルです。\r\n";
    std::string lines;
    while (lines.size() < 300)
        lines += text;
    Bytes header(0xB0, 0);
    std::copy_n("BPRJ", 4, header.begin() + 0xAC);
    const Case cases[] = {
        {"empty", {}, CTabSystem::kReadNoFile,
         noRom + "ファイルが0バイトしかなく、カートリッジヘッダー(192バイト)に足りません。" + openARom + endOfFileErrorText()},
        {"100 bytes", Bytes(100, 0x41), CTabSystem::kReadNoFile,
         noRom + "ファイルが100バイトしかなく、カートリッジヘッダー(192バイト)に足りません。" + openARom + endOfFileErrorText()},
        {"a game code but no whole header", header, CTabSystem::kReadNoFile,
         noRom + "ファイルが176バイトしかなく、カートリッジヘッダー(192バイト)に足りません。" + openARom},
        {"text", Bytes(lines.begin(), lines.end()), CTabSystem::kReadNoFile,
         noRom + std::to_string(lines.size()) + "バイトのファイルですが、0xACにゲームコード(英数字4文字)がありません。" +
             openARom},
    };
    writeFixture();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(dir.file("other.gba"), c.file);
        EXPECT_EQ(tabs.openRom(dir.file("other.gba")), c.result);
        EXPECT_EQ(toUtf8(status.last()), toUtf8(c.text));
        EXPECT_FALSE(tabs.loaded());
    }

    // A code without a section: the trainer page still fails as it would.
    writeFixture("ZZZZ");
    writeFile(dir.file("Setting.ini"), "[BPRJ]\r\nAttackTable=0\r\n");
    EXPECT_EQ(tabs.openRom(rom), CTabSystem::kReadFailed);
    EXPECT_EQ(toUtf8(status.last()), toUtf8("ゲームコード[ZZZZ]の節がSetting.iniにありません。" + findSettings +
                                            "で作り、check_settingsで確かめてください(" + dir.file("Setting.ini") + ")。" +
                                            trainerFailed));
    EXPECT_FALSE(tabs.canSave());

    std::filesystem::remove(dir.file("Setting.ini"));
    EXPECT_EQ(tabs.openRom(rom), CTabSystem::kReadFailed);
    EXPECT_EQ(toUtf8(status.last()), toUtf8("Setting.iniが見つかりません。" + findSettings +
                                            "で作るか、Setting.iniを置いてください(探した場所: " + dir.file("Setting.ini") +
                                            ")。" + trainerFailed));

    // Bytes that are no game code still name a section the user wrote for them.
    writeFixture("AB-1");
    EXPECT_EQ(tabs.openRom(rom), CTabSystem::kReadDone) << toUtf8(status.last());
}

TEST_F(SessionTest, FilesThatCannotBeReadOrWritten)
{
    EXPECT_EQ(tabs.openRom(dir.file("missing.gba")), CTabSystem::kReadNoFile);
    EXPECT_FALSE(status.last().empty());

    writeBytes(dir.file("short.gba"), Bytes(0xAF, 0));
    EXPECT_EQ(tabs.openRom(dir.file("short.gba")), CTabSystem::kReadNoFile);
    EXPECT_FALSE(tabs.loaded());
    EXPECT_EQ(tabs.RomWrite(), 0);

    openFixture();
    {
        ReadOnlyFile readOnly(rom);
        if (readOnly.isReadOnly()) {
            EXPECT_EQ(tabs.RomWrite(), 0);
            EXPECT_TRUE(status.last().starts_with("CTabSystem::RomWrite を実行中にエラーが発生しました。"))
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
    openFixture();
    ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone);
    EXPECT_EQ(saveEnabled, (std::vector<bool>{true, false, true}));
}

TEST_F(SessionTest, BackupsAreOffByDefaultAndWriteNoOtherFile)
{
    openFixture();
    const std::set<std::string> before = files();
    ASSERT_EQ(tabs.RomWrite(), 1);
    ASSERT_TRUE(keepBackups(dir.path(), 0));
    ASSERT_EQ(tabs.RomWrite(), 1);
    EXPECT_EQ(files(), before);
    EXPECT_EQ(status.last(), "保存しました。");
}

TEST_F(SessionTest, OneBackupPerOpeningAndNoNoticeAfterTheAction)
{
    openFixture();
    ASSERT_TRUE(keepBackups(dir.path(), 5));
    const TrainerParty party = partyOf({0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88});
    ASSERT_EQ(writeParty(tabs.openRomForWriting(), 0x100, 1, 0, party).code(), kPartyDone);
    const std::vector<std::string> first = copies();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(readBytes(dir.file(first[0])), original);
    const Bytes after = readBytes(rom);
    EXPECT_EQ(Bytes(after.begin() + 0x100, after.begin() + 0x108),
              (Bytes{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88}));
    const std::string notice = kCopyMade + dir.file(first[0]) + "」を作成しました。";
    EXPECT_EQ(status.last(), notice);

    // Later writes of the same opening, of any kind, make no other copy; the notice stays on
    // the texts of the action that made it, and only there.
    ASSERT_EQ(tabs.RomWrite(), 1);
    EXPECT_EQ(status.last(), notice + "保存しました。");
    tabs.actionEnded();
    MovedTable table;
    ASSERT_TRUE(writeRelocatedTable(tabs.openRomForWriting(), table, {0x200, 1, 0, false}).status.ok());
    ASSERT_EQ(tabs.RomWrite(), 1);
    EXPECT_EQ(status.last(), "保存しました。");
    EXPECT_EQ(copies(), first);
}

TEST_F(SessionTest, EachWritePathCopiesTheFileBeforeItsFirstWrite)
{
    openFixture();
    ASSERT_TRUE(keepBackups(dir.path(), 20));
    MovedTable table;
    const std::uint8_t textBytes[] = {0x51, 0x52, 0xFF};
    const std::vector<std::pair<const char*, std::function<bool()>>> paths = {
        {"save", [&] { return tabs.RomWrite() == 1; }},
        {"party",
         [&] {
             const TrainerParty party = partyOf({1, 2, 3, 4, 5, 6, 7, 8});
             return writeParty(tabs.openRomForWriting(), 0x100, 1, 0, party).code() == kPartyDone;
         }},
        {"relocation", [&] { return writeRelocatedTable(tabs.openRomForWriting(), table, {0x200, 1, 0, false}).status.ok(); }},
        {"text", [&] { return writeText(tabs.openRomForWriting(), 0x300, textBytes).ok(); }},
    };
    for (const auto& [name, write] : paths) {
        SCOPED_TRACE(name);
        tabs.setRomPath(rom);
        ASSERT_EQ(tabs.ReadAll(), CTabSystem::kReadDone);
        const Bytes before = readBytes(rom);
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

TEST(BackupNames, CopiesSortByStampThenCounter)
{
    const char* inOrder[] = {"r.gba.20200101-000000.bak", "r.gba.20200101-000000-2.bak",
                             "r.gba.20200101-000000-10.bak", "r.gba.20200102-000000.bak"};
    for (std::size_t i = 0; i < std::size(inOrder); ++i) {
        for (std::size_t j = 0; j < std::size(inOrder); ++j)
            EXPECT_EQ(RomBackup::isOlder(inOrder[i], inOrder[j]), i < j) << inOrder[i] << " " << inOrder[j];
    }
}

TEST_F(SessionTest, OnlyThisRomsOwnOlderBackupsBeyondTheCountAreRemoved)
{
    openFixture();
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
    ASSERT_TRUE(tabs.openRomForWriting().ok());
    EXPECT_EQ(status.last(), kCopyMade + dir.file(kFirstCopy) + "」を作成しました。");
    std::set<std::string> expected = {"fixture.gba", kFirstCopy, "fixture.gba.20200102-000000-2.bak"};
    expected.insert(std::begin(foreign), std::end(foreign));
    std::set<std::string> kept;
    for (const std::string& name : files()) {
        if (name.find(".gba") != std::string::npos)
            kept.insert(name);
    }
    EXPECT_EQ(kept, expected);
    EXPECT_EQ(readBytes(dir.file(kFirstCopy)), original);
}

TEST_F(SessionTest, AFailedBackupPreventsTheWriteUntilTurnedOffOrRetried)
{
    openFixture();
    ASSERT_TRUE(keepBackups(dir.path(), 3));
    takeEveryCopyName();
    const TrainerParty party = partyOf({0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88});
    const PartyTransfer refused = writeParty(tabs.openRomForWriting(), 0x100, 1, 0, party);
    EXPECT_EQ(refused.code(), kPartyOpenFailed);
    EXPECT_TRUE(refused.status.errorText().starts_with("バックアップを作成できなかったため、書き込みを中止しました。"));
    EXPECT_EQ(status.last(), refused.status.errorText());
    EXPECT_FALSE(tabs.openRomForWriting().ok());
    EXPECT_EQ(readBytes(rom), original);

    // Turned off, the write goes through without a copy.
    ASSERT_TRUE(keepBackups(dir.path(), 0));
    EXPECT_TRUE(tabs.openRomForWriting().ok());

    // Turned on again and retried once a name is free: the copy is made, then the write.
    ASSERT_TRUE(keepBackups(dir.path(), 3));
    removeFile(dir.file("fixture.gba.20261207-093005-50.bak"));
    ASSERT_EQ(writeParty(tabs.openRomForWriting(), 0x100, 1, 0, party).code(), kPartyDone);
    EXPECT_EQ(readBytes(dir.file("fixture.gba.20261207-093005-50.bak")), original);
}

TEST_F(SessionTest, AGoneRomOrAnotherFileNeedsNoBackup)
{
    openFixture();
    ASSERT_TRUE(keepBackups(dir.path(), 2));
    ASSERT_TRUE(RomFile::openForWriting(dir.file("picture.bmp")).ok());
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

// Pending is what saving would change: a store that changes bytes, until it is saved or
// stored back; never a write straight into the file.
TEST_F(SessionTest, PendingEditsAreWhatSavingWouldChange)
{
    EXPECT_FALSE(tabs.pendingEdits());
    openFixture();
    EXPECT_FALSE(tabs.pendingEdits());
    std::uint8_t& letter = tabs.tables().moveNames[0];
    const std::uint8_t old = letter;
    letter = old ^ 1;
    EXPECT_TRUE(tabs.pendingEdits());
    letter = old;
    EXPECT_FALSE(tabs.pendingEdits());
    letter = old ^ 1;
    ASSERT_EQ(tabs.RomWrite(), 1);
    EXPECT_FALSE(tabs.pendingEdits());

    const std::uint8_t textBytes[] = {0x51, 0xFF};
    ASSERT_TRUE(writeText(tabs.openRomForWriting(), 0x300, textBytes).ok());
    EXPECT_FALSE(tabs.pendingEdits());
    // Saving would make a ROM that is gone anew.
    ASSERT_TRUE(removeFile(rom));
    EXPECT_TRUE(tabs.pendingEdits());
    tabs.ReleaseAll();
    EXPECT_FALSE(tabs.pendingEdits());
}

TEST_F(SessionTest, LeavingARomWithPendingEditsAsksFirst)
{
    MemoryShell shell;
    openFixture();
    EXPECT_TRUE(settlePendingEdits(tabs, shell, nullptr, "?"));
    EXPECT_TRUE(shell.messages().empty());

    tabs.tables().moveNames[0] ^= 1;
    struct Case {
        MessageAnswer answer;
        bool goesOn;
        bool saved;
    };
    for (const Case& step : {Case{MessageAnswer::Cancel, false, false}, Case{MessageAnswer::No, true, false},
                             Case{MessageAnswer::Yes, true, true}}) {
        SCOPED_TRACE(static_cast<int>(step.answer));
        shell.answerMessages({step.answer});
        EXPECT_EQ(settlePendingEdits(tabs, shell, nullptr, "tamblor_Calvanter - fixture.gba"), step.goesOn);
        EXPECT_EQ(readBytes(rom) != original, step.saved);
        EXPECT_EQ(tabs.pendingEdits(), !step.saved);
    }
    ASSERT_EQ(shell.messages().size(), 3u);
    EXPECT_EQ(shell.messages()[0].text, "変更をROMに保存しますか？");
    EXPECT_EQ(shell.messages()[0].caption, "tamblor_Calvanter - fixture.gba");
    EXPECT_EQ(shell.messages()[0].buttons, MessageButtons::YesNoCancel);

    // A save that fails keeps the program where it was; the status line says why. Working
    // out what is pending left the shared error text alone.
    tabs.tables().moveNames[0] ^= 1;
    tabs.setRomPath("/dev/full");
    EXPECT_TRUE(tabs.pendingEdits());
    EXPECT_EQ(tabs.errorText(), "");
    shell.answerMessages({MessageAnswer::Yes});
    EXPECT_FALSE(settlePendingEdits(tabs, shell, nullptr, "?"));
    EXPECT_EQ(status.last(), "CSolid_Value::DataWrite を実行中にエラーが発生しました。" + diskFullErrorText());
}

TEST(FrameCaptionTest, NamesTheRomAndMarksPendingEdits)
{
    EXPECT_EQ(frameCaption("tamblor_Calvanter", "", true), "tamblor_Calvanter");
    EXPECT_EQ(frameCaption("tamblor_Calvanter", "/roms/a b.gba", false), "tamblor_Calvanter - a b.gba");
    EXPECT_EQ(frameCaption("tamblor_Calvanter", "rom.gba", true), "tamblor_Calvanter - rom.gba *");
}

// Commands of a page's dialog (buttons, lists, menus) may have stored something; what edit
// controls say while the user types has not.
TEST(PageListTest, APagesCommandsButNotItsTypingTellTheSession)
{
    namespace message = window_message;
    CTabSystem tabs;
    int told = 0;
    tabs.setPageCommandHandler([&] { ++told; });
    tabs.AddPage(std::make_unique<CBlankPage>(tabs), "a");
    CWindowBase& page = *tabs.pages()[0];
    for (std::uint16_t code : {message::kButtonClicked, message::kComboSelChange, message::kEditChange})
        page.windowMessage(message::kCommand, message::makeCommand(1, code), 0);
    page.windowMessage(message::kNotify, 0, 0);
    EXPECT_EQ(told, 2);
}
