#pragma once

#include "core/RomFile.h"
#include "pages/trainer/PartyEntry.h"
#include "pages/trainer/TrainerRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The party of the trainer being shown: each slot's 8-byte base part and 8-byte move part.
struct TrainerParty {
    using Part = std::array<std::uint8_t, party_entry::kBasePartSize>;

    std::array<Part, trainer_record::kMaxPartyCount> base{};
    std::array<Part, trainer_record::kMaxPartyCount> moves{};

    // A u16 at an entry offset of 0x00 to 0x0E, in whichever part holds it.
    std::uint16_t get16(std::size_t slot, std::size_t entryOffset) const;
    void set16(std::size_t slot, std::size_t entryOffset, std::uint16_t value);
};

// Results of the party file operations.
inline constexpr int kPartyDone = 0;
inline constexpr int kPartyOpenFailed = 1;
inline constexpr int kPartyTransferFailed = 2;

struct PartyTransfer {
    // Where a failure happened, which the user is told about.
    enum class Step { Open, Transfer };
    Step step = Step::Transfer;
    Result status;
    // kPartyDone, kPartyOpenFailed or kPartyTransferFailed.
    int code() const { return status.ok() ? kPartyDone : step == Step::Open ? kPartyOpenFailed : kPartyTransferFailed; }
};

// Reads count entries (at most six, the party's room) from the ROM file at the path. The
// base parts are zeroed first; move parts are read only for data types with moves and keep
// what they held otherwise. A monster number above the highest becomes 0.
PartyTransfer readParty(const std::string& romPath, std::uint32_t offset, std::uint8_t count,
                        std::uint8_t dataType, TrainerParty& party);
// Writes count entries (at most six) into the ROM opened for writing; a file that did not open
// fails at Open. A party that would run past the end of the file is refused, so a stray
// pointer cannot grow the cartridge.
PartyTransfer writeParty(ResultOf<RomFile> file, std::uint32_t offset, std::uint8_t count, std::uint8_t dataType,
                         const TrainerParty& party);
