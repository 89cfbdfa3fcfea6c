#pragma once

#include <cstddef>

// The dex entry the page shows for a monster index: the same fixed table for every game.
namespace dex_number {
// A monster index beyond the 412 gives dex number 0.
std::size_t forMonster(std::size_t monster);
} // namespace dex_number
