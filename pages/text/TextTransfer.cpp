#include "pages/text/TextTransfer.h"

#include <algorithm>
#include <vector>

std::optional<LoadedText> loadText(const std::string& romPath, std::uint32_t offset, const GameCodec& codec,
                                   std::string& errorText)
{
    const std::vector<std::uint8_t> read = readFileWindow(romPath, offset, kTextReadLimit, errorText);
    if (read.empty())
        return std::nullopt;
    const auto end = std::find(read.begin(), read.end(), GameCodec::kTerminator);
    // The file ended before the end byte and before the limit.
    if (end == read.end() && read.size() < static_cast<std::size_t>(kTextReadLimit)) {
        errorText = endOfFileErrorText();
        return std::nullopt;
    }
    LoadedText text;
    text.allowedBytes = static_cast<std::int32_t>(end - read.begin());
    // A growable string: 300 codes of up to three characters each, and the end marker.
    const auto shown = end == read.end() ? end : end + 1;
    for (auto it = read.begin(); it != shown; ++it)
        text.display += codec.decode(*it);
    return text;
}

Result writeText(RomFile file, std::uint32_t offset, std::span<const std::uint8_t> bytes)
{
    const std::int64_t size = file.isOpen() ? file.size() : -1;
    if (size < 0)
        return Result::failed(file.errorText());
    if (static_cast<std::int64_t>(offset) + static_cast<std::int64_t>(bytes.size()) > size)
        return Result::failed(endOfFileErrorText());
    if (!file.seek(offset) || !file.write(bytes))
        return Result::failed(file.errorText());
    return {};
}
