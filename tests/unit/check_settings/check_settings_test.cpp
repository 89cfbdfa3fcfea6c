#include "core/Profile.h"
#include "tests/support/TestFiles.h"
#include "tools/check_settings/Overlaps.h"
#include "tools/check_settings/SettingValue.h"
#include "tools/check_settings/SettingsCheck.h"
#include "tools/check_settings/TableCatalogue.h"
#include "tools/fixture/FixtureRom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The first line that begins with text, or empty.
std::string lineStarting(const CheckReport& report, std::string_view text)
{
    for (const std::string& line : report.lines) {
        if (line.starts_with(text))
            return line;
    }
    return {};
}

std::string problemLine(const CheckReport& report, std::string_view setting)
{
    return lineStarting(report, "problem: " + std::string(setting));
}

// The whole report, for a failing expectation's message.
std::string shown(const CheckReport& report)
{
    std::string text;
    for (const std::string& line : report.lines)
        text += toUtf8(line) + "\n";
    return text;
}

// The fixture set, written once by the fixture builder into a temporary folder and read
// back; each test changes its own copy of the ROM bytes and of Setting.ini and checks it.
class CheckSettings : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<TempDir>();
        ASSERT_TRUE(writeFixtureSet(buildFixtureRom("BPRJ"), s_folder->path(), "fixture.gba"));
        s_rom = readBytes(romPath());
        s_settings = readText(s_folder->file("Setting.ini"));
    }
    static void TearDownTestSuite() { s_folder.reset(); }
    void SetUp() override
    {
        rom = s_rom;
        settings = s_settings;
    }

    static std::string romPath() { return s_folder->file("fixture.gba"); }

    // Replaces the value of key in the copy of Setting.ini (the key must be there).
    void setKey(std::string_view key, std::string_view text)
    {
        const std::size_t line = keyLine(key);
        settings.replace(line, settings.find("\r\n", line) - line, std::string(key) + "=" + std::string(text));
    }
    void removeKey(std::string_view key)
    {
        const std::size_t line = keyLine(key);
        settings.erase(line, settings.find("\r\n", line) + 2 - line);
    }
    void put(std::size_t offset, const Bytes& bytes)
    {
        std::copy(bytes.begin(), bytes.end(), rom.begin() + static_cast<std::ptrdiff_t>(offset));
    }

    CheckReport check() const
    {
        return checkConfiguration(rom, std::make_shared<const ProfileFile>(ProfileFile::parse(settings)));
    }

    static inline std::unique_ptr<TempDir> s_folder;
    static inline Bytes s_rom;
    static inline std::string s_settings;
    Bytes rom;
    std::string settings;

private:
    std::size_t keyLine(std::string_view key) const
    {
        const std::size_t at = settings.find("\n" + std::string(key) + "=");
        if (at == std::string::npos)
            throw std::logic_error("no key " + std::string(key) + " in the fixture's Setting.ini");
        return at + 1;
    }
};

TEST_F(CheckSettings, TheFixtureIsCleanAndEveryTableHasItsLine)
{
    const CheckReport report = checkSettingsFiles(s_folder->path(), romPath());
    ASSERT_EQ(report.exitStatus(), kExitClean) << shown(report);
    EXPECT_EQ(report.problemCount, 0u);
    EXPECT_EQ(report.lines.front(), "game code BPRJ, 16777216 bytes, section [BPRJ] of Setting.ini");
    EXPECT_EQ(report.lines.back(), "no problem found");
    // 21 tables, 3 write-out areas, Trainer_Pic_Num, the first line and the last.
    EXPECT_EQ(report.lines.size(), 27u);

    // Extents from the record sizes: 355 moves of 12 bytes; 386 dex records of 28 bytes and
    // the last one's 26 read bytes; 412 level-up pointers of 4 bytes.
    const char* const lines[] = {
        "AttackTable=2097152: the move table, 0x200000 to 0x2010A4, 4260 bytes, inside the file; "
        "355 moves with percentages up to 100",
        "MonsterDexData=1085440: the dex table, 0x109000 to 0x10BA52, 10834 bytes, inside the file; "
        "387 description pointers inside the file",
        "Level_Skill=1097728: the level-up pointer table, 0x10C000 to 0x10C670, 1648 bytes, inside the file; "
        "412 pointers inside the file, 412 lists end within 200 bytes",
        "Compatibility=2228224: the type chart pointer, 0x220000 to 0x220004, 4 bytes, inside the file; "
        "leads to the type chart at 0x220100, 30 entries, then FE FE",
        "MonsterEggData=1572864, MonsterEggDataNum=29: the egg move table, 0x180000 to 0x18003A, 58 bytes, "
        "inside the file; 8 markers, 7 naming monsters of the monster list",
        "AttackName=2363392: the move name table, 0x241000 to 0x241B10, 2832 bytes, inside the file; "
        "354 of 354 names decode, the first \"Move001\"",
        "MonsterShinyPal=3146496, PicsNum=16: the shiny palette pointer table, 0x300300 to 0x300380, 128 bytes, "
        "inside the file; 16 pointers inside the file, 16 LZ77 streams decode",
        "domain3=14680064, domain3end=14681088: write-out area 3, 0xE00000 to 0xE00400, 1024 bytes, "
        "inside the file",
    };
    for (const std::string line : lines)
        EXPECT_EQ(lineStarting(report, line.substr(0, line.find('=') + 1)), line);
}

TEST_F(CheckSettings, ItCannotRunWithoutSettingsRomOrSection)
{
    TempDir empty;
    // Too short to hold a game code at 0xAC.
    writeBytes(empty.file("short.gba"), Bytes(0xAE, 0x41));
    const struct {
        std::string folder, rom, line;
    } runs[] = {
        {empty.path(), romPath(), "cannot open " + empty.file("Setting.ini") + ": No such file or directory"},
        {s_folder->path(), empty.file("missing.gba"),
         "cannot open " + empty.file("missing.gba") + ": No such file or directory"},
        {s_folder->path(), empty.file("short.gba"), "the ROM holds no game code at 0xAC"},
    };
    for (const auto& run : runs) {
        const CheckReport report = checkSettingsFiles(run.folder, run.rom);
        EXPECT_EQ(report.exitStatus(), kExitCannotRun);
        EXPECT_EQ(report.lines, std::vector<std::string>{run.line});
    }

    // Larger than the largest cartridge: refused before it is read.
    writeBytes(empty.file("large.gba"), {});
    std::filesystem::resize_file(empty.file("large.gba"), 32u * 1024 * 1024 + 1);
    CheckReport report = checkSettingsFiles(s_folder->path(), empty.file("large.gba"));
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
    const std::vector<std::pair<std::size_t, std::size_t>> expected = {{0, 2}, {0, 3}, {1, 5}};
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < found.size(); ++i)
        EXPECT_EQ(std::make_pair(found[i].first, found[i].second), expected[i]) << i;
}

// A fault planted in the ROM's bytes (and Setting.ini's keys) and the problem lines it gives:
// the whole line, or a part of it where it does not begin with "problem: ". No line at all:
// the check is clean.
struct ContentFault {
    const char* what;
    std::vector<std::pair<std::size_t, Bytes>> bytes;
    std::vector<std::pair<const char*, std::string>> problems;
    std::vector<std::pair<const char*, const char*>> keys = {};
};

const ContentFault kContentFaults[] = {
    {"monster 1's name, six letters \"A\" without the end byte",
     {{0x100006, {0xBB, 0xBB, 0xBB, 0xBB, 0xBB, 0xBB}}},
     {{"Name_Start_Pos", "problem: Name_Start_Pos=1048576: 1 of 412 names do not decode (first: name of entry 1 "
                         "at 0x100006 has no end byte within its 6 bytes)"}}},
    {"move name 2 with a line break; trade 1's parent name without an end byte",
     {{0x241010, {0xBB, 0xFE, 0xFF}}, {0x23003C + 0x2B, {0xBB, 0xBB, 0xBB, 0xBB, 0xBB, 0xBB}}},
     {{"AttackName", "problem: AttackName=2363392: 1 of 354 names do not decode "
                     "(first: name of entry 2 at 0x241010 holds a line break)"},
      {"Communication_Change", "problem: Communication_Change=2293760, Communication_ChangeNum=9: 1 of 18 names do "
                               "not decode (first: parent name of trade 1 at 0x230067 has no end byte within its 6 "
                               "bytes)"}}},
    {"monster 3's level-up list: 200 bytes without FF FF, a single FF at the end",
     {{0x250400, Bytes(199, 0x01)}, {0x250400 + 199, {0xFF}}, {0x10C00C, {0x00, 0x04, 0x25, 0x08}}},
     {{"Level_Skill", "problem: Level_Skill=1097728: 1 of 412 level-up lists do not end in FF FF within 200 bytes "
                      "(first: monster 3 at 0x250400)"}}},
    {"monster 3's level-up pointer without its base",
     {{0x10C00C, {0x00, 0x04, 0x25, 0x00}}},
     {{"Level_Skill", "problem: Level_Skill=1097728: 1 of 412 pointers do not lead inside the file "
                      "(first: monster 3, 0x00250400)"}}},
    {"the type chart's end bytes FE FE become 00 00; the filler after them is no entry",
     {{0x22015A, {0x00, 0x00}}},
     {{"Compatibility", "problem: Compatibility=2228224: the type chart at 0x220100 does not end in FE FE before "
                        "entry 30 at 0x22015A (00 00 7F), which has no multiplier of the chart (0, 5 or 20)"}}},
    {"the type chart pointer outside the file",
     {{0x220000, {0x00, 0x00, 0x00, 0x09}}},
     {{"Compatibility", "problem: Compatibility=2228224: the pointer 0x09000000 does not lead inside the file"}}},
    {"a type chart that runs to the end of the file without a bad entry and without FE FE",
     {{0xFFFFF0, Bytes(16, 0x00)}, {0x220000, {0xF0, 0xFF, 0xFF, 0x08}}},
     {{"Compatibility", "problem: Compatibility=2228224: the type chart at 0xFFFFF0 does not end in FE FE before "
                        "the end of the file"}}},
    // Trainer 2's party is one member of 8 bytes: 4 bytes are left at 0xFFFFFC.
    {"item 3's description pointer, dex record 5's, trainer 2's party and front picture 4's",
     {{0x210088, {0x00, 0x00, 0x00, 0x09}}, {0x109000 + 5 * 28 + 12, {0x00, 0x10, 0x00, 0x00}},
      {0x190040 + 0x1C, {0xFC, 0xFF, 0xFF, 0x08}}, {0x300020, {0x00, 0x00, 0x00, 0x0A}}},
     {{"Item_Data", "problem: Item_Data=2162688, Item_DataNum=120: 1 of 120 description pointers do not lead "
                    "inside the file (first: item 3, 0x09000000)"},
      {"MonsterDexData", "problem: MonsterDexData=1085440: 1 of 387 description pointers do not lead inside the "
                         "file (first: dex number 5, 0x00001000)"},
      {"TrainerData", "problem: TrainerData=1638400, TrainerDataNum=40: 1 of 40 parties do not lie inside the "
                      "file (first: trainer 2, 0x08FFFFFC)"},
      {"MonsterPics", "problem: MonsterPics=3145728, PicsNum=16: 1 of 16 pointers do not lead inside the file "
                      "(first: entry 4, 0x0A000000)"}}},
    {"trainer 2's one member ends with the file", {{0x190040 + 0x1C, {0xF8, 0xFF, 0xFF, 0x08}}}, {}},
    {"trainer 4's second member of two lies past the end",
     {{0x190040 + 0x1C, {0xF8, 0xFF, 0xFF, 0x08}}, {0x190080 + 0x1C, {0xF8, 0xFF, 0xFF, 0x08}}},
     {{"TrainerData", "problem: TrainerData=1638400, TrainerDataNum=40: 1 of 40 parties do not lie inside the "
                      "file (first: trainer 4, 0x08FFFFF8)"}}},
    // Palette 0: the first item refers 3856 bytes back; back picture 1: 16384 bytes declared,
    // more than four frames; shiny palette 2: no LZ77 marker.
    {"LZ77 streams that do not decode",
     {{0x250400, {0x10, 0x20, 0x00, 0x00, 0x80, 0xFF, 0x0F}}, {0x300100, {0x00, 0x04, 0x25, 0x08}},
      {0x250410, {0x10, 0x00, 0x40, 0x00, 0x00}}, {0x300208, {0x10, 0x04, 0x25, 0x08}},
      {0x250420, {0x11, 0x20, 0x00, 0x00}}, {0x300310, {0x20, 0x04, 0x25, 0x08}}},
     {{"MonsterPal", "problem: MonsterPal=3145984, PicsNum=16: 1 of 16 LZ77 streams do not decode (first: entry 0 "
                     "at 0x250400 does not decode: it refers before its start or runs past the end of the file)"},
      {"MonsterBackPics", "problem: MonsterBackPics=3146240, PicsNum=16: 1 of 16 LZ77 streams do not decode "
                          "(first: entry 1 at 0x250410 declares 16384 bytes, more than the 8192 the image page "
                          "decodes)"},
      {"MonsterShinyPal", "problem: MonsterShinyPal=3146496, PicsNum=16: 1 of 16 LZ77 streams do not decode "
                          "(first: entry 2 at 0x250420 starts with 0x11, not the LZ77 marker 0x10)"}}},
    {"move 5's accuracy, monster 2's growth rate, the target of monster 1's first evolution",
     {{0x20003F, {0xFF}}, {0x10104B, {0x06}}, {0x10402C, {0x00, 0x10}}},
     {{"AttackTable", "problem: AttackTable=2097152: 1 of 355 moves have an accuracy or effect chance above 100 "
                      "(first: move 5, accuracy 255, effect chance 5)"},
      {"MonsterBaseStats_Pos", "problem: MonsterBaseStats_Pos=1052672: 1 of 412 monsters have a type above 17 or "
                               "a growth rate above 5 (first: monster 2, types 2/0, growth rate 6)"},
      {"Monster_Evol_Data_Pos=1064960: ",
       "evolutions lead to no monster of the monster list (first: monster 1 into 4096)"}}},
    {"markers for monsters 10000 and 412 and one for monster 1, with a move each",
     {{0x180000, {0x30, 0x75, 0x05, 0x00, 0xBC, 0x4F, 0x06, 0x00, 0x21, 0x4E, 0x07, 0x00}}},
     {{"MonsterEggData", "problem: MonsterEggData=1572864, MonsterEggDataNum=6: 2 of 3 markers name no monster of "
                         "the monster list (first: word 0, 30000)"}},
     {{"MonsterEggDataNum", "6"}}},
    {"an egg move table of two words",
     {},
     {{"MonsterEggData", "problem: MonsterEggData=1572864, MonsterEggDataNum=2: holds no marker (a word above "
                         "20000 that names a monster)"}},
     {{"MonsterEggDataNum", "2"}}},
    {"a starter that is no monster",
     {{0x242010, {0x9C, 0x01}}},
     {{"Center", "problem: Center=2367504: holds 412, no monster of the monster list (1 to 411)"}}},
};

TEST_F(CheckSettings, PlantedContentFaultsGiveTheirProblemLines)
{
    for (const ContentFault& fault : kContentFaults) {
        SCOPED_TRACE(fault.what);
        SetUp();
        for (const auto& [offset, bytes] : fault.bytes)
            put(offset, bytes);
        for (const auto& [key, value] : fault.keys)
            setKey(key, value);
        const CheckReport report = check();
        const std::size_t count = fault.problems.size();
        EXPECT_EQ(report.exitStatus(), count == 0 ? kExitClean : kExitProblemsFound);
        EXPECT_EQ(report.problemCount, count) << shown(report);
        if (count > 0) {
            EXPECT_EQ(report.lines.back(), count == 1 ? "1 problem found" : std::to_string(count) + " problems found");
        }
        for (const auto& [setting, line] : fault.problems) {
            if (line.starts_with("problem: "))
                EXPECT_EQ(problemLine(report, setting), line) << shown(report);
            else
                EXPECT_NE(problemLine(report, setting).find(line), std::string::npos) << shown(report);
        }
    }
}

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

TEST_F(CheckSettings, HexadecimalValueReadsAsZeroOverTheHeader)
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

TEST_F(CheckSettings, MissingKeysSayWhatThePageThenDoes)
{
    for (const char* key : {"Skill_Machine", "TrainerDataNum", "MonsterPal", "domain2end"})
        removeKey(key);
    const CheckReport report = check();
    expectProblem(report, "Skill_Machine (missing)", "the TM/HM table is neither read nor written");
    expectProblem(report, "TrainerDataNum (missing)", "the opening of every ROM of this game");
    expectProblem(report, "MonsterPal (missing)", "the image page reads none of its four pointer tables");
    expectProblem(report, "domain2end (missing)", "no write-out area 2");
    EXPECT_EQ(lineStarting(report, "Skill_Machine"), "Skill_Machine (missing): the TM/HM table, not configured");
    EXPECT_EQ(report.problemCount, 4u) << shown(report);
}

TEST_F(CheckSettings, OffsetsAndCountsThatLeaveNothingToRead)
{
    const std::pair<const char*, const char*> values[] = {
        {"AttackTable", "16777000"}, {"MonsterEggDataNum", "-5"}, {"Left", "-1"},           {"Right", "-20"},
        {"Center", "16777216"},      {"domain1end", "12582912"}, {"Item_DataNum", "120 items"},
    };
    for (const auto& [key, value] : values)
        setKey(key, value);
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

TEST_F(CheckSettings, TablesOverlapTheNextTablesAndTheTypeChartTheyDoNotKnow)
{
    setKey("PicsNum", "100");
    CheckReport report = check();
    expectProblem(report, "MonsterPics=3145728, PicsNum=100: the front picture pointer table (0x300000 to 0x300320)",
                  "overlaps MonsterPal=3145984, PicsNum=100 (0x300100 to 0x300420)");
    expectProblem(report, "MonsterPal=3145984, PicsNum=100: the palette pointer table (0x300100 to 0x300420)",
                  "overlaps MonsterBackPics=3146240, PicsNum=100 (0x300200 to 0x300520)");
    EXPECT_NE(lineStarting(report, "MonsterBackPics=").find(
                  "; overlaps MonsterPics=3145728, PicsNum=100, MonsterPal=3145984, PicsNum=100, "
                  "MonsterShinyPal=3146496, PicsNum=100"),
              std::string::npos)
        << shown(report);

    // The move name table moved onto the chart that the pointer at 0x220000 leads to.
    SetUp();
    setKey("AttackName", "2228480");
    report = check();
    expectProblem(report, "Compatibility=2228224: the type chart (0x220100 to 0x22015C)",
                  "overlaps AttackName=2228480 (0x220100 to 0x220C10)");
    EXPECT_NE(lineStarting(report, "AttackName=").find("; overlaps the type chart of Compatibility=2228224"),
              std::string::npos)
        << shown(report);
}

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

TEST_F(CheckSettings, RandomOffsetsAndCountsOverTheFixtureAndOverNoise)
{
    std::mt19937 random(13);
    Bytes noise(1 << 20);
    for (std::uint8_t& byte : noise)
        byte = static_cast<std::uint8_t>(random());
    std::copy_n("BPRJ", 4, noise.begin() + 0xAC);

    std::uniform_int_distribution<std::int64_t> anywhere(-8, 16 * 1024 * 1024 + 8);
    std::uniform_int_distribution<std::int64_t> anyCount(-2, 300000);
    for (int round = 0; round < 20; ++round) {
        SetUp();
        if (round % 2 == 1)
            rom = noise;
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

TEST_F(CheckSettings, SettingsOfRandomBytes)
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

TEST_F(CheckSettings, AHugePictureCountDecodesEachStreamOnceAndNotWithoutEnd)
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
    EXPECT_NE(lineStarting(check(), "MonsterPics=").find(
                  "9000 pointers inside the file, 8192 LZ77 streams decode, 808 beyond what the check decodes"),
              std::string::npos)
        << shown(check());

    // The same stream for every entry is decoded once, and all of them are checked.
    for (std::size_t i = 0; i < 9000; ++i)
        std::copy_n(rom.begin() + 0x80000, 4, rom.begin() + 0x80000 + 8 * i);
    EXPECT_NE(lineStarting(check(), "MonsterPics=").find("9000 pointers inside the file, 9000 LZ77 streams decode;"),
              std::string::npos);
}

} // namespace
