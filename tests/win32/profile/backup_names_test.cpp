// The backups of a ROM under the real file system's names: pruning removes copies of this ROM
// only, whatever the second bytes of the double-byte characters in its name look like.
#include "core/FolderFiles.h"
#include "core/RomBackup.h"
#include "core/ui/NoticeStatusLine.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// ア is 83 41, ヂ is 83 61: equal with every byte from 'A' to 'Z' folded, different names.
TEST(BackupNames, DoubleByteCharactersCompareWhole)
{
    const char* stamp = ".20261207-093005.bak";
    EXPECT_TRUE(RomBackup::isBackupName("ア.gba", std::string("ア.gba") + stamp));
    EXPECT_FALSE(RomBackup::isBackupName("ア.gba", std::string("ヂ.gba") + stamp));
    EXPECT_FALSE(RomBackup::isBackupName("０.gba", std::string("Ｐ.gba") + stamp));
    EXPECT_TRUE(RomBackup::isBackupName("ROM.GBA", std::string("rom.gba") + stamp));
}

TEST(BackupNames, PruningKeepsTheCopiesOfAnotherRom)
{
    TempDir dir;
    const std::string rom = dir.file("ア.gba");
    writeBytes(rom, std::vector<std::uint8_t>(0x100, 0x11));
    const std::vector<std::string> others = {dir.file("ヂ.gba.20200101-000000.bak"),
                                             dir.file("ヂ.gba.20200102-000000.bak")};
    for (const std::string& other : others)
        writeBytes(other, {0x22});
    writeBytes(dir.file("ア.gba.20200101-000000.bak"), {0x33});
    ASSERT_TRUE(keepBackups(dir.path(), 1));

    RecordingStatusLine status;
    NoticeStatusLine line;
    line.setTarget(&status);
    RomBackup backup(line);
    backup.startOpening(rom, dir.file("Setting.ini"));
    std::string refusal;
    ASSERT_TRUE(backup.allowWrite(rom, refusal)) << refusal;

    EXPECT_EQ(backupsOf(rom).size(), 1u);
    EXPECT_FALSE(fileExists(dir.file("ア.gba.20200101-000000.bak")));
    for (const std::string& other : others)
        EXPECT_TRUE(fileExists(other)) << other;
}

} // namespace
