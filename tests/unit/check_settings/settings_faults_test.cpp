#include "tests/unit/check_settings/CheckFixture.h"

#include "tools/check_settings/SettingValue.h"

#include <algorithm>

namespace {

using CheckSettingsSettingFault = CheckFixture;

// The report names the key and value of a planted fault, and the check ends with status 1.
void expectProblem(const CheckReport& report, std::string_view setting, std::string_view what)
{
    EXPECT_EQ(report.exitStatus(), kExitProblemsFound);
    const std::string prefix = "problem: " + std::string(setting);
    const bool found = std::any_of(report.lines.begin(), report.lines.end(), [&](const std::string& line) {
        return line.starts_with(prefix) && line.find(what) != std::string::npos;
    });
    EXPECT_TRUE(found) << "no problem of " << setting << " saying " << what << " in\n" << shown(report);
}

TEST(CheckSettingsText, OnlyPlainDecimalNumbersPass)
{
    EXPECT_EQ(textProblem("256"), std::nullopt);
    EXPECT_EQ(textProblem("-1"), std::nullopt);
    EXPECT_EQ(textProblem("+12"), std::nullopt);
    EXPECT_EQ(textProblem("0x100"),
              "written in hexadecimal, but Setting.ini values are decimal: it reads as 0 (0x100 is 256 in decimal)");
    EXPECT_EQ(textProblem("0xFFFFFFFF"), "written in hexadecimal, but Setting.ini values are decimal: it reads as 0");
    EXPECT_EQ(textProblem("abc"), "not a decimal number: it reads as 0");
    EXPECT_EQ(textProblem("-"), "not a decimal number: it reads as 0");
    EXPECT_EQ(textProblem("120 items"), "reads as 120: the characters after the digits are ignored");
}

TEST_F(CheckSettingsSettingFault, HexadecimalValueReadsAsZeroOverTheHeader)
{
    setKey("AttackTable", "0x200000");
    const CheckReport report = check();
    expectProblem(report, "AttackTable=0x200000: written in hexadecimal",
                  "it reads as 0 (0x200000 is 2097152 in decimal)");
    expectProblem(report, "AttackTable=0x200000: the move table (0x000000 to 0x0010A4)",
                  "overlaps the cartridge header (0x000000 to 0x0000C0)");
    // The header read as moves: its bytes are no percentages.
    expectProblem(report, "AttackTable=0x200000: ", "moves have an accuracy or effect chance above 100");
    EXPECT_EQ(report.lines.back(), "3 problems found");
}

TEST_F(CheckSettingsSettingFault, MissingKeysSayWhatThePageThenDoes)
{
    removeKey("Skill_Machine");
    removeKey("TrainerDataNum");
    removeKey("MonsterPal");
    removeKey("domain2end");
    const CheckReport report = check();
    expectProblem(report, "Skill_Machine (missing)", "the TM/HM table is neither read nor written");
    expectProblem(report, "TrainerDataNum (missing)", "the opening of every ROM of this game");
    expectProblem(report, "MonsterPal (missing)", "the image page reads none of its four pointer tables");
    expectProblem(report, "domain2end (missing)", "no write-out area 2");
    EXPECT_EQ(lineStarting(report, "Skill_Machine"), "Skill_Machine (missing): the TM/HM table, not configured");
    EXPECT_EQ(report.problemCount, 4u) << shown(report);
}

TEST_F(CheckSettingsSettingFault, OffsetsAndCountsThatLeaveNothingToRead)
{
    setKey("AttackTable", "16777000");
    setKey("MonsterEggDataNum", "-5");
    setKey("Left", "-1");
    setKey("Right", "-20");
    setKey("Center", "16777216");
    setKey("domain1end", "12582912");
    setKey("Item_DataNum", "120 items");
    const CheckReport report = check();
    expectProblem(report, "AttackTable=16777000",
                  "the move table ends at 0x1000FCC, beyond the end of the file (16777216 bytes)");
    expectProblem(report, "MonsterEggDataNum=-5", "no records: the egg move table is neither read nor written");
    expectProblem(report, "Left=-1", "-1 marks a table as not configured");
    expectProblem(report, "Right=-20", "a negative offset: reading the right starter fails");
    expectProblem(report, "Center=16777216", "the centre starter starts at 0x1000000, beyond the end of the file");
    expectProblem(report, "domain1=12582912, domain1end=12582912", "the end does not lie after the start");
    expectProblem(report, "Item_DataNum=120 items", "reads as 120");
    EXPECT_EQ(report.problemCount, 7u) << shown(report);
}

TEST_F(CheckSettingsSettingFault, TooLargeCountOverlapsTheNextTables)
{
    setKey("PicsNum", "100");
    const CheckReport report = check();
    expectProblem(report, "MonsterPics=3145728, PicsNum=100: the front picture pointer table (0x300000 to 0x300320)",
                  "overlaps MonsterPal=3145984, PicsNum=100 (0x300100 to 0x300420)");
    expectProblem(report, "MonsterPal=3145984, PicsNum=100: the palette pointer table (0x300100 to 0x300420)",
                  "overlaps MonsterBackPics=3146240, PicsNum=100 (0x300200 to 0x300520)");
    EXPECT_NE(lineStarting(report, "MonsterBackPics=").find(
                  "; overlaps MonsterPics=3145728, PicsNum=100, MonsterPal=3145984, PicsNum=100, "
                  "MonsterShinyPal=3146496, PicsNum=100"),
              std::string::npos)
        << shown(report);
}

TEST_F(CheckSettingsSettingFault, TablesOverlapTheTypeChartTheyDoNotKnow)
{
    // The move name table moved onto the chart that the pointer at 0x220000 leads to.
    setKey("AttackName", "2228480");
    const CheckReport report = check();
    expectProblem(report, "Compatibility=2228224: the type chart (0x220100 to 0x22015C)",
                  "overlaps AttackName=2228480 (0x220100 to 0x220C10)");
    EXPECT_NE(lineStarting(report, "AttackName=").find("; overlaps the type chart of Compatibility=2228224"),
              std::string::npos)
        << shown(report);
}

} // namespace
