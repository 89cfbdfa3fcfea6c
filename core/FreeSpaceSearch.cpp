#include "core/FreeSpaceSearch.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
constexpr std::size_t kBlockSize = 256 * 1024;
constexpr std::uint8_t kFree = 0xFF;
} // namespace

FreeSpaceResult searchFreeSpace(RomFile& file, const FreeSpaceRequest& request)
{
    FreeSpaceResult result;
    if (request.start >= request.end)
        return result;
    if (Result moved = file.seek(request.start); !moved.ok()) {
        result.status = moved;
        return result;
    }

    std::vector<std::uint8_t> block(static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(kBlockSize), request.end - request.start)));
    std::int64_t run = -2; // the run counter: -2 means "no 0xFF seen since the last other byte"
    std::int64_t hits = 0;
    std::int64_t position = request.start;
    while (position < request.end) {
        std::size_t wanted = static_cast<std::size_t>(std::min<std::int64_t>(
            static_cast<std::int64_t>(block.size()), request.end - position));
        const ResultOf<std::int64_t> got = file.readSome(std::span<std::uint8_t>(block.data(), wanted));
        const std::size_t available = got.ok() ? static_cast<std::size_t>(*got) : 0;
        const bool shortRead = available < wanted;

        const std::uint8_t* bytes = block.data();
        std::size_t i = 0;
        while (i < available) {
            if (bytes[i] != kFree) {
                run = -2;
                // Skip to the next free byte at once.
                const void* next = std::memchr(bytes + i, kFree, available - i);
                i = next ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(next) - bytes) : available;
                continue;
            }
            // Inside a run: jump straight to the byte at which the counter reaches k.
            std::int64_t toCandidate = std::max<std::int64_t>(request.bytesNeeded - run, 1);
            std::size_t limit = std::min<std::size_t>(available - i, static_cast<std::size_t>(
                std::min<std::int64_t>(toCandidate, static_cast<std::int64_t>(available - i))));
            std::size_t step = 0;
            while (step < limit && bytes[i + step] == kFree)
                ++step;
            if (step < limit) {
                run = -2;
                i += step + 1;
                continue;
            }
            run += static_cast<std::int64_t>(step);
            i += step;
            if (run >= request.bytesNeeded) {
                std::int64_t p = position + static_cast<std::int64_t>(i) - 1;
                result.candidates.push_back(static_cast<std::uint32_t>(p - run + 1));
                if (request.stopAtFirst)
                    return result;
                if (++hits >= request.maximum)
                    return result;
                run = 0;
            }
        }
        if (shortRead) {
            result.status = got.ok() ? Result::failed(endOfFileErrorText()) : got.failure();
            return result;
        }
        position += static_cast<std::int64_t>(available);
    }
    return result;
}

std::string formatCandidate(std::uint32_t address)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", address);
    return text;
}

SearchDomain defaultSearchDomain(const std::string& gameCode)
{
    auto has = [&](const char* code) { return gameCode.find(code) != std::string::npos; };
    if (has("BPEJ"))
        return {"0x915A00", "0xAFFFFF"};
    if (has("BPGJ") || has("BPRJ"))
        return {"0x6C8000", "0xBFFFFF"};
    if (has("AXVJ") || has("AXPJ"))
        return {"0x655200", "0x67CFFF"};
    return {};
}
