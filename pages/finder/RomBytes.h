#pragma once

#include "core/CartridgePointer.h"
#include "pages/finder/TableShapes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

// Quick looks at the bytes of a ROM held whole in memory, for the finder's scans.
namespace rom_bytes {

// The top byte of a cartridge pointer into a file of up to 32 MiB: 0x08 or 0x09. A scan
// looks at it first; most bytes are neither.
inline bool pointerTopAt(std::span<const std::uint8_t> rom, std::size_t at)
{
    return at + cartridge::kPointerSize <= rom.size() && (rom[at + 3] & 0xFE) == 0x08;
}

// Where the cartridge pointer at `at` leads inside the file.
inline std::optional<std::size_t> targetAt(std::span<const std::uint8_t> rom, std::size_t at)
{
    if (!pointerTopAt(rom, at))
        return std::nullopt;
    return table_shape::pointerTarget(cartridge::readPointer(rom, at), rom.size());
}

// Whether a game text at `at` ends (0xFF) within limit bytes.
inline bool textEndsWithin(std::span<const std::uint8_t> rom, std::size_t at, std::size_t limit)
{
    if (at >= rom.size())
        return false;
    const std::size_t length = rom.size() - at < limit ? rom.size() - at : limit;
    return std::memchr(rom.data() + at, 0xFF, length) != nullptr;
}

} // namespace rom_bytes

// table_shape::isName on a field of fieldSize bytes at every offset in increasing order (the
// run scan's order): each 0xFF is looked for once, so a pass over the file stays linear.
class NameFieldTest {
public:
    NameFieldTest(std::span<const std::uint8_t> rom, std::size_t fieldSize) : m_rom(rom), m_fieldSize(fieldSize) {}

    bool operator()(std::size_t at)
    {
        if (m_rom[at] == 0xFF || m_rom[at] == table_shape::kBlank)
            return false;
        if (!m_known || m_nextEnd < at) {
            const void* end = std::memchr(m_rom.data() + at, 0xFF, m_rom.size() - at);
            m_nextEnd = end ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - m_rom.data())
                            : m_rom.size();
            m_known = true;
        }
        if (m_nextEnd - at >= m_fieldSize)
            return false;
        for (std::size_t q = at; q < m_nextEnd; ++q) {
            if (table_shape::breaksLine(m_rom[q]))
                return false;
        }
        return true;
    }

private:
    std::span<const std::uint8_t> m_rom;
    std::size_t m_fieldSize;
    std::size_t m_nextEnd = 0;
    bool m_known = false;
};
