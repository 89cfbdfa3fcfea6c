#include "core/relocation/RelocationWriteOut.h"

WriteOutResult writeRelocatedTable(ResultOf<RomFile> file, IRelocationPage& page, const RelocationChoice& choice)
{
    if (!file.ok())
        return {WriteOutResult::Step::Open, file.failure()};
    if (Result written = file->writeAt(choice.address, page.relocatedArea(choice)); !written.ok())
        return {WriteOutResult::Step::Area, written};
    return {WriteOutResult::Step::Pointer, page.rewritePointer(*file, choice)};
}
