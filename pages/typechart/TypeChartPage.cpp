#include "pages/typechart/TypeChartPage.h"

#include "core/CartridgePointer.h"
#include "core/TableBuffer.h"
#include "core/ui/StatusLine.h"
#include "pages/typechart/TypeChartEntry.h"

#include <array>
#include <optional>

namespace {
// The end bytes are looked for a chunk at a time; one read per byte would take minutes
// on a list that runs to the end of a 32 MiB file.
constexpr std::size_t kScanChunk = 4096;
} // namespace

CTamblor_Compatibility::CTamblor_Compatibility(PageContext& context) : CWindowBase(context, "CTamblor_Compatibility")
{
}

void CTamblor_Compatibility::Reset()
{
    freeEntries();
    m_pointerLocation = kNotConfigured;
    m_tableOffset = kNotConfigured;
    m_currentEntry = 0;
}

void CTamblor_Compatibility::LoadSettings(const std::string& section)
{
    const GameSettings settings = context().gameSettings(section);
    m_pointerLocation = settings.offset("Compatibility");
    freeEntries();
}

bool CTamblor_Compatibility::DataRead(RomFile& file)
{
    if (m_pointerLocation == kNotConfigured)
        return true;
    std::array<std::uint8_t, cartridge::kPointerSize> pointer{};
    if (Result done = file.readAt(m_pointerLocation, pointer); !done.ok())
        return failWith(done);
    const std::optional<std::int32_t> offset = cartridge::offsetBySubtracting(cartridge::readPointer(pointer, 0));
    if (!offset)
        return failWith(endOfFileErrorText());
    m_tableOffset = *offset;

    const ResultOf<std::int64_t> end = findListEnd(file);
    if (!end.ok())
        return failWith(end.failure());
    const std::int64_t count =
        (*end - m_tableOffset - static_cast<std::int64_t>(type_chart::kEndLength)) /
        static_cast<std::int64_t>(type_chart::kEntrySize);
    if (count <= 0)
        return true;
    if (!allocateTable(m_entries, count, type_chart::kEntrySize))
        return failWith(std::string(kNoTableText));
    if (Result done = file.readAt(m_tableOffset, m_entries); !done.ok())
        return failWith(done);
    return true;
}

ResultOf<std::int64_t> CTamblor_Compatibility::findListEnd(RomFile& file) const
{
    if (Result moved = file.seek(m_tableOffset); !moved.ok())
        return moved;
    std::array<std::uint8_t, kScanChunk> chunk{};
    std::int64_t position = m_tableOffset;
    bool afterEndByte = false;
    for (;;) {
        const ResultOf<std::int64_t> got = file.readSome(chunk);
        if (!got.ok())
            return got.failure();
        if (*got == 0)
            return Result::failed(endOfFileErrorText());
        for (std::int64_t i = 0; i < *got; ++i) {
            ++position;
            const bool endByte = chunk[static_cast<std::size_t>(i)] == type_chart::kEndByte;
            if (endByte && afterEndByte)
                return position;
            afterEndByte = endByte;
        }
    }
}

bool CTamblor_Compatibility::DataWrite(RomFile& file)
{
    if (m_entries.empty() || m_tableOffset == kNotConfigured)
        return true;
    // The end bytes stay as they are.
    if (Result done = file.writeAt(m_tableOffset, m_entries); !done.ok())
        return failWith(done);
    return true;
}

void CTamblor_Compatibility::Release()
{
    freeEntries();
}

void CTamblor_Compatibility::ReInd()
{
    Release();
    ResultOf<RomFile> file = RomFile::openForReading(context().romPath());
    if (!file.ok()) {
        statusShow(context().statusLine(), file.errorText());
    } else if (!DataRead(*file)) {
        // Nothing half-read stays to be shown, relocated or saved.
        Release();
        statusPrint(context().statusLine(), "%s::ReInd を実行中にエラーが発生しました。%s", className(),
                    context().errorText().c_str());
    }
    InitDialog(nullptr);
}

std::size_t CTamblor_Compatibility::entryCount() const
{
    return m_entries.size() / type_chart::kEntrySize;
}

std::span<std::uint8_t> CTamblor_Compatibility::entry(std::size_t index)
{
    if (index >= entryCount())
        return {};
    return std::span<std::uint8_t>(m_entries).subspan(index * type_chart::kEntrySize, type_chart::kEntrySize);
}

void CTamblor_Compatibility::freeEntries()
{
    m_entries.clear();
    m_entries.shrink_to_fit();
}
