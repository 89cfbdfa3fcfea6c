#include "core/FreeSpaceSearch.h"
#include "tests/support/ByteAtATimeSearch.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class FreeSpaceSearchTest : public ::testing::Test {
protected:
    FreeSpaceResult search(const std::vector<std::uint8_t>& rom, FreeSpaceRequest request)
    {
        writeBytes(dir.file("rom.gba"), rom);
        ResultOf<RomFile> file = RomFile::openForReading(dir.file("rom.gba"));
        return searchFreeSpace(*file, request);
    }
    TempDir dir;
};

} // namespace

// 64 bytes of 0x00 but for one run of 0xFF.
TEST_F(FreeSpaceSearchTest, CandidatesInARunOfTwoBytesMoreThanAskedAndInsideTheRange)
{
    const struct {
        std::size_t runStart, runLength;
        FreeSpaceRequest request;
        std::vector<std::uint32_t> candidates;
        bool ok = true;
    } cases[] = {
        {10, 7, {0, 64, 6, false, 10}, {}},
        {10, 8, {0, 64, 6, false, 10}, {12}},
        // Candidates in one run follow each other, up to the first or the maximum.
        {10, 20, {0, 64, 6, false, 10}, {12, 18, 24}},
        {10, 20, {0, 64, 6, true, 10}, {12}},
        {10, 20, {0, 64, 6, false, 2}, {12, 18}},
        // The run continues past the end of the range: only what lies inside counts.
        {10, 40, {0, 20, 6, false, 10}, {12}},
        {10, 40, {14, 14, 6, false, 10}, {}},
        // A range past the end of the file fails but keeps what was found.
        {50, 14, {0, 200, 6, false, 10}, {52, 58}, false},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> rom(64, 0x00);
        std::fill_n(rom.begin() + static_cast<std::ptrdiff_t>(c.runStart), c.runLength, 0xFF);
        const FreeSpaceResult result = search(rom, c.request);
        EXPECT_EQ(result.candidates, c.candidates) << c.runStart << " " << c.runLength << " " << c.request.end;
        EXPECT_EQ(result.status.ok(), c.ok);
        EXPECT_EQ(result.status.errorText().empty(), c.ok);
    }
}

TEST_F(FreeSpaceSearchTest, AgreesWithTheByteAtATimeRuleOnRandomRoms)
{
    std::mt19937 random(12345);
    for (int round = 0; round < 40; ++round) {
        std::vector<std::uint8_t> rom(600 * 1024);
        for (std::size_t i = 0; i < rom.size();) {
            std::size_t length = random() % 400 + 1;
            std::uint8_t value = random() % 3 == 0 ? 0x00 : 0xFF;
            for (std::size_t j = 0; j < length && i < rom.size(); ++j, ++i)
                rom[i] = random() % 97 == 0 ? static_cast<std::uint8_t>(random()) : value;
        }
        FreeSpaceRequest request{static_cast<std::int64_t>(random() % 1000),
                                 static_cast<std::int64_t>(rom.size() - random() % 1000),
                                 static_cast<std::int64_t>(random() % 90 + 1), round % 7 == 0,
                                 static_cast<std::int64_t>(random() % 3000)};
        writeBytes(dir.file("rom.gba"), rom);
        ResultOf<RomFile> blockFile = RomFile::openForReading(dir.file("rom.gba"));
        ResultOf<RomFile> byteFile = RomFile::openForReading(dir.file("rom.gba"));
        FreeSpaceResult fast = searchFreeSpace(*blockFile, request);
        FreeSpaceResult reference = searchFreeSpaceByteAtATime(*byteFile, request);
        ASSERT_EQ(fast.candidates, reference.candidates) << "round " << round;
        ASSERT_TRUE(fast.status.ok());
    }
}

TEST(FreeSpaceDomainTest, DefaultRangesAndCandidateForm)
{
    EXPECT_EQ(defaultSearchDomain("BPEJ").start, "0x915A00");
    EXPECT_EQ(defaultSearchDomain("BPRJ").end, "0xBFFFFF");
    EXPECT_EQ(defaultSearchDomain("BPGJ").start, "0x6C8000");
    EXPECT_EQ(defaultSearchDomain("AXPJ").end, "0x67CFFF");
    EXPECT_TRUE(defaultSearchDomain("ZZZZ").start.empty());
    EXPECT_EQ(formatCandidate(0x12), "0x000012");
    EXPECT_EQ(formatCandidate(0x6C8002), "0x6C8002");
}
