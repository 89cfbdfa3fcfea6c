#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A dex description: game text at the dex record's offset, ended by 0xFF. Its length in
// bytes (the 0xFF included) comes from the String.ini cache or from measuring it.
namespace dex_description {
// Measuring looks at this many bytes.
inline constexpr std::size_t kMeasureWindow = 100;
// A cached length above this is no length of a real description.
inline constexpr std::int64_t kLongestCached = 0xFFFF;

// The length of the text at the start of the bytes read at its offset: up to and with the
// first 0xFF, or every byte read when there is none.
std::size_t measure(std::span<const std::uint8_t> bytes);
// Each byte decoded and the pieces joined.
std::string decode(std::span<const std::uint8_t> bytes);
// The most characters that length bytes decode to.
std::size_t longestDecoding(std::size_t length);
// The length bytes that the edited text saves as: one game byte a character, zeros after the
// text, 0xFF last. A line break shown as "@" CR LF (or "^" CR LF) is one byte again.
std::vector<std::uint8_t> encode(std::string_view text, std::size_t length);
} // namespace dex_description
