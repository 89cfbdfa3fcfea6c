#pragma once

#include "core/RomFile.h"

#include <cstdint>
#include <string>
#include <vector>

// Pages whose pointers keep only the low three bytes of an offset cannot lead beyond this one:
// they refuse a move past it with this text.
inline constexpr std::uint32_t kThreeBytePointerReach = 0xFFFFFF;
inline constexpr const char* kBeyondThreeBytePointerText = "移動先が0xFFFFFFより後ろなので、ポインタが届きません。";

// What "設定" asks of the page: move the table to address with count entries.
struct RelocationChoice {
    std::uint32_t address = 0;
    std::int32_t count = 0;
    int dataType = 0;
    bool copyOldEntries = false;
};

// A page that moves one of its tables with the relocation dialog. The dialog writes the new
// area and only then lets the page rewrite its pointer, both through one open of the ROM, so
// that a failure before the pointer leaves the table where it was.
class IRelocationPage {
public:
    virtual ~IRelocationPage() = default;
    // Why the page cannot move its table as chosen (a message for the user); null to go on.
    virtual const char* refusal(const RelocationChoice&) { return nullptr; }
    // The bytes of the moved table: its entries (the old ones where asked) and its end.
    virtual std::vector<std::uint8_t> relocatedArea(const RelocationChoice& choice) = 0;
    // Points the table at choice.address.
    virtual Result rewritePointer(RomFile& file, const RelocationChoice& choice) = 0;
    // Both writes succeeded and the file is closed: show the table from its new place.
    virtual void relocated(const RelocationChoice& choice) = 0;
};

struct WriteOutResult {
    // The step that failed, which the user is told about.
    enum class Step { Open, Area, Pointer };
    Step step = Step::Open;
    Result status;
};

// Writes the area at the choice's address into the ROM opened for writing, then has the page
// rewrite its pointer; stops at the first failure (a file that did not open fails at Open).
WriteOutResult writeRelocatedTable(ResultOf<RomFile> file, IRelocationPage& page, const RelocationChoice& choice);
