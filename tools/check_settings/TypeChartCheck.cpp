#include "core/CartridgePointer.h"
#include "pages/finder/TableShapes.h"
#include "pages/typechart/TypeChartEntry.h"
#include "tools/check_settings/ContentChecks.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace {

std::string entryText(std::span<const std::uint8_t> entry)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02X %02X %02X", entry[0], entry[1], entry[2]);
    return text;
}

} // namespace

// The chart is read entry by entry: a sound chart ends in FE FE where an entry would start,
// and every entry before it has one of the chart's multipliers. The page looks for the two
// end bytes anywhere; a chart that is sound by this reading ends at the same place.
ContentResult checkTypeChartPointer(const LocatedTable& table)
{
    ContentResult result;
    const std::uint32_t pointer = cartridge::readPointer(table.bytes, 0);
    const std::optional<std::size_t> chart = table_shape::pointerTarget(pointer, table.rom.size());
    if (!chart) {
        char text[96];
        std::snprintf(text, sizeof text, "the pointer 0x%08" PRIX32 " does not lead inside the file", pointer);
        result.problems.emplace_back(text);
        result.summary = "a pointer that leads nowhere";
        return result;
    }
    const std::span<const std::uint8_t> rest = table.rom.subspan(*chart);
    for (std::size_t at = 0; at + type_chart::kEndLength <= rest.size(); at += type_chart::kEntrySize) {
        if (rest[at] == type_chart::kEndByte && rest[at + 1] == type_chart::kEndByte) {
            const std::size_t entries = at / type_chart::kEntrySize;
            result.target = Extent{static_cast<std::int64_t>(*chart),
                                   static_cast<std::int64_t>(*chart + at + type_chart::kEndLength)};
            result.targetWhat = "the type chart";
            result.summary = "leads to the type chart at " + hexOffset(result.target->start) + ", " +
                             std::to_string(entries) + " entries, then FE FE";
            return result;
        }
        if (rest.size() - at < type_chart::kEntrySize)
            break;
        const std::span<const std::uint8_t> entry = rest.subspan(at, type_chart::kEntrySize);
        if (!table_shape::isChartMultiplier(entry[type_chart::kMultiplier])) {
            result.problems.push_back("the type chart at " + hexOffset(static_cast<std::int64_t>(*chart)) +
                                      " does not end in FE FE before entry " +
                                      std::to_string(at / type_chart::kEntrySize) + " at " +
                                      hexOffset(static_cast<std::int64_t>(*chart + at)) + " (" + entryText(entry) +
                                      "), which has no multiplier of the chart (0, 5 or 20)");
            result.summary = "leads to the type chart at " + hexOffset(static_cast<std::int64_t>(*chart));
            return result;
        }
    }
    result.problems.push_back("the type chart at " + hexOffset(static_cast<std::int64_t>(*chart)) +
                              " does not end in FE FE before the end of the file");
    result.summary = "leads to the type chart at " + hexOffset(static_cast<std::int64_t>(*chart));
    return result;
}
