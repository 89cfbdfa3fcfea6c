#pragma once

#include "core/LittleEndian.h"

#include <cstddef>

// The runs of a record that a writer owns; fields are read and written with little_endian.
namespace record_bytes {
// Bytes [offset, offset + length) of a record.
struct Run {
    std::size_t offset;
    std::size_t length;
};
} // namespace record_bytes
