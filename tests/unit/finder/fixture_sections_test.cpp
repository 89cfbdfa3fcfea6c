#include "core/Profile.h"
#include "pages/finder/FinderFiles.h"
#include "tests/support/TestFiles.h"
#include "tools/check_settings/SettingsCheck.h"
#include "tools/fixture/FixtureRom.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

// The finder on fixture ROMs whose tables the seed lays out elsewhere, with decoys between
// them: the keys it places are the fixture's own, and the settings check finds nothing
// wrong with the section it writes.
namespace {

// No shape finds these; the user writes them, and the finder keeps them.
const std::set<std::string> kByHand = {"Skill_Machine", "Left",   "Center",     "Right",  "domain1",
                                       "domain1end",    "domain2", "domain2end", "domain3", "domain3end"};

// The section as the user had it before: only what the finder cannot place.
std::string sectionByHand(const FixtureRom& rom)
{
    std::string text = "[Calvanter]\r\nBackup=0\r\n[" + rom.gameCode + "]\r\n";
    for (const auto& [key, value] : rom.settings) {
        if (kByHand.contains(key))
            text += key + "=" + value + "\r\n";
    }
    return text + "[OTHR]\r\nAttackTable=5\r\n";
}

class FinderOnSeededFixtures : public ::testing::TestWithParam<std::tuple<const char*, unsigned>> {};

TEST_P(FinderOnSeededFixtures, WritesTheFixtureSectionThatTheSettingsCheckPasses)
{
    const auto [gameCode, seed] = GetParam();
    const FixtureRom rom = buildFixtureRom(gameCode, seed);
    TempDir dir;
    ASSERT_TRUE(writeFixtureSet(rom, dir.path(), "fixture.gba"));
    const std::string before = sectionByHand(rom);
    writeFile(dir.file("Setting.ini"), before);

    const ResultOf<FinderReport> report = findSettingsFiles(dir.path(), dir.file("fixture.gba"));
    ASSERT_TRUE(report.ok()) << report.errorText();
    std::string lines;
    for (const std::string& line : report->lines())
        lines += line + "\n";
    EXPECT_TRUE(report->allFindablePlaced()) << lines;
    const ResultOf<std::string> backupPath = writeFoundSettings(dir.path(), *report);
    ASSERT_TRUE(backupPath.ok()) << backupPath.errorText();

    EXPECT_EQ(readText(*backupPath), before);
    const ProfileFile profile = ProfileFile::load(dir.file("Setting.ini"));
    for (const auto& [key, value] : rom.settings)
        EXPECT_EQ(profile.readString(gameCode, key, "", 30), value) << key << "\n" << lines;
    EXPECT_EQ(profile.readString("Calvanter", "Backup", "", 30), "0");
    EXPECT_EQ(profile.readString("OTHR", "AttackTable", "", 30), "5");

    const CheckReport check = checkSettingsFiles(dir.path(), dir.file("fixture.gba"));
    EXPECT_EQ(check.problemCount, 0u) << check.lines.back();
}

INSTANTIATE_TEST_SUITE_P(EveryGameCode, FinderOnSeededFixtures,
                         ::testing::Combine(::testing::Values("AXVJ", "AXPJ", "BPEJ", "BPRJ", "BPGJ"),
                                            ::testing::Values(1u, 2u, 3u)));

TEST(FixtureSeed, SeedsMoveEveryTableAndSeedZeroKeepsTheDefaultLayout)
{
    const FixtureRom unseeded = buildFixtureRom("BPRJ");
    EXPECT_EQ(buildFixtureRom("BPRJ", 0).bytes, unseeded.bytes);
    const FixtureRom first = buildFixtureRom("BPRJ", 1);
    const FixtureRom second = buildFixtureRom("BPRJ", 2);
    ASSERT_EQ(first.settings.size(), unseeded.settings.size());
    for (std::size_t i = 0; i < unseeded.settings.size(); ++i) {
        const auto& [key, value] = unseeded.settings[i];
        if (key.starts_with("domain") || key.ends_with("Num") || key == "Trainer_Pic_Num")
            continue;
        EXPECT_NE(first.settings[i].second, value) << key;
        EXPECT_NE(second.settings[i].second, first.settings[i].second) << key;
    }
}

} // namespace
