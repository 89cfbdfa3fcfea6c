#include "core/GameSettings.h"
#include "core/NumberParsing.h"
#include "core/Profile.h"
#include "core/TabSystem.h"
#include "tests/pages/BlankPage.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <memory>
#include <vector>

TEST(GameSettings, OffsetsCountsAndAreasOfTheRomsSectionOnly)
{
    TempDir dir;
    const std::string path = settingsPath(dir.path());
    EXPECT_EQ(GameSettings(path, "BPRJ").offset("AttackTable"), kNotConfigured);
    EXPECT_EQ(GameSettings(path, "BPRJ").count("TrainerDataNum"), 0);

    // Sections and keys match ignoring case; values are decimal and cut to the 30-character
    // buffer: of 40 digits only the first 29 take part, which still saturates rather than wrapping.
    writeFile(path, "[AXVJ]\r\nAttackTable=1\r\n[bprj]\r\n  attacktable =  256  \r\nHexValue=0x100\r\nEmpty=\r\n"
                    "Negative=-5\r\nSigned= +42abc\r\nWord=abc\r\n"
                    "Long=1234567890123456789012345678901234567890\r\nPadded=" + std::string(28, ' ') + "7\r\n"
                    "MonsterEggDataNum=-5\r\nItem_DataNum=0\r\nTrainerDataNum=12\r\n"
                    "domain1=100\r\ndomain1end=100\r\ndomain2=100\r\ndomain2end=300\r\ndomain3=100\r\n"
                    "domain4end=300\r\n"
                    "[Other]\r\nAttackTable=3\r\n");
    const GameSettings s(path, "BPRJ");
    const std::pair<const char*, std::int32_t> offsets[] = {
        {"AttackTable", 256}, {"HexValue", 0},   {"Empty", kNotConfigured}, {"Missing", kNotConfigured},
        {"Negative", -5},     {"Signed", 42},    {"Word", 0},               {"Long", 2147483647},
    };
    for (const auto& [key, offset] : offsets)
        EXPECT_EQ(s.offset(key), offset) << key;
    EXPECT_EQ(s.text("Long"), "12345678901234567890123456789");
    EXPECT_EQ(s.text("Padded"), "7");

    // Counts are zero unless positive.
    const std::pair<const char*, std::int32_t> counts[] = {
        {"MonsterEggDataNum", 0}, {"Item_DataNum", 0}, {"Missing", 0}, {"TrainerDataNum", 12}};
    for (const auto& [key, count] : counts)
        EXPECT_EQ(s.count(key), count) << key;

    // An area needs both keys and an end beyond its start: an end alone does not start at 0.
    EXPECT_FALSE(s.area("domain1").isSet());
    EXPECT_EQ(s.area("domain1").length, 0);
    EXPECT_EQ(s.area("domain2").start, 100);
    EXPECT_EQ(s.area("domain2").length, 200);
    EXPECT_FALSE(s.area("domain3").isSet());
    EXPECT_EQ(s.area("domain3").start, kNotConfigured);
    EXPECT_FALSE(s.area("domain4").isSet());

    EXPECT_EQ(GameSettings(path, "BPEJ").offset("AttackTable"), kNotConfigured);
}

TEST(ParseNumbers, DecimalAndHexadecimalForms)
{
    EXPECT_EQ(parseDecimal("  -12x"), -12);
    EXPECT_EQ(parseDecimal("99999999999"), 2147483647);
    EXPECT_EQ(parseDecimal("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(parseDecimal(""), 0);
    EXPECT_EQ(parseHex("0x6C8000"), 0x6C8000u);
    EXPECT_EQ(parseHex("bfffff"), 0xBFFFFFu);
    EXPECT_EQ(parseHex("0X1g"), 1u);
    EXPECT_EQ(parseHex("zz"), 0u);
    EXPECT_EQ(parseHex("123456789ABC"), 0xFFFFFFFFu);
}

TEST(ProfileWriter, CreatesFileSectionAndKeyAndReplacesInPlaceAndAFailedWriteKeepsTheOldFile)
{
    EXPECT_FALSE(profileWriteString("/nonexistent-folder/Setting.ini", "A", "B", "C"));

    TempDir dir;
    const std::string path = dir.file("Setting.ini");
    ASSERT_TRUE(profileWriteString(path, "Calvanter", "WindowX", "10"));
    ASSERT_TRUE(profileWriteString(path, "Calvanter", "WindowY", "20"));
    EXPECT_EQ(readText(path), "[Calvanter]\r\nWindowX=10\r\nWindowY=20\r\n");

    writeFile(path, "[BPRJ]\r\nAttackTable=5\r\n\r\n[Calvanter]\r\nwindowx=1\r\n");
    ASSERT_TRUE(profileWriteString(path, "CALVANTER", "WindowX", "-3"));
    ASSERT_TRUE(profileWriteString(path, "BPRJ", "Item_Data", "7"));
    EXPECT_EQ(readText(path), "[BPRJ]\r\nAttackTable=5\r\nItem_Data=7\r\n\r\n[Calvanter]\r\nWindowX=-3\r\n");
    EXPECT_EQ(profileReadString(path, "Calvanter", "WindowX", "", 30), "-3");

    writeFile(path, "[BPRJ]\r\nAttackTable=5\r\n");
    // The new contents land on a device that takes no bytes: the write fails part-way.
    ASSERT_EQ(::symlink("/dev/full", (path + ".new").c_str()), 0);
    const ProfileEntry entries[] = {{"WindowX", "1"}, {"WindowY", "2"}};
    EXPECT_FALSE(profileWriteStrings(path, "Calvanter", entries));
    EXPECT_EQ(readText(path), "[BPRJ]\r\nAttackTable=5\r\n");
    EXPECT_TRUE(profileWriteStrings(path, "Calvanter", entries));
    EXPECT_EQ(readText(path), "[BPRJ]\r\nAttackTable=5\r\n[Calvanter]\r\nWindowX=1\r\nWindowY=2\r\n");
}

namespace {

// Blanks, letter cases, quotes, repeated keys and sections, keys before any section, a
// section header without its bracket and a value longer than the buffer.
const std::string kProfile = "Stray=0\r\n"
                             "[BPRJ]\r\n"
                             "  Item_Data =  10 \r\n"
                             "Quoted=\"  5 \"\r\n"
                             "Single='x'\r\n"
                             "Half=\"x\r\n"
                             "Empty=\r\n"
                             "Dup=first\r\n"
                             "DUP=second\r\n"
                             "NoEquals\r\n"
                             "[Broken\r\n"
                             "Long=0123456789012345678901234567890123456789\n"
                             "[axvj]\n"
                             "Dup=rs\n"
                             "[ bprj ]\n"
                             "Dup=third\n"
                             "Later=7\n"
                             "[\x83\x41]\n"
                             "Key=kana\n";

const std::pair<const char*, const char*> kQueries[] = {
    {"BPRJ", "item_data"}, {"bprj", "Quoted"}, {"BPRJ", "Single"}, {"BPRJ", "Half"}, {"BPRJ", "Empty"},
    {"BPRJ", "Dup"},       {"BPRJ", "NoEquals"}, {"BPRJ", "[Broken"}, {"BPRJ", "Long"}, {"BPRJ", "Later"},
    {"AXVJ", "dup"},       {"", "Stray"},      {"BPEJ", "Dup"},    {"\x83\x41", "key"}, {"\x83\x61", "key"},
};

// Reads one key, rewrites Setting.ini, reads another: within a ROM read both come from the
// file as it was when the read began.
class CRewritingPage : public CBlankPage {
public:
    using CBlankPage::CBlankPage;
    void LoadSettings(const std::string& section) override
    {
        first = context().gameSettings(section).offset("First");
        writeFile(context().settingsFile(), "[BPRJ]\r\nFirst=100\r\nSecond=200\r\n");
        second = context().gameSettings(section).offset("Second");
    }

    std::int32_t first = 0;
    std::int32_t second = 0;
};

} // namespace

TEST(ParsedProfile, LooksUpEveryKeyAsTheFileReaderDoes)
{
    TempDir dir;
    const std::string path = dir.file("Setting.ini");
    writeFile(path, kProfile);
    const ProfileFile profile = ProfileFile::load(path);
    for (const auto& [section, key] : kQueries) {
        for (std::size_t size : {0u, 1u, 4u, 30u}) {
            EXPECT_EQ(profile.readString(section, key, "none", size),
                      profileReadString(path, section, key, "none", size))
                << section << " " << key << " " << size;
        }
    }
    // The literal answers the two readers agree on.
    EXPECT_EQ(profile.readString("bprj", "ITEM_DATA", "", 30), "10");
    EXPECT_EQ(profile.readString("BPRJ", "Quoted", "", 30), "  5 ");
    EXPECT_EQ(profile.readString("BPRJ", "Half", "", 30), "\"x");
    EXPECT_EQ(profile.readString("BPRJ", "Dup", "", 30), "first");
    EXPECT_EQ(profile.readString("BPRJ", "Long", "", 30), "01234567890123456789012345678");
    EXPECT_EQ(profile.readString("", "Stray", "none", 30), "none");
    EXPECT_EQ(ProfileFile::load(dir.file("missing.ini")).readString("BPRJ", "Dup", "none", 30), "none");
}

TEST(ParsedProfile, TheSessionReadsSettingsOncePerRomAndPagesOnTheirOwnReadTheFile)
{
    TempDir dir;
    std::vector<std::uint8_t> rom(0xC0, 0);
    std::copy_n("BPRJ", 4, rom.begin() + 0xAC);
    writeBytes(dir.file("rom.gba"), rom);
    writeFile(dir.file("Setting.ini"), "[BPRJ]\r\nFirst=1\r\nSecond=2\r\n");

    CTabSystem tabs;
    tabs.setProgramDirectory(dir.path());
    tabs.AddPage(std::make_unique<CRewritingPage>(tabs), "page");
    auto& page = static_cast<CRewritingPage&>(*tabs.pages()[0]);
    ASSERT_EQ(tabs.openRom(dir.file("rom.gba")), CTabSystem::kReadDone);
    EXPECT_EQ(page.first, 1);
    EXPECT_EQ(page.second, 2);

    page.LoadSettings("BPRJ");
    EXPECT_EQ(page.first, 100);
    EXPECT_EQ(page.second, 200);
}
