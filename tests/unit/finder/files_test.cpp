#include "core/Profile.h"
#include "pages/finder/FinderFiles.h"
#include "tests/support/TestFiles.h"
#include "tools/fixture/FixtureRom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

namespace {

TEST(FoundSettingsWrite, EveryWriteKeepsACopyAndAFailedOneLeavesSettingIniAlone)
{
    // A fixture set whose section the finder has just looked for.
    TempDir dir;
    ASSERT_TRUE(writeFixtureSet(buildFixtureRom("BPEJ", 4), dir.path(), "rom.gba"));
    const ResultOf<FinderReport> report = findSettingsFiles(dir.path(), dir.file("rom.gba"));
    ASSERT_TRUE(report.ok()) << report.errorText();
    // Without a Setting.ini the section is the whole file.
    std::filesystem::remove(dir.file("Setting.ini"));
    const ResultOf<std::string> none = writeFoundSettings(dir.path(), *report);
    ASSERT_TRUE(none.ok()) << none.errorText();
    EXPECT_TRUE(none->empty());
    EXPECT_TRUE(readText(dir.file("Setting.ini")).starts_with("[BPEJ]\r\nMonsterBaseStats_Pos="));

    writeFile(dir.file("Setting.ini"), "[BPEJ]\r\nAttackTable=1\r\n");
    const ResultOf<std::string> first = writeFoundSettings(dir.path(), *report);
    ASSERT_TRUE(first.ok()) << first.errorText();
    EXPECT_EQ(*first, dir.file("Setting.ini") + ".bak");
    const std::string written = readText(dir.file("Setting.ini"));
    // The key in its place, the others after it.
    const auto attackTable = std::find_if(report->findings.begin(), report->findings.end(),
                                          [](const Finding& finding) { return finding.key == "AttackTable"; });
    ASSERT_NE(attackTable, report->findings.end());
    EXPECT_TRUE(written.starts_with("[BPEJ]\r\nAttackTable=" + std::to_string(attackTable->value) +
                                    "\r\nMonsterBaseStats_Pos="))
        << written;
    const ResultOf<std::string> second = writeFoundSettings(dir.path(), *report);
    ASSERT_TRUE(second.ok()) << second.errorText();
    EXPECT_EQ(*second, dir.file("Setting.ini") + ".2.bak");
    EXPECT_EQ(readText(*first), "[BPEJ]\r\nAttackTable=1\r\n");
    EXPECT_EQ(readText(*second), written);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Setting.ini.new")));

    // The new file cannot be made: nothing changes.
    std::filesystem::create_directory(dir.file("Setting.ini.new"));
    const ResultOf<std::string> failed = writeFoundSettings(dir.path(), *report);
    EXPECT_FALSE(failed.ok());
    EXPECT_TRUE(failed.errorText().starts_with("cannot write " + dir.file("Setting.ini"))) << failed.errorText();
    EXPECT_EQ(readText(dir.file("Setting.ini")), written);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Setting.ini.3.bak")));
}

TEST(FinderInput, FilesThatCannotBeSearchedAreSaidSo)
{
    TempDir dir;
    EXPECT_FALSE(findSettingsFiles(dir.path(), dir.file("missing.gba")).ok());
    writeBytes(dir.file("short.gba"), std::vector<std::uint8_t>(0xAF, 0x41));
    const ResultOf<FinderReport> shortRom = findSettingsFiles(dir.path(), dir.file("short.gba"));
    EXPECT_NE(shortRom.errorText().find("no game code"), std::string::npos) << shortRom.errorText();
    // A code that would break the section header out of its line writes nothing anywhere.
    for (const char* code : {"\0\0\0\0", "A]\nB", "X=1;", "AB\x7F" "C"}) {
        std::vector<std::uint8_t> rom(0x200, 0x41);
        std::copy_n(code, 4, rom.begin() + 0xAC);
        writeBytes(dir.file("odd.gba"), rom);
        const ResultOf<FinderReport> odd = findSettingsFiles(dir.path(), dir.file("odd.gba"));
        EXPECT_NE(odd.errorText().find("no game code"), std::string::npos) << code;
    }
}

// Noise, truncated fixtures and files of every small size: the finder reads inside the
// bytes it has (the sanitizers watch) and returns a report.
TEST(FinderInput, NoiseAndTruncatedRomsGiveAReport)
{
    std::mt19937 random(7);
    const FixtureRom fixture = buildFixtureRom("BPRJ", 5);
    const FinderLists lists{214, 78, 120};
    for (std::size_t size : {0u, 1u, 0xB0u, 0x1000u, 0x10000u}) {
        std::vector<std::uint8_t> noise(size);
        for (std::uint8_t& byte : noise)
            byte = static_cast<std::uint8_t>(random() % 4 == 0 ? 0xFF : random() % 3 == 0 ? 0x08 : random());
        EXPECT_FALSE(findSettings(noise, FinderInputs{lists, std::nullopt, {}}).findings.empty());
    }
    for (std::size_t cut : {0x100000u, 0x140000u, 0x150000u, 0x158000u}) {
        const std::span<const std::uint8_t> truncated(fixture.bytes.data(), cut);
        const FinderReport report = findSettings(truncated, FinderInputs{lists, std::nullopt, {}});
        for (const auto& [key, value] : report.settings())
            EXPECT_LT(std::stoll(value), static_cast<long long>(cut)) << key;
    }
}

} // namespace
