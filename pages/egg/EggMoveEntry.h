#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One monster of the egg move table as the normal mode edits it. The number of moves is
// moves.size(), so a count can never disagree with the moves held.
struct Skill_Struct_Data {
    std::vector<std::uint16_t> moves;
    // Index of the monster's marker word in the table.
    std::size_t markerPosition = 0;
};
