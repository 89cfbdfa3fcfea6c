#include "core/CartridgePointer.h"
#include "pages/image/ImagePage.h"
#include "pages/image/Lz77.h"
#include "pages/image/Picture.h"
#include "pages/item/ItemRecord.h"
#include "pages/monster/DexRecord.h"
#include "pages/monster/LevelUpList.h"
#include "pages/monster/LevelUpPointer.h"
#include "pages/trainer/PartyEntry.h"
#include "pages/trainer/TrainerRecord.h"
#include "pages/finder/TableShapes.h"
#include "tools/check_settings/ContentChecks.h"
#include "tools/check_settings/FaultTally.h"

#include <array>
#include <cinttypes>
#include <cstdio>
#include <unordered_map>

namespace {

// The monster page counts a level-up list by reading this many bytes for the two end bytes.
constexpr std::size_t kLevelUpScanLimit = level_up_list::kCountWindow;

// The image page decodes into a work buffer of four frames.
constexpr std::size_t kImageWorkBufferSize = Picture::kFrameTileBytes * Picture::kMaxFrames;
// Bytes decoded per pointer table at most, some 8000 full pictures: a real table has a few
// hundred entries, and a count from a wrong PicsNum must not keep the check busy for minutes.
constexpr std::size_t kDecodeBudget = 64u * 1024 * 1024;

std::string hexPointer(std::uint32_t pointer)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08" PRIX32, pointer);
    return text;
}

std::string pointerFault(const char* what, std::size_t index, std::uint32_t pointer)
{
    return std::string(what) + " " + std::to_string(index) + ", " + hexPointer(pointer);
}

std::string describeStream(std::span<const std::uint8_t> rom, std::size_t at, lz77::DecompressStatus status)
{
    if (status == lz77::DecompressStatus::NotCompressed) {
        char text[64];
        std::snprintf(text, sizeof text, "starts with 0x%02X, not the LZ77 marker 0x%02X", rom[at], lz77::kTypeMarker);
        return text;
    }
    const std::uint32_t declared = little_endian::get24(rom, at + lz77::kSizeField);
    if (declared > kImageWorkBufferSize)
        return "declares " + std::to_string(declared) + " bytes, more than the " +
               std::to_string(kImageWorkBufferSize) + " the image page decodes";
    return "does not decode: it refers before its start or runs past the end of the file";
}

} // namespace

using table_shape::pointerTarget;

ContentResult checkLevelUpPointers(const LocatedTable& table)
{
    ContentResult result;
    FaultTally outside;
    FaultTally endless;
    for (std::size_t monster = 0; monster < table.count; ++monster) {
        const std::uint32_t pointer = cartridge::readPointer(table.record(monster), 0);
        const std::optional<std::size_t> list = pointerTarget(pointer, table.rom.size());
        if (!list)
            outside.add([&] { return pointerFault("monster", monster, pointer); });
        else if (!table_shape::levelUpListEnds(table.rom, *list))
            endless.add([&] {
                return "monster " + std::to_string(monster) + " at " + hexOffset(static_cast<std::int64_t>(*list));
            });
    }
    outside.report(result.problems, table.count, "pointers do not lead inside the file");
    endless.report(result.problems, table.count,
                   "level-up lists do not end in FF FF within " + std::to_string(kLevelUpScanLimit) + " bytes");
    result.summary = std::to_string(table.count - outside.count()) + " pointers inside the file, " +
                     std::to_string(table.count - outside.count() - endless.count()) + " lists end within " +
                     std::to_string(kLevelUpScanLimit) + " bytes";
    return result;
}

ContentResult checkPicturePointers(const LocatedTable& table)
{
    ContentResult result;
    FaultTally outside;
    FaultTally undecodable;
    std::size_t unchecked = 0;
    std::size_t budget = kDecodeBudget;
    // Entries often share a stream (the unused ones lead to one picture); each is decoded once.
    std::unordered_map<std::size_t, lz77::DecompressStatus> decodedStreams;
    std::array<std::uint8_t, kImageWorkBufferSize> work{};
    for (std::size_t entry = 0; entry < table.count; ++entry) {
        const std::uint32_t pointer = cartridge::readPointer(table.record(entry), image_entry::kPointer);
        const std::optional<std::size_t> stream = pointerTarget(pointer, table.rom.size());
        if (!stream) {
            outside.add([&] { return pointerFault("entry", entry, pointer); });
            continue;
        }
        auto known = decodedStreams.find(*stream);
        if (known == decodedStreams.end()) {
            if (budget < kImageWorkBufferSize) {
                ++unchecked;
                continue;
            }
            const lz77::DecompressResult decoded = lz77::Decompress(table.rom.subspan(*stream), work);
            budget -= kImageWorkBufferSize;
            known = decodedStreams.emplace(*stream, decoded.status).first;
        }
        if (known->second != lz77::DecompressStatus::Done)
            undecodable.add([&] {
                return "entry " + std::to_string(entry) + " at " + hexOffset(static_cast<std::int64_t>(*stream)) + " " +
                       describeStream(table.rom, *stream, known->second);
            });
    }
    outside.report(result.problems, table.count, "pointers do not lead inside the file");
    undecodable.report(result.problems, table.count, "LZ77 streams do not decode");
    result.summary = std::to_string(table.count - outside.count()) + " pointers inside the file, " +
                     std::to_string(table.count - outside.count() - undecodable.count() - unchecked) +
                     " LZ77 streams decode";
    if (unchecked > 0)
        result.summary += ", " + std::to_string(unchecked) + " beyond what the check decodes";
    return result;
}

ContentResult checkItemRecords(const LocatedTable& table)
{
    ContentResult result;
    FaultTally outside;
    for (std::size_t item = 0; item < table.count; ++item) {
        const std::uint32_t pointer = cartridge::readPointer(table.record(item), item_record::kDescription);
        if (!pointerTarget(pointer, table.rom.size()))
            outside.add([&] { return pointerFault("item", item, pointer); });
    }
    outside.report(result.problems, table.count, "description pointers do not lead inside the file");
    result.summary = std::to_string(table.count - outside.count()) + " description pointers inside the file";
    return result;
}

ContentResult checkDexRecords(const LocatedTable& table)
{
    ContentResult result;
    FaultTally outside;
    for (std::size_t number = 0; number < table.count; ++number) {
        const std::uint32_t pointer = cartridge::readPointer(table.record(number), dex_record::kDescriptionPointer);
        if (!pointerTarget(pointer, table.rom.size()))
            outside.add([&] { return pointerFault("dex number", number, pointer); });
    }
    outside.report(result.problems, table.count, "description pointers do not lead inside the file");
    result.summary = std::to_string(table.count - outside.count()) + " description pointers inside the file";
    return result;
}

ContentResult checkTrainerRecords(const LocatedTable& table)
{
    ContentResult result = checkTrainerNames(table);
    FaultTally outside;
    FaultTally tooLarge;
    std::size_t parties = 0;
    for (std::size_t trainer = 0; trainer < table.count; ++trainer) {
        const auto record = table.record(trainer).first<trainer_record::kSize>();
        const std::uint8_t members = trainer_record::partyCount(record);
        // A trainer without a party has no pointer to follow.
        if (members == 0)
            continue;
        ++parties;
        if (members > trainer_record::kMaxPartyCount)
            tooLarge.add([&] { return "trainer " + std::to_string(trainer) + ", " + std::to_string(members); });
        const std::uint32_t pointer = cartridge::readPointer(record, trainer_record::kPartyPointer);
        const std::optional<std::size_t> party = pointerTarget(pointer, table.rom.size());
        const std::size_t partyBytes = members * party_entry::layoutOf(trainer_record::dataType(record)).size;
        if (!party || table.rom.size() - *party < partyBytes)
            outside.add([&] { return pointerFault("trainer", trainer, pointer); });
    }
    tooLarge.report(result.problems, parties,
                    "parties have more than " + std::to_string(trainer_record::kMaxPartyCount) + " members");
    outside.report(result.problems, parties, "parties do not lie inside the file");
    result.summary += ", " + std::to_string(parties - outside.count()) + " parties inside the file";
    return result;
}
