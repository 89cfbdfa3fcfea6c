#include "core/relocation/RelocationWriteOut.h"

WriteOutResult writeRelocatedTable(RomFile file, IRelocationPage& page, const RelocationChoice& choice)
{
    if (!file.isOpen())
        return {WriteOutResult::Failure::Open, file.errorText()};
    if (!file.seek(choice.address) || !file.write(page.relocatedArea(choice)))
        return {WriteOutResult::Failure::Area, file.errorText()};
    if (!page.rewritePointer(file, choice))
        return {WriteOutResult::Failure::Pointer, file.errorText()};
    return {};
}
