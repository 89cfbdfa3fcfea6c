#include "tests/support/PageSlots.h"

#include "core/RomFile.h"
#include "core/WindowBase.h"
#include "tests/support/TestFiles.h"

#include <algorithm>

void writeSettings(const std::string& folder, const std::string& section, const std::string& keys)
{
    writeFile(folder + "/Setting.ini", "[" + section + "]\r\n" + keys);
}

bool readPage(CWindowBase& page, const std::string& romPath)
{
    ResultOf<RomFile> file = RomFile::openForReading(romPath);
    return file.ok() && page.DataRead(*file);
}

bool writePage(CWindowBase& page, const std::string& romPath)
{
    ResultOf<RomFile> file = RomFile::openForWriting(romPath);
    return file.ok() && page.DataWrite(*file);
}

std::vector<std::uint8_t> patternBytes(std::size_t size, unsigned step, unsigned start)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * step + start);
    return bytes;
}

void putBytes(std::vector<std::uint8_t>& rom, std::size_t at, const std::vector<std::uint8_t>& bytes)
{
    std::copy(bytes.begin(), bytes.end(), rom.begin() + static_cast<std::ptrdiff_t>(at));
}
