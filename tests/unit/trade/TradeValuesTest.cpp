#include "pages/trade/TradeValues.h"

#include <gtest/gtest.h>

namespace {

using namespace trade_values;

TEST(TradeValues, NatureChangeKeepsTheGenderValue)
{
    EXPECT_EQ(withNature(0x000000FF, 12), 0x000016FFu);
    EXPECT_EQ(nature(0x000016FF), 12);
    for (int wanted = 0; wanted < kNatureCount; ++wanted) {
        std::uint32_t pv = withNature(0xDEADBE42, wanted);
        EXPECT_EQ(nature(pv), wanted);
        EXPECT_EQ(genderValue(pv), 0x42);
        EXPECT_LT(pv, 25u << 8);
    }
    EXPECT_EQ(withNature(0x12345678, 25), 0x12345678u);
    EXPECT_EQ(withNature(0x12345678, -1), 0x12345678u);
}

TEST(TradeValues, GenderValueIsTheLowByte)
{
    EXPECT_EQ(genderValue(0x123456AB), 0xAB);
    EXPECT_EQ(withGenderValue(0x123456AB, 0xFF), 0x123456FFu);
}

TEST(TradeValues, ShinyFollowsTheParentId)
{
    const std::uint32_t pv = 0x12345678;
    EXPECT_EQ(shinyParentId(pv), 0x444C);
    EXPECT_TRUE(isShiny(pv, 0x444C));
    EXPECT_TRUE(isShiny(pv, 0x444C ^ 7));
    EXPECT_FALSE(isShiny(pv, 0x444C ^ 8));
    EXPECT_EQ(plainParentId(pv), 0xBBB3);
    EXPECT_FALSE(isShiny(pv, plainParentId(pv)));
}

TEST(TradeValues, IndividualValuesStayInRange)
{
    EXPECT_EQ(storedIndividualValue(40), 31);
    EXPECT_EQ(storedIndividualValue(32), 31);
    EXPECT_EQ(storedIndividualValue(31), 31);
    EXPECT_EQ(storedIndividualValue(0), 0);
    EXPECT_EQ(storedIndividualValue(-5), 0);
}

} // namespace
