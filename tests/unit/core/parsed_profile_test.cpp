#include "core/GameSettings.h"
#include "core/Profile.h"
#include "core/TabSystem.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

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

struct Query {
    const char* section;
    const char* key;
};

const Query kQueries[] = {
    {"BPRJ", "item_data"}, {"bprj", "Quoted"}, {"BPRJ", "Single"}, {"BPRJ", "Half"}, {"BPRJ", "Empty"},
    {"BPRJ", "Dup"},       {"BPRJ", "NoEquals"}, {"BPRJ", "[Broken"}, {"BPRJ", "Long"}, {"BPRJ", "Later"},
    {"AXVJ", "dup"},       {"", "Stray"},      {"BPEJ", "Dup"},    {"\x83\x41", "key"}, {"\x83\x61", "key"},
};

} // namespace

TEST(ParsedProfile, LooksUpEveryKeyAsTheFileReaderDoes)
{
    TempDir dir;
    const std::string path = dir.file("Setting.ini");
    writeFile(path, kProfile);
    const ProfileFile profile = ProfileFile::load(path);
    for (const Query& query : kQueries) {
        for (std::size_t size : {0u, 1u, 4u, 30u}) {
            EXPECT_EQ(profile.readString(query.section, query.key, "none", size),
                      profileReadString(path, query.section, query.key, "none", size))
                << query.section << " " << query.key << " " << size;
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

namespace {

// Reads one key, rewrites Setting.ini, reads another: within a ROM read both come from the
// file as it was when the read began.
class CRewritingPage : public CWindowBase {
public:
    explicit CRewritingPage(CTabSystem& tabs) : CWindowBase(tabs, "CRewritingPage") {}
    void Reset() override {}
    void InitDialog(WindowHandle) override {}
    int DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t) override { return 0; }
    void LoadSettings(const std::string& section) override
    {
        first = context().gameSettings(section).offset("First");
        writeFile(context().settingsFile(), "[BPRJ]\r\nFirst=100\r\nSecond=200\r\n");
        second = context().gameSettings(section).offset("Second");
    }
    bool DataRead(RomFile&) override { return true; }
    bool DataWrite(RomFile&) override { return true; }
    void Release() override {}
    int DialogId() override { return 0; }

    std::int32_t first = 0;
    std::int32_t second = 0;
};

} // namespace

TEST(ParsedProfile, TheSessionReadsSettingsOncePerRomAndPagesOnTheirOwnReadTheFile)
{
    TempDir dir;
    std::vector<std::uint8_t> rom(0xB0, 0);
    rom[0xAC] = 'B';
    rom[0xAD] = 'P';
    rom[0xAE] = 'R';
    rom[0xAF] = 'J';
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
