#include "pages/image/DomainSearch.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

using Bytes = std::vector<std::uint8_t>;

namespace {

// Free words at 0x104 (three), 0x114 (four, one byte short of whole at its start), 0x124 (five).
Bytes domainRom()
{
    Bytes rom(0x200, 0x00);
    std::fill(rom.begin() + 0x104, rom.begin() + 0x110, 0xFF);
    std::fill(rom.begin() + 0x113, rom.begin() + 0x124, 0xFF);
    std::fill(rom.begin() + 0x128, rom.begin() + 0x13C, 0xFF);
    return rom;
}

struct DomainSearchTest : ::testing::Test {
    TempDir dir;
    std::string path = dir.file("rom.gba");
    std::string errorText;
    std::vector<UsedBytes> used;

    std::optional<std::uint32_t> search(WriteArea domain, std::size_t size)
    {
        RomFile file = RomFile::openForReading(path);
        errorText.clear();
        return searchDomain(file, domain, size, used, errorText);
    }
};

} // namespace

TEST_F(DomainSearchTest, TakesTheFirstRunLongerThanTheDataInWholeWords)
{
    writeBytes(path, domainRom());
    EXPECT_EQ(search({0x100, 0x100}, 11), 0x104u);
    // Twelve bytes fill the first run exactly: one more word of 0xFF is needed.
    EXPECT_EQ(search({0x100, 0x100}, 12), 0x114u);
    EXPECT_EQ(search({0x100, 0x100}, 16), 0x128u);
    EXPECT_EQ(search({0x100, 0x100}, 20), std::nullopt);
    EXPECT_TRUE(errorText.empty());
    // Words count from the domain's start, not from the file's.
    EXPECT_EQ(search({0x103, 0x100}, 11), 0x113u);
    // A word the domain's end cuts through is not counted.
    EXPECT_EQ(search({0x100, 0x3A}, 16), std::nullopt);
    EXPECT_EQ(search({0x100, 0x3C}, 16), 0x128u);
    EXPECT_EQ(search({}, 0), std::nullopt);
    // Words that hold a used stretch's bytes are never free, whatever their bytes are.
    used = {{0x130, 0x135}, {0x104, 0x10A}, {0x106, 0x108}};
    EXPECT_EQ(search({0x100, 0x100}, 3), 0x10Cu);
    EXPECT_EQ(search({0x100, 0x100}, 4), 0x114u);
    EXPECT_EQ(search({0x100, 0x100}, 16), std::nullopt);
}

TEST_F(DomainSearchTest, ADomainBeyondTheFileSearchesUpToItsEnd)
{
    writeBytes(path, Bytes(0x108, 0xFF));
    EXPECT_EQ(search({0x100, 0x1000}, 4), 0x100u);
    EXPECT_TRUE(errorText.empty());
    EXPECT_EQ(search({0x100, 0x1000}, 8), std::nullopt);
    EXPECT_EQ(errorText, endOfFileErrorText());
}
