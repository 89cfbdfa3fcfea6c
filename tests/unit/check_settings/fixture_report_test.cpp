#include "tests/unit/check_settings/CheckFixture.h"

#include "tests/support/TestFiles.h"
#include "tools/check_settings/Overlaps.h"

#include <filesystem>

namespace {

using CheckSettingsReport = CheckFixture;

TEST_F(CheckSettingsReport, TheFixtureIsCleanAndEveryTableHasItsLine)
{
    const CheckReport report = checkSettingsFiles(folder(), romPath());
    ASSERT_EQ(report.exitStatus(), kExitClean) << shown(report);
    EXPECT_EQ(report.problemCount, 0u);
    EXPECT_EQ(report.lines.front(), "game code BPRJ, 16777216 bytes, section [BPRJ] of Setting.ini");
    EXPECT_EQ(report.lines.back(), "no problem found");
    // 21 tables, 3 write-out areas, Trainer_Pic_Num, the first line and the last.
    EXPECT_EQ(report.lines.size(), 27u);

    // Extents from the record sizes: 355 moves of 12 bytes; 386 dex records of 28 bytes and
    // the last one's 26 read bytes; 412 level-up pointers of 4 bytes.
    EXPECT_EQ(lineStarting(report, "AttackTable="),
              "AttackTable=2097152: the move table, 0x200000 to 0x2010A4, 4260 bytes, inside the file; "
              "355 moves with percentages up to 100");
    EXPECT_EQ(lineStarting(report, "MonsterDexData="),
              "MonsterDexData=1085440: the dex table, 0x109000 to 0x10BA52, 10834 bytes, inside the file; "
              "387 description pointers inside the file");
    EXPECT_EQ(lineStarting(report, "Level_Skill="),
              "Level_Skill=1097728: the level-up pointer table, 0x10C000 to 0x10C670, 1648 bytes, inside the file; "
              "412 pointers inside the file, 412 lists end within 200 bytes");
    EXPECT_EQ(lineStarting(report, "Compatibility="),
              "Compatibility=2228224: the type chart pointer, 0x220000 to 0x220004, 4 bytes, inside the file; "
              "leads to the type chart at 0x220100, 30 entries, then FE FE");
    EXPECT_EQ(lineStarting(report, "MonsterEggData="),
              "MonsterEggData=1572864, MonsterEggDataNum=29: the egg move table, 0x180000 to 0x18003A, 58 bytes, "
              "inside the file; 8 markers, 7 naming monsters of the monster list");
    EXPECT_EQ(lineStarting(report, "AttackName="),
              "AttackName=2363392: the move name table, 0x241000 to 0x241B10, 2832 bytes, inside the file; "
              "354 of 354 names decode, the first \"Move001\"");
    EXPECT_EQ(lineStarting(report, "MonsterShinyPal="),
              "MonsterShinyPal=3146496, PicsNum=16: the shiny palette pointer table, 0x300300 to 0x300380, 128 bytes, "
              "inside the file; 16 pointers inside the file, 16 LZ77 streams decode");
    EXPECT_EQ(lineStarting(report, "domain3="),
              "domain3=14680064, domain3end=14681088: write-out area 3, 0xE00000 to 0xE00400, 1024 bytes, "
              "inside the file");
}

TEST_F(CheckSettingsReport, ItCannotRunWithoutSettingsRomOrSection)
{
    TempDir empty;
    CheckReport report = checkSettingsFiles(empty.path(), romPath());
    EXPECT_EQ(report.exitStatus(), kExitCannotRun);
    EXPECT_EQ(report.lines,
              std::vector<std::string>{"cannot open " + empty.file("Setting.ini") + ": No such file or directory"});

    report = checkSettingsFiles(folder(), empty.file("missing.gba"));
    EXPECT_EQ(report.exitStatus(), kExitCannotRun);
    EXPECT_EQ(report.lines,
              std::vector<std::string>{"cannot open " + empty.file("missing.gba") + ": No such file or directory"});

    // Too short to hold a game code at 0xAC.
    writeBytes(empty.file("short.gba"), std::vector<std::uint8_t>(0xAE, 0x41));
    report = checkSettingsFiles(folder(), empty.file("short.gba"));
    EXPECT_EQ(report.exitStatus(), kExitCannotRun);
    EXPECT_EQ(report.lines, std::vector<std::string>{"the ROM holds no game code at 0xAC"});

    // Larger than the largest cartridge: refused before it is read.
    writeBytes(empty.file("large.gba"), {});
    std::filesystem::resize_file(empty.file("large.gba"), 32u * 1024 * 1024 + 1);
    report = checkSettingsFiles(folder(), empty.file("large.gba"));
    EXPECT_EQ(report.exitStatus(), kExitCannotRun);
    EXPECT_NE(report.lines.back().find("more than the largest cartridge (33554432 bytes)"), std::string::npos)
        << shown(report);

    // A game code without a section, and a section without the program's keys.
    put(0xAC, {'A', 'X', 'V', 'J'});
    report = check();
    EXPECT_EQ(report.exitStatus(), kExitCannotRun);
    EXPECT_EQ(report.lines, std::vector<std::string>{"Setting.ini has no section [AXVJ] with the program's keys"});
    settings = "[AXVJ]\r\nWindowX=10\r\n";
    EXPECT_EQ(check().exitStatus(), kExitCannotRun);
}

TEST(CheckSettingsOverlaps, EachMeetingPairOnceAndTouchingIsNoOverlap)
{
    const std::vector<Occupant> occupants = {
        {"big", {0, 100}}, {"after", {100, 110}}, {"inner", {30, 40}}, {"first inner", {10, 20}},
        {"empty", {50, 50}}, {"across", {105, 200}},
    };
    const std::vector<Overlap> found = findOverlaps(occupants);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].first, 0u);
    EXPECT_EQ(found[0].second, 2u);
    EXPECT_EQ(found[1].first, 0u);
    EXPECT_EQ(found[1].second, 3u);
    EXPECT_EQ(found[2].first, 1u);
    EXPECT_EQ(found[2].second, 5u);
}

} // namespace
