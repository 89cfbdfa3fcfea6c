#pragma once

#include "pages/egg/EggMoveEntry.h"

#include <cstdint>
#include <span>
#include <vector>

// Appends one entry per marker word, in table order; a marker followed at once by another
// marker or by the end of the table gives an entry without moves. Returns false, leaving the
// entries as they were, when memory runs out.
bool decodeEggMoves(std::span<const std::uint8_t> table, std::vector<Skill_Struct_Data>& entries);

// Writes each entry's moves back into the words after its marker. The table keeps its length
// and its markers: an entry writes no further than the next marker or the end of the table,
// and an entry whose marker lies beyond the table writes nothing.
void encodeEggMoves(std::span<const Skill_Struct_Data> entries, std::span<std::uint8_t> table);
