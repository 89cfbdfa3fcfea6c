#include "tests/support/ByteAtATimeSearch.h"

FreeSpaceResult searchFreeSpaceByteAtATime(RomFile& file, const FreeSpaceRequest& request)
{
    FreeSpaceResult result;
    if (Result moved = file.seek(request.start); !moved.ok()) {
        result.status = moved;
        return result;
    }
    std::int64_t run = -2;
    std::int64_t hits = 0;
    for (std::int64_t p = request.start; p < request.end; ++p) {
        std::uint8_t byte = 0;
        if (Result read = file.read(std::span<std::uint8_t>(&byte, 1)); !read.ok()) {
            result.status = read;
            return result;
        }
        if (byte != 0xFF) {
            run = -2;
            continue;
        }
        if (++run >= request.bytesNeeded) {
            result.candidates.push_back(static_cast<std::uint32_t>(p - run + 1));
            if (request.stopAtFirst || ++hits >= request.maximum)
                return result;
            run = 0;
        }
    }
    return result;
}
