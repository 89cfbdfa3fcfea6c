#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// What the bytes of the pages' tables may hold: the ranges of the lists the pages show them
// with, the form of a name field, where a cartridge pointer leads. The settings check judges
// a configured table by these rules, and the table finder looks for places that keep them.
namespace table_shape {

// The type name list, the growth rate list and the egg group list of the monster page.
inline constexpr std::uint8_t kTypeCount = 18;
inline constexpr std::uint8_t kGrowthRateCount = 6;
inline constexpr std::uint8_t kEggGroupCount = 16;
// Accuracy and effect chance are percentages.
inline constexpr std::uint8_t kHighestPercentage = 100;
// The evolution method list: 0 (none) to 15.
inline constexpr std::uint8_t kHighestEvolutionMethod = 15;
// Individual values are 5-bit numbers.
inline constexpr std::uint8_t kHighestIndividualValue = 31;
// The move name list: "0不明" and moves 1 to 354.
inline constexpr std::uint16_t kHighestMove = 354;
// A level the game reaches.
inline constexpr std::uint8_t kHighestLevel = 100;

enum class NameFault { NoEndByte, LineBreak };

// A fixed name field decodes as a name when its end byte lies inside the field and no
// character before it breaks the line.
std::optional<NameFault> nameFault(std::span<const std::uint8_t> field);

// A name of at least one character that does not begin with a blank: a field that starts
// with its end byte is empty, as every field of a run of free space would be, and one that
// starts with a blank (0x00, the full-width space) begins in the padding of the name before.
bool isName(std::span<const std::uint8_t> field);

// The code of the full-width space, which also pads name fields.
inline constexpr std::uint8_t kBlank = 0x00;

// Whether the game code breaks a line (the three line-break codes).
bool breaksLine(std::uint8_t code);

// Monster 0 is the list's placeholder; a table entry names one of 1 to 411.
bool namesMonster(std::uint16_t monster);

bool isChartMultiplier(std::uint8_t value);

// Where a cartridge pointer leads, when that is inside a file of fileSize bytes. The pages
// read pointers by three rules; a pointer is sound for all of them only when it is the
// cartridge base plus an offset inside the file.
std::optional<std::size_t> pointerTarget(std::uint32_t pointer, std::size_t fileSize);

// Whether the monster page finds the two end bytes of a level-up list within the bytes it
// counts, from at on.
bool levelUpListEnds(std::span<const std::uint8_t> rom, std::size_t at);

} // namespace table_shape

// "0x1009A8", at least six digits; a negative offset as "-5".
std::string hexOffset(std::int64_t offset);
