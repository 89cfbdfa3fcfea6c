#pragma once

#include "core/SharedTables.h"

#include <cstddef>

// The other page's tables: trainer class names (and move names, SharedTables::moveNames,
// where name k belongs to move k + 1) in fixed game-text fields, and three 16-bit starters.
namespace other_tables {
// Up to 10 characters and the end byte.
inline constexpr std::size_t kClassNameSize = SharedTables::kTrainerClassNameSize;
// A little-endian monster number.
inline constexpr std::size_t kStarterSize = 2;
} // namespace other_tables
