#include "pages/finder/TableShapes.h"

#include "core/CartridgePointer.h"
#include "core/SharedTables.h"
#include "core/codec/GameCodec.h"
#include "pages/monster/LevelUpList.h"
#include "pages/typechart/TypeChartEntry.h"

#include <algorithm>
#include <array>
#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace table_shape {

namespace {

// The codes whose text holds a line break, from the codec's own table.
std::array<bool, 256> lineBreakCodes()
{
    std::array<bool, 256> breaks{};
    for (std::size_t code = 0; code < GameCodec::kTerminator; ++code)
        breaks[code] = gameCodec().decode(static_cast<std::uint8_t>(code)).find('\n') != std::string_view::npos;
    return breaks;
}

// Made once, before the scans that ask it millions of times.
const std::array<bool, 256> kLineBreaks = lineBreakCodes();

} // namespace

bool breaksLine(std::uint8_t code)
{
    return kLineBreaks[code];
}

std::optional<NameFault> nameFault(std::span<const std::uint8_t> field)
{
    for (std::uint8_t code : field) {
        if (code == GameCodec::kTerminator)
            return std::nullopt;
        if (breaksLine(code))
            return NameFault::LineBreak;
    }
    return NameFault::NoEndByte;
}

bool isName(std::span<const std::uint8_t> field)
{
    if (field.empty() || field[0] == GameCodec::kTerminator || field[0] == kBlank)
        return false;
    // Most fields of a scan hold no end byte: they end here, without a look at each code.
    const void* end = std::memchr(field.data(), GameCodec::kTerminator, field.size());
    return end && !nameFault(field.first(static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - field.data()) + 1));
}

bool namesMonster(std::uint16_t monster)
{
    return monster > 0 && monster < SharedTables::kMonsterCount;
}

bool isChartMultiplier(std::uint8_t value)
{
    return std::find(std::begin(type_chart::kMultiplierValues), std::end(type_chart::kMultiplierValues), value) !=
           std::end(type_chart::kMultiplierValues);
}

std::optional<std::size_t> pointerTarget(std::uint32_t pointer, std::size_t fileSize)
{
    const std::optional<std::int32_t> offset = cartridge::offsetBySubtracting(pointer);
    if (!offset || static_cast<std::size_t>(*offset) >= fileSize)
        return std::nullopt;
    return static_cast<std::size_t>(*offset);
}

bool levelUpListEnds(std::span<const std::uint8_t> rom, std::size_t at)
{
    if (at >= rom.size())
        return false;
    const std::span<const std::uint8_t> list = rom.subspan(at, std::min(level_up_list::kCountWindow, rom.size() - at));
    for (std::size_t i = 1; i < list.size(); ++i) {
        if (list[i - 1] == GameCodec::kTerminator && list[i] == GameCodec::kTerminator)
            return true;
    }
    return false;
}

} // namespace table_shape

std::string hexOffset(std::int64_t offset)
{
    char text[32];
    if (offset < 0)
        std::snprintf(text, sizeof text, "%" PRId64, offset);
    else
        std::snprintf(text, sizeof text, "0x%06" PRIX64, static_cast<std::uint64_t>(offset));
    return text;
}
