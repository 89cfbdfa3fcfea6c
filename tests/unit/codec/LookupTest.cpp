#include "core/codec/GameCodec.h"

#include <gtest/gtest.h>

namespace {

using Unit = GameCodec::Unit;

TEST(Lookup, ClassifierFindsUnitLengths)
{
    EXPECT_EQ(GameCodec::classify(0x0D, 0x0A), Unit::TwoByte);
    EXPECT_EQ(GameCodec::classify('@', 0x0D), Unit::TwoByte);
    EXPECT_EQ(GameCodec::classify('|', '>'), Unit::TwoByte);
    EXPECT_EQ(GameCodec::classify(0x89, 0x00), Unit::TwoByte);
    EXPECT_EQ(GameCodec::classify('u', ';'), Unit::TwoByte);
    EXPECT_EQ(GameCodec::classify(0x84, 0x40), Unit::UnknownLead);
    EXPECT_EQ(GameCodec::classify(0xB1, ';'), Unit::UnknownLead);
    EXPECT_EQ(GameCodec::classify('b', ';'), Unit::OneByte);
    EXPECT_EQ(GameCodec::classify('l', '>'), Unit::OneByte);
    EXPECT_EQ(GameCodec::classify('@', '\n'), Unit::OneByte);
}

TEST(Lookup, PairsOutsideTheDecodeTable)
{
    EXPECT_EQ(GameCodec::pairLookup(0x82, 0x4F), 0xA1);
    EXPECT_EQ(GameCodec::pairLookup(0x82, 0x60), 0xBB);
    EXPECT_EQ(GameCodec::pairLookup(0x82, 0x81), 0xD5);
    EXPECT_EQ(GameCodec::pairLookup(0x82, 0x9A), 0xEE);
    EXPECT_EQ(GameCodec::pairLookup(0x81, 0x49), 0xAB);
    EXPECT_EQ(GameCodec::pairLookup(0x81, 0x48), 0xAC);
    EXPECT_EQ(GameCodec::pairLookup('|', '>'), 0xEF);
    EXPECT_EQ(GameCodec::pairLookup('A', ';'), 0xF1);
    EXPECT_EQ(GameCodec::pairLookup('u', ';'), 0xF6);
    // Known units without a code of their own.
    EXPECT_EQ(GameCodec::pairLookup(0x81, 0x40), 0x00);
    EXPECT_EQ(GameCodec::pairLookup('@', 0x0D), 0x00);
    EXPECT_EQ(GameCodec::pairLookup(0x82, 0x00), 0x00);
    EXPECT_EQ(GameCodec::pairLookup('l', '>'), 0x00);
}

TEST(Lookup, SinglesOutsideTheTableAreZero)
{
    EXPECT_EQ(GameCodec::singleLookup('/'), 0xBA);
    for (char c : {' ', ':', ';', '.', '@', '\r', '\0'})
        EXPECT_EQ(GameCodec::singleLookup(c), 0x00) << int(c);
}

} // namespace
