#pragma once

#include "core/relocation/RelocationWriteOut.h"

class CSolid_Value;

// The current monster's level-up list for the relocation dialog: the entries and the end
// entry at the new place (GbaRomData_Waza_Data_Save), then the pointer table that leads to
// them (GbaRomData_Level_Addr_Save), then the move count cache.
class LevelUpRelocation final : public IRelocationPage {
public:
    explicit LevelUpRelocation(CSolid_Value& page) : m_page(page) {}

    const char* refusal(const RelocationChoice& choice) override;
    std::vector<std::uint8_t> relocatedArea(const RelocationChoice& choice) override;
    Result rewritePointer(RomFile& file, const RelocationChoice& choice) override;
    void relocated(const RelocationChoice& choice) override;

private:
    CSolid_Value& m_page;
};
