#include "pages/text/TextTransfer.h"

#include <algorithm>
#include <vector>

ResultOf<LoadedText> loadText(const std::string& romPath, std::uint32_t offset, const GameCodec& codec)
{
    const ResultOf<std::vector<std::uint8_t>> window = readFileWindow(romPath, offset, kTextReadLimit);
    if (!window.ok())
        return window.failure();
    const std::vector<std::uint8_t>& read = *window;
    const auto end = std::find(read.begin(), read.end(), GameCodec::kTerminator);
    // The file ended before the end byte and before the limit.
    if (end == read.end() && read.size() < static_cast<std::size_t>(kTextReadLimit))
        return Result::failed(endOfFileErrorText());
    LoadedText text;
    text.allowedBytes = static_cast<std::int32_t>(end - read.begin());
    // A growable string: 300 codes of up to three characters each, and the end marker.
    const auto shown = end == read.end() ? end : end + 1;
    for (auto it = read.begin(); it != shown; ++it)
        text.display += codec.decode(*it);
    return text;
}

Result writeText(ResultOf<RomFile> file, std::uint32_t offset, std::span<const std::uint8_t> bytes)
{
    const ResultOf<std::int64_t> size = file.ok() ? file->size() : file.failure();
    if (!size.ok())
        return size.failure();
    if (static_cast<std::int64_t>(offset) + static_cast<std::int64_t>(bytes.size()) > *size)
        return Result::failed(endOfFileErrorText());
    return file->writeAt(offset, bytes);
}
