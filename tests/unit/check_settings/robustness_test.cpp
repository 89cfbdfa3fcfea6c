#include "tests/unit/check_settings/CheckFixture.h"

#include "tools/check_settings/TableCatalogue.h"

#include <random>

namespace {

using CheckSettingsRobustness = CheckFixture;

// Every problem line begins with a key the program reads.
bool namesAKey(const std::string& line)
{
    for (const TableSpec& spec : configuredTables()) {
        if (line.starts_with("problem: " + std::string(spec.key)) ||
            (!spec.countKey.empty() && line.starts_with("problem: " + std::string(spec.countKey))))
            return true;
    }
    for (std::string_view key : kWriteAreaKeys) {
        if (line.starts_with("problem: " + std::string(key)))
            return true;
    }
    return line.starts_with("problem: Trainer_Pic_Num");
}

TEST_F(CheckSettingsRobustness, RandomOffsetsAndCountsOverTheFixtureAndOverNoise)
{
    std::mt19937 random(13);
    const std::vector<std::uint8_t> fixture = rom;
    std::vector<std::uint8_t> noise(1 << 20);
    for (std::uint8_t& byte : noise)
        byte = static_cast<std::uint8_t>(random());
    std::copy_n("BPRJ", 4, noise.begin() + 0xAC);

    const std::string fixtureSettings = settings;
    std::uniform_int_distribution<std::int64_t> anywhere(-8, 16 * 1024 * 1024 + 8);
    std::uniform_int_distribution<std::int64_t> anyCount(-2, 300000);
    for (int round = 0; round < 20; ++round) {
        rom = round % 2 == 0 ? fixture : noise;
        settings = fixtureSettings;
        for (const TableSpec& spec : configuredTables()) {
            setKey(spec.key, std::to_string(anywhere(random)));
            if (!spec.countKey.empty())
                setKey(spec.countKey, std::to_string(anyCount(random)));
        }
        // The last table of the file: its end lies on the file's end, or one byte past it.
        setKey("Right", std::to_string(rom.size() - 2 + static_cast<std::size_t>(round % 2)));
        const CheckReport report = check();
        ASSERT_TRUE(report.ran) << shown(report);
        EXPECT_GT(report.problemCount, 0u);
        for (const std::string& line : report.lines)
            EXPECT_TRUE(!line.starts_with("problem: ") || namesAKey(line)) << line;
        EXPECT_EQ(problemLine(report, "Right=").find("beyond the end of the file") != std::string::npos, round % 2 == 1)
            << shown(report);
    }
}

TEST_F(CheckSettingsRobustness, SettingsOfRandomBytes)
{
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        settings = "[BPRJ]\r\nAttackTable=";
        for (int i = 0; i < 4000; ++i)
            settings += static_cast<char>(round % 2 == 0 ? random() : "=\r\n[]0123456789xAttackName"[random() % 26]);
        // Whatever the text holds, the check ends with a report: problems, or why it cannot run.
        const CheckReport report = check();
        EXPECT_NE(report.exitStatus(), kExitClean) << shown(report);
        EXPECT_FALSE(report.lines.empty());
    }
}

TEST_F(CheckSettingsRobustness, AHugePictureCountDecodesEachStreamOnceAndNotWithoutEnd)
{
    // 9000 distinct streams of declared size 0 from 0x10000, and pointer tables of 9000
    // entries at 0x80000 that lead to them, all four tables at the same place.
    rom.assign(1 << 20, 0x00);
    std::copy_n("BPRJ", 4, rom.begin() + 0xAC);
    for (std::size_t i = 0; i < 9000; ++i) {
        const std::size_t stream = 0x10000 + 4 * i;
        rom[stream] = 0x10;
        const std::uint32_t pointer = 0x08000000 + static_cast<std::uint32_t>(stream);
        for (std::size_t b = 0; b < 4; ++b)
            rom[0x80000 + 8 * i + b] = static_cast<std::uint8_t>(pointer >> (8 * b));
    }
    settings = "[BPRJ]\r\nMonsterPics=524288\r\nMonsterPal=524288\r\nMonsterBackPics=524288\r\n"
               "MonsterShinyPal=524288\r\nPicsNum=9000\r\n";
    const CheckReport report = check();
    EXPECT_NE(lineStarting(report, "MonsterPics=").find(
                  "9000 pointers inside the file, 8192 LZ77 streams decode, 808 beyond what the check decodes"),
              std::string::npos)
        << shown(report);

    // The same stream for every entry is decoded once, and all of them are checked.
    for (std::size_t i = 0; i < 9000; ++i)
        std::copy_n(rom.begin() + 0x80000, 4, rom.begin() + 0x80000 + 8 * i);
    EXPECT_NE(lineStarting(check(), "MonsterPics=").find("9000 pointers inside the file, 9000 LZ77 streams decode;"),
              std::string::npos);
}

} // namespace
