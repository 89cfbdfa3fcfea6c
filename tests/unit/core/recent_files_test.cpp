#include "core/RecentFiles.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

using Paths = std::vector<std::string>;

TEST(RecentFilesTest, NewestFirstWithoutRepeatsAndAtMostFourKeptInTheSettingsFile)
{
    TempDir dir;
    const std::string ini = dir.file("Setting.ini");
    writeFile(ini, "[BPRJ]\r\nName=x\r\n[Calvanter]\r\nRecent1=C:\\a.gba\r\nRecent2=\r\nRecent3=c:\\A.GBA\r\n"
                   "Recent4=D:\\b c.gba\r\n");
    RecentFiles recent = RecentFiles::load(ini);
    // A gap is skipped and a second spelling of the same file is dropped.
    EXPECT_EQ(recent.paths(), (Paths{"C:\\a.gba", "D:\\b c.gba"}));

    // "\x83\x41" and "\x83\x61" are two katakana, not one letter in two cases.
    for (const char* path : {"e.gba", "\x83\x41.gba", "\x83\x61.gba", "C:\\A.gba"})
        recent.add(path);
    EXPECT_EQ(recent.paths(), (Paths{"C:\\A.gba", "\x83\x61.gba", "\x83\x41.gba", "e.gba"}));
    recent.add("f.gba");
    EXPECT_EQ(recent.paths(), (Paths{"f.gba", "C:\\A.gba", "\x83\x61.gba", "\x83\x41.gba"}));
    recent.remove("c:\\a.GBA");
    ASSERT_TRUE(recent.save(ini));
    EXPECT_EQ(readText(ini), "[BPRJ]\r\nName=x\r\n[Calvanter]\r\nRecent1=f.gba\r\nRecent2=\x83\x61.gba\r\n"
                             "Recent3=\x83\x41.gba\r\nRecent4=\r\n");
    EXPECT_EQ(RecentFiles::load(dir.file("missing.ini")).paths(), Paths{});
}

TEST(RecentFilesTest, MenuTextsAndCommandLines)
{
    EXPECT_EQ(recentMenuText(0, "C:\\R&D\\a.gba"), "&1 C:\\R&&D\\a.gba");
    EXPECT_EQ(recentMenuText(3, "\x83\x5C.gba"), "&4 \x83\x5C.gba");

    const std::pair<const char*, const char*> lines[] = {
        {"", ""},
        {"   ", ""},
        {"C:\\rom.gba", "C:\\rom.gba"},
        {" \"C:\\my roms\\\x83\x5C.gba\" ", "C:\\my roms\\\x83\x5C.gba"},
        {"\"C:\\a b.gba\" -x", "C:\\a b.gba"},
        {"\"C:\\unclosed b.gba  ", "C:\\unclosed b.gba"},
        {"C:\\my roms\\a.gba \t", "C:\\my roms\\a.gba"},
    };
    for (const auto& [line, path] : lines)
        EXPECT_EQ(romPathFromCommandLine(line), path) << line;
}
