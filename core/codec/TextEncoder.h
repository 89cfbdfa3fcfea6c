#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The text editor's encoder: multi-line Shift-JIS text back into game bytes, bounded by the
// length of the text that was loaded.

// Characters of the edited text that are taken; the rest is ignored.
inline constexpr std::size_t kTextEditCharacters = 2047;
// The encoded text is built in this many bytes, so at most kTextBufferBytes - 1 codes are
// written before the terminator.
inline constexpr std::size_t kTextBufferBytes = 300;

// The bytes to write at the text's offset. The text's codes and one 0x00 for its end form a
// sequence; with limit = min(allowedBytes, 299), a sequence of at least limit bytes is cut to
// limit bytes and followed by 0xFF. A shorter one is followed by one more 0x00 when the text
// holds the end marker "終" (0xFF). A text without "終" is its codes (at most limit) and
// 0xFF, without the end code. An unknown Shift-JIS lead byte is dropped alone. A negative
// allowedBytes counts as 0 (a single 0xFF). The result never holds more than limit + 1 bytes.
std::vector<std::uint8_t> encodeText(std::string_view text, int allowedBytes);
