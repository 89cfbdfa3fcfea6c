#include "pages/monster/DexDescription.h"

#include "core/codec/GameCodec.h"

#include <algorithm>

namespace dex_description {

namespace {

// The game bytes that decode to "@" CR LF and "^" CR LF.
constexpr std::uint8_t kAtLineBreak = 0xFA;
constexpr std::uint8_t kCaretLineBreak = 0xFB;

} // namespace

std::size_t measure(std::span<const std::uint8_t> bytes)
{
    const auto end = std::find(bytes.begin(), bytes.end(), GameCodec::kTerminator);
    return end == bytes.end() ? bytes.size() : static_cast<std::size_t>(end - bytes.begin()) + 1;
}

std::string decode(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (std::uint8_t b : bytes)
        text += gameCodec().decode(b);
    return text;
}

std::size_t longestDecoding(std::size_t length)
{
    std::size_t longest = 0;
    for (int b = 0; b < 256; ++b)
        longest = std::max(longest, gameCodec().decode(static_cast<std::uint8_t>(b)).size());
    return longest * length;
}

std::vector<std::uint8_t> encode(std::string_view text, std::size_t length)
{
    std::vector<std::uint8_t> bytes(length, 0);
    if (length == 0)
        return bytes;
    std::size_t p = 0;
    for (std::size_t o = 0; o < length && p < text.size(); ++o) {
        const std::uint8_t b0 = GameCodec::byteAt(text, p);
        const std::uint8_t b1 = GameCodec::byteAt(text, p + 1);
        if ((b0 == '@' || b0 == '^') && b1 == '\r' && GameCodec::byteAt(text, p + 2) == '\n') {
            bytes[o] = b0 == '@' ? kAtLineBreak : kCaretLineBreak;
            p += 3;
            continue;
        }
        switch (GameCodec::classify(b0, b1)) {
        case GameCodec::Unit::TwoByte:
            bytes[o] = GameCodec::pairLookup(b0, b1);
            p += 2;
            break;
        case GameCodec::Unit::UnknownLead:
            bytes[o] = GameCodec::singleLookup(b0);
            p += 2;
            break;
        case GameCodec::Unit::OneByte:
            bytes[o] = GameCodec::singleLookup(b0);
            p += 1;
            break;
        }
    }
    bytes.back() = GameCodec::kTerminator;
    return bytes;
}

} // namespace dex_description
