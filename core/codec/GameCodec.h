#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The game's one-byte character encoding and Shift-JIS (code page 932) text.
class GameCodec {
public:
    enum class Unit { OneByte, TwoByte, UnknownLead };

    static constexpr std::uint8_t kTerminator = 0xFF;

    // The text of one game byte; 0xFF is "終", or empty while the terminator is hidden.
    std::string_view decode(std::uint8_t code) const;
    // Every byte of a fixed-length field decoded in order, terminator and padding included.
    std::string decodeField(std::span<const std::uint8_t> field) const;

    static Unit classify(std::uint8_t b0, std::uint8_t b1);
    // 0x00 for a pair or byte outside the tables.
    static std::uint8_t pairLookup(std::uint8_t b0, std::uint8_t b1);
    static std::uint8_t singleLookup(std::uint8_t b);

    // Encodes a name into a fixed-length field that the caller zero-filled. At most
    // field.size() - 1 characters survive; the last byte becomes 0xFF. False when the text
    // is empty or nothing in it could be encoded.
    static bool encodeName(std::span<std::uint8_t> field, std::string_view text);

    // A text ends at its first zero byte, or at the end of the view.
    static std::string_view textBeforeZero(std::string_view text);
    // The byte at position p of a text; 0 at and past its end, so a unit that starts on the
    // last byte never reads beyond it.
    static std::uint8_t byteAt(std::string_view text, std::size_t p);

    bool terminatorHidden() const { return m_terminatorHidden; }
    void setTerminatorHidden(bool hidden) { m_terminatorHidden = hidden; }

private:
    bool m_terminatorHidden = false;
};

// The program-wide codec whose display mode the frame toggles.
GameCodec& gameCodec();
