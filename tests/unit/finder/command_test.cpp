#include "core/FolderFiles.h"
#include "core/TabSystem.h"
#include "pages/EditorPages.h"
#include "pages/finder/FindSettingsCommand.h"
#include "tests/support/MemoryShell.h"
#include "tests/support/TestFiles.h"
#include "tools/fixture/FixtureRom.h"

#include <gtest/gtest.h>

namespace {

// The program's way: a ROM without its section fails to read; the command finds the
// tables, the user says Yes, and the ROM then reads with every page.
TEST(FindSettingsCommand, YesWritesTheSectionAndTheRomThenReadsNoChangesNothing)
{
    TempDir dir;
    const FixtureRom rom = buildFixtureRom("AXPJ", 3);
    ASSERT_TRUE(writeFixtureSet(rom, dir.path(), "rom.gba"));
    const std::string before = "[Calvanter]\r\nBackup=0\r\n";
    writeFile(dir.file("Setting.ini"), before);

    RecordingStatusLine status;
    CTabSystem tabs;
    tabs.setProgramDirectory(dir.path());
    tabs.setStatusLine(&status);
    addEditorPages(tabs);
    ASSERT_EQ(tabs.openRom(dir.file("rom.gba")), CTabSystem::kReadFailed);

    MemoryShell shell;
    shell.answerMessages({MessageAnswer::No});
    EXPECT_FALSE(findAndWriteSettings(shell, status, dir.path(), dir.file("rom.gba")));
    EXPECT_EQ(readText(dir.file("Setting.ini")), before);
    EXPECT_EQ(status.last(), "Setting.ini は変更していません。");
    ASSERT_EQ(shell.messages().size(), 1u);
    EXPECT_EQ(shell.messages()[0].buttons, MessageButtons::YesNo);
    const std::string& question = shell.messages()[0].text;
    EXPECT_TRUE(question.starts_with("[AXPJ] に書き込む設定:\r\n  MonsterBaseStats_Pos=")) << toUtf8(question);
    EXPECT_NE(question.find("手で設定するもの:\r\n  Skill_Machine, domain1, domain2, domain3, Left, Center, Right"),
              std::string::npos)
        << toUtf8(question);

    shell.answerMessages({MessageAnswer::Yes});
    ASSERT_TRUE(findAndWriteSettings(shell, status, dir.path(), dir.file("rom.gba"))) << toUtf8(status.last());
    EXPECT_EQ(status.progress.back(), 100);
    EXPECT_EQ(readText(dir.file("Setting.ini.bak")), before);
    ASSERT_EQ(tabs.openRom(dir.file("rom.gba")), CTabSystem::kReadDone) << toUtf8(status.last());
    EXPECT_TRUE(tabs.canSave());
}

TEST(FindSettingsCommand, ARomWithoutTablesOrGameCodeIsSaidSoAndNothingIsWritten)
{
    TempDir dir;
    std::vector<std::uint8_t> blank(0x10000, 0x80);
    std::copy_n("BPEJ", 4, blank.begin() + 0xAC);
    writeBytes(dir.file("blank.gba"), blank);
    writeBytes(dir.file("short.gba"), std::vector<std::uint8_t>(0x20, 0x41));
    RecordingStatusLine status;
    MemoryShell shell;
    EXPECT_FALSE(findAndWriteSettings(shell, status, dir.path(), dir.file("blank.gba")));
    EXPECT_EQ(status.last(), "表が一つも見つかりませんでした。");
    EXPECT_FALSE(findAndWriteSettings(shell, status, dir.path(), dir.file("short.gba")));
    ASSERT_EQ(shell.messages().size(), 2u);
    EXPECT_EQ(shell.messages()[1].icon, MessageIcon::Error);
    EXPECT_FALSE(fileExists(dir.file("Setting.ini")));
}

} // namespace
