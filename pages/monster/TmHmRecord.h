#pragma once

#include <cstddef>

// One 8-byte TM/HM compatibility bit set per monster: bits 0 to 49 are TM 01 to 50, bits
// 50 to 57 HM 01 to 08.
namespace tm_hm_record {
inline constexpr std::size_t kSize = 8;
inline constexpr std::size_t kCheckCount = 58;
} // namespace tm_hm_record
