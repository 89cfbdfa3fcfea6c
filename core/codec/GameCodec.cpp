#include "core/codec/GameCodec.h"

#include <array>
#include <cstddef>

namespace {

// One text per game byte, row by row (high nibble). The literals become CP932 when compiled.
constexpr std::array<std::string_view, 256> kDecodeTable = {
    "　", "あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ", "さ", "し", "す", "せ", "そ",
    "た", "ち", "つ", "て", "と", "な", "に", "ぬ", "ね", "の", "は", "ひ", "ふ", "へ", "ほ", "ま",
    "み", "む", "め", "も", "や", "ゆ", "よ", "ら", "り", "る", "れ", "ろ", "わ", "を", "ん", "ぁ",
    "ぃ", "ぅ", "ぇ", "ぉ", "ゃ", "ゅ", "ょ", "が", "ぎ", "ぐ", "げ", "ご", "ざ", "じ", "ず", "ぜ",
    "ぞ", "だ", "ぢ", "づ", "で", "ど", "ば", "び", "ぶ", "べ", "ぼ", "ぱ", "ぴ", "ぷ", "ぺ", "ぽ",
    "っ", "ア", "イ", "ウ", "エ", "オ", "カ", "キ", "ク", "ケ", "コ", "サ", "シ", "ス", "セ", "ソ",
    "タ", "チ", "ツ", "テ", "ト", "ナ", "ニ", "ヌ", "ネ", "ノ", "ハ", "ヒ", "フ", "ヘ", "ホ", "マ",
    "ミ", "ム", "メ", "モ", "ヤ", "ユ", "ヨ", "ラ", "リ", "ル", "レ", "ロ", "ワ", "ヲ", "ン", "ァ",
    "ィ", "ゥ", "ェ", "ォ", "ャ", "ュ", "ョ", "ガ", "ギ", "グ", "ゲ", "ゴ", "ザ", "ジ", "ズ", "ゼ",
    "ゾ", "ダ", "ヂ", "ヅ", "デ", "ド", "バ", "ビ", "ブ", "ベ", "ボ", "パ", "ピ", "プ", "ペ", "ポ",
    "ッ", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "!", "?", "。", "ー", "・",
    "…", "『", "』", "「", "」", "♂", "♀", "円", "．", "×", "／", "A", "B", "C", "D", "E",
    "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U",
    "V", "W", "X", "Y", "Z", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k",
    "l", "m", "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", "l>",
    "：", "A:", "O:", "U:", "a:", "o:", "u:", "↑", "↓", "←", "@\r\n", "^\r\n", "★", "▼", "\r\n", "終",
};

constexpr std::uint8_t kFirstDigit = 0xA1;
constexpr std::uint8_t kExclamation = 0xAB;
constexpr std::uint8_t kQuestion = 0xAC;
constexpr std::uint8_t kSlash = 0xBA;
constexpr std::uint8_t kFirstCapital = 0xBB;
constexpr std::uint8_t kFirstSmall = 0xD5;
constexpr std::uint8_t kBar = 0xEF;
constexpr std::uint8_t kFirstAccented = 0xF1;
constexpr std::uint8_t kLineBreak = 0xFE;
// The letters that a following ";" turns into kFirstAccented and on, in code order.
constexpr std::string_view kAccentedLetters = "AOUaou";

// The Shift-JIS lead bytes of every character in the tables.
constexpr bool isTableLead(std::uint8_t b)
{
    return b == 0x81 || b == 0x82 || b == 0x83 || b == 0x89 || b == 0x8F;
}

constexpr std::size_t pairIndex(std::uint8_t b0, std::uint8_t b1)
{
    return static_cast<std::size_t>(b0) << 8 | b1;
}

using PairTable = std::array<std::uint8_t, 65536>;

PairTable buildPairTable()
{
    PairTable table{};
    // Every full-width character of the decode table, the end marker "終" included; the
    // full-width space stays 0x00 like any unknown pair.
    for (std::size_t code = 1; code < kDecodeTable.size(); ++code) {
        const std::string_view text = kDecodeTable[code];
        const auto b0 = static_cast<std::uint8_t>(text[0]);
        if (text.size() == 2 && isTableLead(b0))
            table[pairIndex(b0, static_cast<std::uint8_t>(text[1]))] = static_cast<std::uint8_t>(code);
    }
    // Full-width digits and letters share the codes of their half-width forms.
    for (std::uint8_t n = 0; n < 10; ++n)
        table[pairIndex(0x82, 0x4F + n)] = kFirstDigit + n;
    for (std::uint8_t n = 0; n < 26; ++n) {
        table[pairIndex(0x82, 0x60 + n)] = kFirstCapital + n;
        table[pairIndex(0x82, 0x81 + n)] = kFirstSmall + n;
    }
    table[pairIndex(0x81, 0x49)] = kExclamation;
    table[pairIndex(0x81, 0x48)] = kQuestion;

    table[pairIndex('\r', '\n')] = kLineBreak;
    table[pairIndex('|', '>')] = kBar;
    for (std::size_t n = 0; n < kAccentedLetters.size(); ++n)
        table[pairIndex(kAccentedLetters[n], ';')] = static_cast<std::uint8_t>(kFirstAccented + n);
    return table;
}

const PairTable& pairTable()
{
    static const PairTable table = buildPairTable();
    return table;
}

} // namespace

std::string_view GameCodec::decode(std::uint8_t code) const
{
    if (code == kTerminator && m_terminatorHidden)
        return {};
    return kDecodeTable[code];
}

std::string GameCodec::decodeField(std::span<const std::uint8_t> field) const
{
    std::string text;
    for (std::uint8_t code : field)
        text += decode(code);
    return text;
}

GameCodec::Unit GameCodec::classify(std::uint8_t b0, std::uint8_t b1)
{
    if ((b0 == '\r' && b1 == '\n') || ((b0 == '@' || b0 == '^') && b1 == '\r')
        || (b0 == '|' && b1 == '>') || isTableLead(b0))
        return Unit::TwoByte;
    if (b0 >= 0x80)
        return Unit::UnknownLead;
    if (b1 == ';' && kAccentedLetters.find(static_cast<char>(b0)) != std::string_view::npos)
        return Unit::TwoByte;
    return Unit::OneByte;
}

std::uint8_t GameCodec::pairLookup(std::uint8_t b0, std::uint8_t b1)
{
    return pairTable()[pairIndex(b0, b1)];
}

std::uint8_t GameCodec::singleLookup(std::uint8_t b)
{
    if (b >= '0' && b <= '9')
        return kFirstDigit + (b - '0');
    if (b >= 'A' && b <= 'Z')
        return kFirstCapital + (b - 'A');
    if (b >= 'a' && b <= 'z')
        return kFirstSmall + (b - 'a');
    switch (b) {
    case '!': return kExclamation;
    case '?': return kQuestion;
    case '/': return kSlash;
    default: return 0x00;
    }
}

std::string_view GameCodec::textBeforeZero(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

std::uint8_t GameCodec::byteAt(std::string_view text, std::size_t p)
{
    return p < text.size() ? static_cast<std::uint8_t>(text[p]) : 0;
}

bool GameCodec::encodeName(std::span<std::uint8_t> field, std::string_view text)
{
    if (field.empty())
        return false;
    const std::string_view input = textBeforeZero(text);
    std::size_t p = 0;
    bool nothingEncoded = true;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (p >= input.size()) {
            field[i] = kTerminator;
            break;
        }
        const std::uint8_t b0 = byteAt(input, p);
        const std::uint8_t b1 = byteAt(input, p + 1);
        switch (classify(b0, b1)) {
        case Unit::UnknownLead:
            p += 2;
            break;
        case Unit::TwoByte:
            field[i] = pairLookup(b0, b1);
            nothingEncoded = false;
            p += 2;
            break;
        case Unit::OneByte:
            field[i] = singleLookup(b0);
            nothingEncoded = false;
            p += 1;
            break;
        }
    }
    if (field[0] == kTerminator || nothingEncoded)
        return false;
    field.back() = kTerminator;
    return true;
}

GameCodec& gameCodec()
{
    static GameCodec codec;
    return codec;
}
