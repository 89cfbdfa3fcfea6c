#include "pages/finder/PictureSearch.h"

#include "pages/finder/PointerIndex.h"
#include "pages/finder/RomBytes.h"
#include "pages/image/ImagePage.h"
#include "pages/image/Lz77.h"
#include "pages/image/Picture.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr std::size_t kFewestEntries = 4;
constexpr std::size_t kPaletteBytes = 32;
constexpr std::size_t kWorkBufferSize = Picture::kFrameTileBytes * Picture::kMaxFrames;
// Bytes decoded at most over all candidate tables, so that a file full of stream headers
// cannot keep the finder busy.
constexpr std::size_t kDecodeBudget = 64u * 1024 * 1024;

enum class StreamKind { Picture, Palette };

// The declared size of the LZ77 stream the entry at `at` leads to fits the kind.
bool leadsToKind(std::span<const std::uint8_t> rom, std::size_t at, StreamKind kind)
{
    const auto stream = rom_bytes::targetAt(rom, at + image_entry::kPointer);
    if (!stream || rom.size() - *stream < lz77::kHeaderSize || rom[*stream] != lz77::kTypeMarker)
        return false;
    const std::uint32_t size = little_endian::get24(rom, *stream + lz77::kSizeField);
    if (kind == StreamKind::Palette)
        return size == kPaletteBytes;
    return size > 0 && size <= kWorkBufferSize && size % Picture::kFrameTileBytes == 0;
}

class StreamDecoder {
public:
    explicit StreamDecoder(std::span<const std::uint8_t> rom) : m_rom(rom) {}

    bool decodes(std::size_t at)
    {
        const std::size_t stream = *rom_bytes::targetAt(m_rom, at + image_entry::kPointer);
        auto known = m_decoded.find(stream);
        if (known != m_decoded.end())
            return known->second;
        if (m_budget < kWorkBufferSize)
            return false;
        m_budget -= kWorkBufferSize;
        const bool done = lz77::Decompress(m_rom.subspan(stream), m_work).status == lz77::DecompressStatus::Done;
        m_decoded.emplace(stream, done);
        return done;
    }

private:
    std::span<const std::uint8_t> m_rom;
    std::array<std::uint8_t, kWorkBufferSize> m_work{};
    std::unordered_map<std::size_t, bool> m_decoded;
    std::size_t m_budget = kDecodeBudget;
};

std::vector<RecordRun> tablesOf(std::span<const std::uint8_t> rom, const std::vector<RecordRun>& pointerRows,
                                const std::vector<ByteSpan>& taken, StreamKind kind, StreamDecoder& decoder)
{
    const std::vector<RecordRun> runs = narrowRuns(
        narrowRuns(pointerRows, kFewestEntries, [&](std::size_t at) { return leadsToKind(rom, at, kind); }),
        kFewestEntries, [&](std::size_t at) { return decoder.decodes(at); });
    std::vector<RecordRun> parts;
    for (const RecordRun& run : runs) {
        for (const RecordRun& part : freeParts(run, taken)) {
            if (part.count >= kFewestEntries)
                parts.push_back(part);
        }
    }
    return withoutCopies(rom, parts);
}

std::string offsetsOf(const std::vector<RecordRun>& tables)
{
    std::string text;
    for (const RecordRun& table : tables)
        text += (text.empty() ? "" : ", ") + hexOffset(table.start) + " (" + std::to_string(table.count) + ")";
    return text.empty() ? "none" : text;
}

} // namespace

PictureTables findPictureTables(std::span<const std::uint8_t> rom, const PointerIndex& pointers,
                                const std::vector<ByteSpan>& taken)
{
    StreamDecoder decoder(rom);
    const std::vector<RecordRun> rows = pointers.rows(image_entry::kSize, image_entry::kPointer, kFewestEntries);
    const std::vector<RecordRun> pictures = tablesOf(rom, rows, taken, StreamKind::Picture, decoder);
    const std::vector<RecordRun> palettes = tablesOf(rom, rows, taken, StreamKind::Palette, decoder);
    PictureTables found;
    const bool oneCount = pictures.size() == 2 && palettes.size() == 2 &&
                          std::all_of(palettes.begin(), palettes.end(),
                                      [&](const RecordRun& table) { return table.count == pictures[0].count; }) &&
                          pictures[1].count == pictures[0].count;
    if (!oneCount) {
        found.evidence = "the image page needs two picture and two palette pointer tables of one count; "
                         "picture tables fit at " +
                         offsetsOf(pictures) + ", palette tables at " + offsetsOf(palettes);
        return found;
    }
    // The rows come in file order: the earlier of each pair is taken for the front pictures
    // and the normal palettes.
    found.offsets = {pictures[0].start, palettes[0].start, pictures[1].start, palettes[1].start};
    found.count = pictures[0].count;
    found.evidence = std::to_string(found.count) + " pointers each lead to LZ77 pictures at " +
                     hexOffset(pictures[0].start) + " and " + hexOffset(pictures[1].start) +
                     " and to 32-byte LZ77 palettes at " + hexOffset(palettes[0].start) + " and " +
                     hexOffset(palettes[1].start);
    return found;
}
