#pragma once

#include <cstddef>
#include <cstdint>

// One member of a trainer's party. The trainer's data type decides the entry's length and
// whether it holds an item, moves or both; bytes 0x01 and 0x03 (and 0x06 of type 0, 0x0E of
// type 1) belong to the game and are never changed.
namespace party_entry {
inline constexpr std::size_t kUnclearLevel = 0x00;
inline constexpr std::size_t kLevel = 0x02;
inline constexpr std::size_t kMonster = 0x04; // u16

inline constexpr std::size_t kBasePartSize = 8;  // entry bytes 0x00 to 0x07
inline constexpr std::size_t kMovePartSize = 8;  // entry bytes 0x08 to 0x0F
inline constexpr std::size_t kMoveCount = 4;

inline constexpr std::uint16_t kHighestMonster = 411;

enum DataType : std::uint8_t {
    kPlain = 0,
    kWithMoves = 1,
    kWithItem = 2,
    kWithItemAndMoves = 3,
};

// Where a data type keeps its fields; a data type of any other value reads as kPlain.
struct Layout {
    std::size_t size;
    bool hasItem;
    bool hasMoves;
    std::size_t item;       // u16, when hasItem
    std::size_t firstMove;  // four u16 in a row, when hasMoves
};

inline constexpr Layout layoutOf(std::uint8_t dataType)
{
    switch (dataType) {
    case kWithMoves:
        return {16, false, true, 0, 0x06};
    case kWithItem:
        return {8, true, false, 0x06, 0};
    case kWithItemAndMoves:
        return {16, true, true, 0x06, 0x08};
    default:
        return {8, false, false, 0, 0};
    }
}

inline constexpr bool hasMovePart(std::uint8_t dataType)
{
    return layoutOf(dataType).size > kBasePartSize;
}
} // namespace party_entry
