#include "pages/finder/PointerIndex.h"

#include "pages/finder/RomBytes.h"

PointerIndex::PointerIndex(std::span<const std::uint8_t> rom) : m_fileSize(rom.size()), m_marks(rom.size(), false)
{
    for (std::size_t at = 0; at + cartridge::kPointerSize <= rom.size(); ++at) {
        if (rom_bytes::targetAt(rom, at)) {
            m_marks[at] = true;
            m_offsets.push_back(at);
        }
    }
}

std::vector<RecordRun> PointerIndex::rows(std::size_t stride, std::size_t field, std::size_t minCount) const
{
    std::vector<RecordRun> rows;
    if (stride == 0)
        return rows;
    for (std::size_t pointer : m_offsets) {
        // A row is followed from its first record only.
        if (pointer < field || (pointer >= stride + field && holdsPointer(pointer - stride)))
            continue;
        RecordRun row{pointer - field, 0, stride};
        while (holdsPointer(row.at(row.count) + field) && row.at(row.count) + stride <= m_fileSize)
            ++row.count;
        if (row.count >= minCount && row.count > 0)
            rows.push_back(row);
    }
    return rows;
}
