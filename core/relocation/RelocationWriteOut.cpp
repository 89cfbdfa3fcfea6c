#include "core/relocation/RelocationWriteOut.h"

WriteOutResult writeRelocatedTable(const std::string& romPath, IRelocationPage& page, const RelocationChoice& choice)
{
    const std::vector<std::uint8_t> area = page.relocatedArea(choice);
    RomFile file = RomFile::openForUpdating(romPath);
    if (!file.isOpen())
        return {WriteOutResult::Failure::Open, file.errorText()};
    if (!file.seek(choice.address) || !file.write(area))
        return {WriteOutResult::Failure::Area, file.errorText()};
    if (!page.rewritePointer(file, choice))
        return {WriteOutResult::Failure::Pointer, file.errorText()};
    return {};
}
