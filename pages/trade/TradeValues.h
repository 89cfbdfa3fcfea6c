#pragma once

#include <cstdint>

// What a trade's personality value (PV) and parent ID decide, and the PV and ID changes
// that set them.
namespace trade_values {
inline constexpr int kNatureCount = 25;
inline constexpr std::uint8_t kHighestIndividualValue = 31;

inline constexpr int nature(std::uint32_t pv)
{
    return static_cast<int>(pv % kNatureCount);
}

inline constexpr std::uint8_t genderValue(std::uint32_t pv)
{
    return static_cast<std::uint8_t>(pv & 0xFF);
}

inline constexpr bool isShiny(std::uint32_t pv, std::uint16_t parentId)
{
    return ((pv & 0xFFFF) ^ (pv >> 16) ^ parentId) < 8;
}

// The first PV (i << 8) | gender value, i counting from 0, that has the nature; the gender
// value stays and bits 8 to 31 are replaced. A nature outside the list changes nothing.
std::uint32_t withNature(std::uint32_t pv, int nature);

inline constexpr std::uint32_t withGenderValue(std::uint32_t pv, std::uint8_t gender)
{
    return (pv & ~std::uint32_t{0xFF}) | gender;
}

// The parent ID that makes the PV shiny (the test's XOR becomes 0), or surely not (0xFFFF).
inline constexpr std::uint16_t shinyParentId(std::uint32_t pv)
{
    return static_cast<std::uint16_t>((pv ^ (pv >> 16)) & 0xFFFF);
}

inline constexpr std::uint16_t plainParentId(std::uint32_t pv)
{
    return static_cast<std::uint16_t>((~pv ^ (pv >> 16)) & 0xFFFF);
}

} // namespace trade_values
