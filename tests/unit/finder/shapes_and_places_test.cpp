#include "core/LittleEndian.h"
#include "pages/finder/RecordRuns.h"
#include "pages/finder/SettingsFinder.h"
#include "pages/finder/TableShapes.h"
#include "tools/fixture/FixtureRom.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(NameShape, ANameHoldsItsEndByteAndBeginsWithACharacter)
{
    struct Case {
        Bytes field;
        bool name;
    };
    const Case cases[] = {
        {{0xBB, 0xBC, 0xFF, 0x00, 0x00, 0x00}, true},  // "AB"
        {{0x01, 0x02, 0x03, 0x04, 0x05, 0xFF}, true},  // five characters, the end byte last
        {{0xFF, 0xBB, 0xFF, 0x00, 0x00, 0x00}, false}, // empty
        {{0x00, 0xBB, 0xFF, 0x00, 0x00, 0x00}, false}, // begins with a blank
        {{0xBB, 0xFE, 0xFF, 0x00, 0x00, 0x00}, false}, // a line break before the end byte
        {{0xBB, 0xFF, 0xFE, 0x00, 0x00, 0x00}, true},  // a line break after it
        {{0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0}, false}, // no end byte
    };
    for (const Case& c : cases)
        EXPECT_EQ(table_shape::isName(c.field), c.name) << int(c.field[0]) << " " << int(c.field[1]);
}

TEST(LevelUpShape, TheTwoEndBytesWithinTheBytesThePageCounts)
{
    Bytes list(300, 0x21);
    EXPECT_FALSE(table_shape::levelUpListEnds(list, 0));
    list[0] = list[1] = 0xFF; // an empty list: the end entry alone
    EXPECT_TRUE(table_shape::levelUpListEnds(list, 0));
    list[0] = 0x21;
    list[199] = list[200] = 0xFF; // from 0, the second end byte one past the 200 counted
    EXPECT_FALSE(table_shape::levelUpListEnds(list, 0));
    EXPECT_TRUE(table_shape::levelUpListEnds(list, 1));
    EXPECT_FALSE(table_shape::levelUpListEnds(list, 300));
}

TEST(RecordRuns, RowsOfEveryPhaseAndTheirEarliestReading)
{
    // Records of 3 bytes that begin with 0xAA: two at 0 (too few), four at 1, five at 20
    // and, read one byte later, five again at 21 (0xAA twice in a row).
    Bytes bytes(40, 0x00);
    for (std::size_t at : {0, 3, 1, 4, 7, 10, 20, 23, 26, 29, 32, 21, 24, 27, 30, 33})
        bytes[at] = 0xAA;
    const auto isRecord = [&](std::size_t at) { return bytes[at] == 0xAA; };
    using Rows = std::vector<std::pair<std::size_t, std::size_t>>;
    const auto startsAndCounts = [](const std::vector<RecordRun>& runs) {
        Rows rows;
        for (const RecordRun& run : runs)
            rows.emplace_back(run.start, run.count);
        return rows;
    };
    const std::vector<RecordRun> runs = findRecordRuns(bytes.size(), 3, 3, isRecord);
    EXPECT_EQ(startsAndCounts(runs), (Rows{{1, 4}, {20, 5}, {21, 5}}));
    EXPECT_EQ(startsAndCounts(earliestReadings(runs)), (Rows{{1, 4}, {20, 5}}));
}

// A ROM of bytes no table accepts, with the game code BPRJ.
Bytes blankRom(std::size_t size)
{
    Bytes rom(size, 0x80);
    const char code[] = "BPRJ";
    std::copy(code, code + 4, rom.begin() + 0xAC);
    return rom;
}

void put(Bytes& rom, std::size_t at, std::initializer_list<std::uint8_t> bytes)
{
    std::copy(bytes.begin(), bytes.end(), rom.begin() + static_cast<std::ptrdiff_t>(at));
}

const Finding& findingOf(const FinderReport& report, const std::string& key)
{
    for (const Finding& finding : report.findings) {
        if (finding.key == key)
            return finding;
    }
    static const Finding none;
    ADD_FAILURE() << "no finding for " << key;
    return none;
}

void putChart(Bytes& rom, std::size_t at)
{
    // Eight entries (attacker, defender, multiplier), then FE FE.
    put(rom, at, {0, 1, 20, 1, 2, 5, 2, 3, 0, 3, 4, 20, 4, 5, 5, 5, 6, 0, 6, 7, 20, 17, 17, 5, 0xFE, 0xFE});
}

TEST(FinderPlaces, TheTypeChartPointerIsPlacedWhenOnePointerLeadsToAChart)
{
    Bytes rom = blankRom(0x1000);
    put(rom, 0x200, {0x00, 0x03, 0x00, 0x08});
    putChart(rom, 0x300);
    FinderReport report = findSettings(rom, {});
    EXPECT_EQ(findingOf(report, "Compatibility").status, FindingStatus::Placed);
    EXPECT_EQ(findingOf(report, "Compatibility").value, 0x200);
    EXPECT_EQ(findingOf(report, "Compatibility").text, "the type chart's pointer: 8 entries at 0x000300, then FE FE");

    // A second pointer to it: two places fit, and nothing is written.
    put(rom, 0x400, {0x00, 0x03, 0x00, 0x08});
    report = findSettings(rom, {});
    EXPECT_EQ(findingOf(report, "Compatibility").status, FindingStatus::NotPlaced);
    EXPECT_EQ(findingOf(report, "Compatibility").text, "2 places fit: 0x000200 and 0x000400");

    // A chart whose entry names type 18 is no chart.
    put(rom, 0x400, {0x80, 0x80, 0x80, 0x80});
    put(rom, 0x303, {18});
    report = findSettings(rom, {});
    EXPECT_EQ(findingOf(report, "Compatibility").text,
              "not found: no place holds a pointer to a type chart of at least 8 entries");
    for (const auto& [key, value] : report.settings())
        EXPECT_NE(key, "Compatibility");
}

// Class names of 11 bytes: "A" + the number's letter, the end byte, zeros.
void putClassNames(Bytes& rom, std::size_t at, std::size_t count)
{
    for (std::size_t n = 0; n < count; ++n)
        put(rom, at + n * 11, {0xBB, static_cast<std::uint8_t>(0xBB + n), 0xFF, 0, 0, 0, 0, 0, 0, 0, 0});
}

TEST(FinderPlaces, ACountedTableTakesItsWholeRowAndATruncatedCopyIsNoTable)
{
    Bytes rom = blankRom(0x1000);
    putClassNames(rom, 0x400, 6);
    putClassNames(rom, 0x800, 4);
    FinderReport report = findSettings(rom, {});
    const Finding& classes = findingOf(report, "TrainerClasses");
    EXPECT_EQ(classes.status, FindingStatus::Placed) << classes.text;
    EXPECT_EQ(classes.value, 0x400);
    EXPECT_EQ(classes.countKey, "TrainerClassesNum");
    EXPECT_EQ(classes.count, 6);
    EXPECT_EQ(classes.text, "6 names decode, 11-byte fields");

    // A copy as long as the table: either could be it.
    putClassNames(rom, 0x800, 6);
    report = findSettings(rom, {});
    EXPECT_EQ(findingOf(report, "TrainerClasses").text, "2 places fit: 0x000400 and 0x000800");
}

TEST(FinderPlaces, KeysWithoutAShapeAreLeftToTheUserWithAProposalForFreeSpace)
{
    Bytes rom = blankRom(0x30000);
    std::fill(rom.begin() + 0x18000, rom.end(), 0xFF);
    const FinderReport report = findSettings(rom, {});
    for (const char* key : {"Skill_Machine", "Left", "Center", "Right", "domain2", "domain3"})
        EXPECT_EQ(findingOf(report, key).status, FindingStatus::ByHand) << key;
    EXPECT_NE(findingOf(report, "domain1").text.find("domain1=98304, domain1end=196608 (0x018000 to 0x030000"),
              std::string::npos)
        << findingOf(report, "domain1").text;
    // Not written: a run of 0xFF may be data.
    EXPECT_TRUE(report.settings().empty());
    EXPECT_FALSE(report.allFindablePlaced());
    // The game code of a file that ends right after it.
    EXPECT_EQ(findSettings(blankRom(0xB0), {}).gameCode, "BPRJ");
}

// The fixture's monster table, at 0x101000, with every first (then every second) ability at
// the count of the ability list (78 names): no ability of the list, so no monster table.
TEST(FinderPlaces, MonsterRecordsNeedAbilitiesOfTheList)
{
    const FinderInputs inputs{{214, 78, 120}, std::nullopt, {}};
    const Bytes fixture = buildFixtureRom("BPRJ").bytes;
    const FinderReport report = findSettings(fixture, inputs);
    EXPECT_EQ(findingOf(report, "MonsterBaseStats_Pos").status, FindingStatus::Placed);
    EXPECT_EQ(findingOf(report, "MonsterBaseStats_Pos").value, 0x101000);
    for (std::size_t ability : {22, 23}) {
        Bytes rom = fixture;
        for (std::size_t record = 0; record < 412; ++record)
            rom[0x101000 + record * 28 + ability] = 78;
        const FinderReport broken = findSettings(rom, inputs);
        EXPECT_NE(findingOf(broken, "MonsterBaseStats_Pos").status, FindingStatus::Placed) << ability;
    }
}

// The fixture's 412 level-up pointers at 0x10C000 leading to lists whose 200 counted bytes
// hold moves and no end entry: no level-up pointer table.
TEST(FinderPlaces, LevelUpListsEndWithinTheBytesThePageCounts)
{
    Bytes rom = buildFixtureRom("BPRJ").bytes;
    EXPECT_EQ(findingOf(findSettings(rom, {}), "Level_Skill").value, 0x10C000);
    for (std::size_t pointer = 0x10C000; pointer < 0x10C000 + 412 * 4; pointer += 4) {
        const std::size_t list = little_endian::get24(rom, pointer);
        std::fill_n(rom.begin() + static_cast<std::ptrdiff_t>(list), 200, 0x01);
    }
    const FinderReport report = findSettings(rom, {});
    EXPECT_NE(findingOf(report, "Level_Skill").status, FindingStatus::Placed);
}

} // namespace
