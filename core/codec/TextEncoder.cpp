#include "core/codec/TextEncoder.h"

#include "core/codec/GameCodec.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::uint8_t kAtLineBreak = 0xFA;
constexpr std::uint8_t kCaretLineBreak = 0xFB;

struct EncodedUnit {
    std::size_t length;
    bool hasCode;
    std::uint8_t code;
};

// The unit at position p. The end of the text reads as a zero byte, a one-byte unit of
// code 0x00.
EncodedUnit unitAt(std::string_view text, std::size_t p)
{
    const std::uint8_t b0 = GameCodec::byteAt(text, p);
    const std::uint8_t b1 = GameCodec::byteAt(text, p + 1);
    const std::uint8_t b2 = GameCodec::byteAt(text, p + 2);
    if ((b0 == '@' || b0 == '^') && b1 == '\r' && b2 == '\n')
        return {3, true, b0 == '@' ? kAtLineBreak : kCaretLineBreak};
    switch (GameCodec::classify(b0, b1)) {
    case GameCodec::Unit::UnknownLead:
        // Dropped alone: the byte after it is read as a unit of its own.
        return {1, false, 0};
    case GameCodec::Unit::TwoByte:
        return {2, true, GameCodec::pairLookup(b0, b1)};
    case GameCodec::Unit::OneByte:
        break;
    }
    return {1, true, GameCodec::singleLookup(b0)};
}

} // namespace

std::vector<std::uint8_t> encodeText(std::string_view text, int allowedBytes)
{
    const std::string_view input = GameCodec::textBeforeZero(text.substr(0, kTextEditCharacters));
    const std::size_t limit
        = std::min(static_cast<std::size_t>(std::max(allowedBytes, 0)), kTextBufferBytes - 1);

    std::array<std::uint8_t, kTextBufferBytes> out{};
    std::size_t o = 0;
    bool endEncoded = false;
    // The end of the text is encoded once, as 0x00; a unit starting after it ends the loop.
    for (std::size_t p = 0; o < limit && p <= input.size();) {
        const EncodedUnit unit = unitAt(input, p);
        endEncoded = p >= input.size();
        p += unit.length;
        if (unit.hasCode)
            out[o++] = unit.code;
    }
    const auto codes = out.begin() + static_cast<std::ptrdiff_t>(o);
    // A text without its own end marker would run on into the old remainder in the ROM: 0xFF
    // ends it, in place of the end code, which the game would show as a full-width space.
    if (std::find(out.begin(), codes, GameCodec::kTerminator) == codes) {
        if (endEncoded)
            --o;
        out[o] = GameCodec::kTerminator;
        return {out.begin(), out.begin() + static_cast<std::ptrdiff_t>(o + 1)};
    }
    out[limit] = GameCodec::kTerminator;
    return {out.begin(), out.begin() + static_cast<std::ptrdiff_t>(o + 1)};
}
