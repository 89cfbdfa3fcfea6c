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
    if (!file.seek(m_pointerLocation) || !file.read(pointer))
        return failWith(file);
    const std::optional<std::int32_t> offset = cartridge::offsetBySubtracting(cartridge::readPointer(pointer, 0));
    if (!offset)
        return failWith(endOfFileErrorText());
    m_tableOffset = *offset;

    if (!file.seek(m_tableOffset))
        return failWith(file);
    std::int64_t end = 0;
    if (!findListEnd(file, end))
        return false;
    const std::int64_t count =
        (end - m_tableOffset - static_cast<std::int64_t>(type_chart::kEndLength)) /
        static_cast<std::int64_t>(type_chart::kEntrySize);
    if (count <= 0)
        return true;
    if (!allocateTable(m_entries, count, type_chart::kEntrySize))
        return failWith(std::string(kNoTableText));
    if (!file.seek(m_tableOffset) || !file.read(m_entries))
        return failWith(file);
    return true;
}

bool CTamblor_Compatibility::findListEnd(RomFile& file, std::int64_t& end)
{
    std::array<std::uint8_t, kScanChunk> chunk{};
    std::int64_t position = m_tableOffset;
    bool afterEndByte = false;
    for (;;) {
        const std::int64_t got = file.readSome(chunk);
        if (got < 0)
            return failWith(file);
        if (got == 0)
            return failWith(endOfFileErrorText());
        for (std::int64_t i = 0; i < got; ++i) {
            ++position;
            const bool endByte = chunk[static_cast<std::size_t>(i)] == type_chart::kEndByte;
            if (endByte && afterEndByte) {
                end = position;
                return true;
            }
            afterEndByte = endByte;
        }
    }
}

bool CTamblor_Compatibility::DataWrite(RomFile& file)
{
    if (m_entries.empty() || m_tableOffset == kNotConfigured)
        return true;
    // The end bytes stay as they are.
    if (!file.seek(m_tableOffset) || !file.write(m_entries))
        return failWith(file);
    return true;
}

void CTamblor_Compatibility::Release()
{
    freeEntries();
}

void CTamblor_Compatibility::ReInd()
{
    Release();
    RomFile file = RomFile::openForReading(context().romPath());
    if (!file.isOpen()) {
        statusShow(context().statusLine(), file.errorText());
    } else if (!DataRead(file)) {
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
