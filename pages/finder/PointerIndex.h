#pragma once

#include "pages/finder/RecordRuns.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Every offset of the file that holds a cartridge pointer into the file, found in one pass:
// the tables that hold pointers are looked for among these few offsets instead of among
// all of them.
class PointerIndex {
public:
    explicit PointerIndex(std::span<const std::uint8_t> rom);

    bool holdsPointer(std::size_t offset) const { return offset < m_marks.size() && m_marks[offset]; }
    // In increasing order.
    const std::vector<std::size_t>& offsets() const { return m_offsets; }

    // The longest rows of at least minCount records of `stride` bytes that hold a pointer
    // at `field`, in order of their starts.
    std::vector<RecordRun> rows(std::size_t stride, std::size_t field, std::size_t minCount) const;

private:
    std::size_t m_fileSize;
    std::vector<bool> m_marks;
    std::vector<std::size_t> m_offsets;
};
