#include "core/CartridgePointer.h"
#include "core/GameFamily.h"
#include "core/LittleEndian.h"
#include "core/ui/ExceptionGuard.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

TEST(LittleEndian, ReadsAndWritesAtAnOffsetAndNeverPastTheEnd)
{
    const Bytes bytes = {0x11, 0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x08};
    EXPECT_EQ(little_endian::get16(bytes, 1), 0x1234);
    EXPECT_EQ(little_endian::get24(bytes, 3), 0xABCDEFu);
    EXPECT_EQ(little_endian::get32(bytes, 3), 0x08ABCDEFu);
    // The last whole value, and one byte too far: 0, nothing read.
    EXPECT_EQ(little_endian::get16(bytes, 5), 0x08AB);
    EXPECT_EQ(little_endian::get16(bytes, 6), 0);
    EXPECT_EQ(little_endian::get32(bytes, 4), 0u);
    EXPECT_EQ(little_endian::get32(bytes, SIZE_MAX - 1), 0u);

    Bytes out(6, 0xEE);
    EXPECT_TRUE(little_endian::set16(out, 0, 0xBEEF));
    EXPECT_TRUE(little_endian::set24(out, 2, 0xFF123456));
    EXPECT_EQ(out, (Bytes{0xEF, 0xBE, 0x56, 0x34, 0x12, 0xEE}));
    EXPECT_TRUE(little_endian::set32(out, 2, 0x01020304));
    EXPECT_EQ(out, (Bytes{0xEF, 0xBE, 0x04, 0x03, 0x02, 0x01}));
    EXPECT_FALSE(little_endian::set32(out, 3, 0xFFFFFFFF));
    EXPECT_FALSE(little_endian::set16(out, 7, 0xFFFF));
    EXPECT_EQ(out, (Bytes{0xEF, 0xBE, 0x04, 0x03, 0x02, 0x01}));
}

TEST(CartridgePointer, EachReadingRuleAndTheTwoWritingForms)
{
    const Bytes record = {0x00, 0xEF, 0xCD, 0xAB, 0x08};
    const std::uint32_t pointer = cartridge::readPointer(record, 1);
    EXPECT_EQ(pointer, 0x08ABCDEFu);
    EXPECT_EQ(cartridge::offsetFromLowBytes(pointer), 0xABCDEFu);
    EXPECT_EQ(cartridge::offsetWithoutBaseBit(pointer), 0xABCDEFu);
    EXPECT_EQ(cartridge::offsetBySubtracting(pointer), 0xABCDEF);

    // The rules part where the pointer is not a plain 0x08 pointer.
    EXPECT_EQ(cartridge::offsetFromLowBytes(0x09123456), 0x123456u);
    EXPECT_EQ(cartridge::offsetWithoutBaseBit(0x09123456), 0x01123456u);
    EXPECT_EQ(cartridge::offsetBySubtracting(0x09123456), 0x01123456);
    EXPECT_EQ(cartridge::offsetBySubtracting(0x07FFFFFF), std::nullopt);
    EXPECT_EQ(cartridge::offsetBySubtracting(0x87FFFFFF), 0x7FFFFFFF);
    EXPECT_EQ(cartridge::offsetBySubtracting(0x88000000), std::nullopt);

    Bytes out = {0xAA, 0xBB, 0xCC, 0xDD, 0x09};
    EXPECT_TRUE(cartridge::writeLowBytes(out, 1, 0x12345678));
    EXPECT_EQ(out, (Bytes{0xAA, 0x78, 0x56, 0x34, 0x09}));
    EXPECT_TRUE(cartridge::writePointer(out, 1, 0x00C00010));
    EXPECT_EQ(out, (Bytes{0xAA, 0x10, 0x00, 0xC0, 0x08}));
    EXPECT_FALSE(cartridge::writePointer(out, 2, 0));
}

TEST(GameFamily, FamilyAndPictureFolderByGameCode)
{
    const std::pair<const char*, GameFamily> codes[] = {
        {"AXVJ", kFamilyRS}, {"BPEJ", kFamilyEM}, {"BPRJ", kFamilyFR}, {"xxBPGJ", kFamilyFR},
        {"BPEJAXVJ", kFamilyRS}, {"bprj", kFamilyUN}};
    for (const auto& [code, family] : codes)
        EXPECT_EQ(gameFamilyOf(code), family) << code;
    EXPECT_EQ(familyFolderName(kFamilyRS), "RS");
    EXPECT_EQ(familyFolderName(kFamilyEM), "EM");
    EXPECT_EQ(familyFolderName(kFamilyFR), "FR");
    EXPECT_EQ(familyFolderName(kFamilyUN), "UN");
}

TEST(ExceptionGuard, AnExceptionBecomesAStatusMessageAndTheFallback)
{
    RecordingStatusLine status;
    EXPECT_EQ(guardedCall<long>(&status, 0, [] { return 7L; }), 7);
    EXPECT_TRUE(status.texts.empty());

    EXPECT_EQ(guardedCall<long>(&status, -1, []() -> long { throw std::runtime_error("vector::_M_range_check"); }), -1);
    EXPECT_EQ(status.last(), "処理中に例外が発生しました。vector::_M_range_check");

    EXPECT_EQ(guardedCall<int>(&status, 1, []() -> int { throw 42; }), 1);
    EXPECT_EQ(status.last(), "処理中に例外が発生しました。");

    // Without a status line there is nobody to tell, and still nothing escapes.
    EXPECT_EQ(guardedCall<int>(nullptr, 2, []() -> int { std::vector<int>().at(1); return 0; }), 2);
}
