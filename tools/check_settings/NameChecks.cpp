#include "core/codec/GameCodec.h"
#include "pages/finder/TableShapes.h"
#include "pages/trade/TradeRecord.h"
#include "pages/trainer/TrainerRecord.h"
#include "tools/check_settings/ContentChecks.h"
#include "tools/check_settings/FaultTally.h"

#include <array>

namespace {

using table_shape::NameFault;

std::string describe(NameFault fault, std::size_t fieldSize)
{
    if (fault == NameFault::LineBreak)
        return "holds a line break";
    return "has no end byte within its " + std::to_string(fieldSize) + " bytes";
}

// The name up to its end byte, for the table's line.
std::string nameText(std::span<const std::uint8_t> field)
{
    std::string text;
    for (std::uint8_t code : field) {
        if (code == GameCodec::kTerminator)
            break;
        text += gameCodec().decode(code);
    }
    return "\"" + text + "\"";
}

struct NameField {
    std::size_t offset;
    std::size_t size;
    const char* what;
};

ContentResult checkNameFields(const LocatedTable& table, std::span<const NameField> fields, const char* recordWord)
{
    ContentResult result;
    FaultTally faults;
    std::size_t names = 0;
    for (std::size_t i = 0; i < table.count; ++i) {
        const std::span<const std::uint8_t> record = table.record(i);
        for (const NameField& field : fields) {
            ++names;
            if (auto fault = table_shape::nameFault(record.subspan(field.offset, field.size))) {
                const auto at = record.data() - table.rom.data() + static_cast<std::ptrdiff_t>(field.offset);
                faults.add([&] {
                    return std::string(field.what) + " of " + recordWord + " " + std::to_string(i) + " at " +
                           hexOffset(at) + " " + describe(*fault, field.size);
                });
            }
        }
    }
    faults.report(result.problems, names, "names do not decode");
    result.summary = std::to_string(names - faults.count()) + " of " + std::to_string(names) + " names decode";
    if (table.count > 0 && faults.count() == 0)
        result.summary += ", the first " + nameText(table.record(0).subspan(fields[0].offset, fields[0].size));
    return result;
}

} // namespace

ContentResult checkNameTable(const LocatedTable& table)
{
    const std::array<NameField, 1> fields = {{{0, table.recordSize, "name"}}};
    return checkNameFields(table, fields, "entry");
}

ContentResult checkTradeRecords(const LocatedTable& table)
{
    const std::array<NameField, 2> fields = {{{trade_record::kNickname, trade_record::kNameSize, "nickname"},
                                              {trade_record::kParentName, trade_record::kNameSize, "parent name"}}};
    return checkNameFields(table, fields, "trade");
}

ContentResult checkTrainerNames(const LocatedTable& table)
{
    const std::array<NameField, 1> fields = {{{trainer_record::kName, trainer_record::kNameSize, "name"}}};
    return checkNameFields(table, fields, "trainer");
}
