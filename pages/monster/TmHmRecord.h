#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One 8-byte TM/HM compatibility bit set per monster: bits 0 to 49 are TM 01 to 50, bits
// 50 to 57 HM 01 to 08; bits 58 to 63 are saved as 0.
namespace tm_hm_record {
inline constexpr std::size_t kSize = 8;
inline constexpr std::size_t kCheckCount = 58;
inline constexpr std::size_t kTmCount = 50;

using Record = std::array<std::uint8_t, kSize>;
using Checks = std::array<std::uint8_t, kCheckCount>;

inline Checks checksOf(const Record& record)
{
    Checks checks{};
    for (std::size_t k = 0; k < kCheckCount; ++k)
        checks[k] = record[k / 8] >> (k % 8) & 1;
    return checks;
}

inline Record recordOf(const Checks& checks)
{
    Record record{};
    for (std::size_t k = 0; k < kCheckCount; ++k) {
        if (checks[k])
            record[k / 8] = static_cast<std::uint8_t>(record[k / 8] | 1 << (k % 8));
    }
    return record;
}
} // namespace tm_hm_record
