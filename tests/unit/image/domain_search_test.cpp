#include "pages/image/DomainSearch.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct DomainSearchTest : ::testing::Test {
    TempDir dir;
    std::string path = dir.file("rom.gba");
    std::string errorText;

    std::optional<std::uint32_t> search(WriteArea domain, std::size_t size, const std::vector<UsedBytes>& used = {})
    {
        ResultOf<RomFile> file = RomFile::openForReading(path);
        const ResultOf<std::optional<std::uint32_t>> found = searchDomain(*file, domain, size, used);
        errorText = found.errorText();
        return found.ok() ? *found : std::nullopt;
    }
};

} // namespace

TEST_F(DomainSearchTest, TakesTheFirstRunLongerThanTheDataInWholeWords)
{
    // Free words at 0x104 (three), 0x114 (four, one byte short of whole at its start), 0x128 (five).
    Bytes rom(0x200, 0x00);
    std::fill(rom.begin() + 0x104, rom.begin() + 0x110, 0xFF);
    std::fill(rom.begin() + 0x113, rom.begin() + 0x124, 0xFF);
    std::fill(rom.begin() + 0x128, rom.begin() + 0x13C, 0xFF);
    writeBytes(path, rom);
    // Words that hold a used stretch's bytes are never free, whatever their bytes are.
    const std::vector<UsedBytes> used = {{0x130, 0x135}, {0x104, 0x10A}, {0x106, 0x108}};
    struct Case {
        WriteArea domain;
        std::size_t size;
        std::optional<std::uint32_t> found;
        bool withUsed = false;
    };
    const std::vector<Case> cases = {
        {{0x100, 0x100}, 11, 0x104},
        {{0x100, 0x100}, 12, 0x114}, // filling the first run exactly needs one more word of 0xFF
        {{0x100, 0x100}, 16, 0x128},
        {{0x100, 0x100}, 20, std::nullopt},
        {{0x103, 0x100}, 11, 0x113}, // words count from the domain's start, not from the file's
        {{0x100, 0x3A}, 16, std::nullopt}, // a word the domain's end cuts through is not counted
        {{0x100, 0x3C}, 16, 0x128},
        {{}, 0, std::nullopt},
        {{0x100, 0x100}, 3, 0x10C, true},
        {{0x100, 0x100}, 4, 0x114, true},
        {{0x100, 0x100}, 16, std::nullopt, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(search(c.domain, c.size, c.withUsed ? used : std::vector<UsedBytes>{}), c.found) << &c - cases.data();
        EXPECT_TRUE(errorText.empty());
    }
}

TEST_F(DomainSearchTest, ADomainBeyondTheFileSearchesUpToItsEnd)
{
    writeBytes(path, Bytes(0x108, 0xFF));
    EXPECT_EQ(search({0x100, 0x1000}, 4), 0x100u);
    EXPECT_TRUE(errorText.empty());
    EXPECT_EQ(search({0x100, 0x1000}, 8), std::nullopt);
    EXPECT_EQ(errorText, endOfFileErrorText());
}
