#include "core/CartridgePointer.h"
#include "pages/finder/RomBytes.h"
#include "pages/finder/Searches.h"
#include "pages/typechart/TypeChartEntry.h"

#include <unordered_map>

// The type chart's pointer: four bytes anywhere that lead to entries of two types of the
// list and a multiplier of the chart, closed by FE FE where an entry would start.
namespace {

constexpr std::size_t kFewestEntries = 8;
// A chart names each pair of types once at most.
constexpr std::size_t kMostEntries = std::size_t{table_shape::kTypeCount} * table_shape::kTypeCount;

// The number of entries of a chart at `at`; nothing when the bytes there are no chart.
std::optional<std::size_t> chartEntries(std::span<const std::uint8_t> rom, std::size_t at)
{
    const std::size_t last = at + kMostEntries * type_chart::kEntrySize;
    for (std::size_t entry = at; entry <= last && entry + type_chart::kEndLength <= rom.size();
         entry += type_chart::kEntrySize) {
        if (rom[entry] == type_chart::kEndByte && rom[entry + 1] == type_chart::kEndByte) {
            const std::size_t entries = (entry - at) / type_chart::kEntrySize;
            return entries >= kFewestEntries ? std::optional(entries) : std::nullopt;
        }
        if (rom.size() - entry < type_chart::kEntrySize || rom[entry + type_chart::kAttacker] >= table_shape::kTypeCount ||
            rom[entry + type_chart::kDefender] >= table_shape::kTypeCount ||
            !table_shape::isChartMultiplier(rom[entry + type_chart::kMultiplier]))
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

void addTypeChartSearch(const SearchContext& context, std::vector<TableSearch>& searches)
{
    const std::span<const std::uint8_t> rom = context.rom;
    TableSearch pointer;
    pointer.key = "Compatibility";
    pointer.what = "a pointer to a type chart of at least " + std::to_string(kFewestEntries) + " entries";
    pointer.fixedCount = 1;
    // Charts are looked at once each, however many pointers lead to them.
    std::unordered_map<std::size_t, std::optional<std::size_t>> charts;
    for (std::size_t at : context.pointers.offsets()) {
        const auto chart = rom_bytes::targetAt(rom, at);
        auto known = charts.find(*chart);
        if (known == charts.end())
            known = charts.emplace(*chart, chartEntries(rom, *chart)).first;
        if (known->second)
            pointer.runs.push_back({at, 1, cartridge::kPointerSize});
    }
    const auto entriesOf = [rom](const RecordRun& place) {
        const std::size_t chart = *rom_bytes::targetAt(rom, place.start);
        return std::pair(chart, chartEntries(rom, chart).value_or(0));
    };
    pointer.describe = [entriesOf](const RecordRun& place) {
        const auto [chart, entries] = entriesOf(place);
        return "the type chart's pointer: " + std::to_string(entries) + " entries at " + hexOffset(chart) +
               ", then FE FE";
    };
    pointer.leadsTo = [entriesOf](const RecordRun& place) {
        const auto [chart, entries] = entriesOf(place);
        return std::vector<ByteSpan>{{chart, chart + entries * type_chart::kEntrySize + type_chart::kEndLength}};
    };
    searches.push_back(std::move(pointer));
}
