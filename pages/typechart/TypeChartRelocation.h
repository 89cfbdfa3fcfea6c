#pragma once

#include "core/relocation/RelocationWriteOut.h"

class CTamblor_Compatibility;

// The type chart's write-out for the relocation dialog (GbaRomData_Comp_Data_Save): the
// entries and the end bytes at the new place, then the one pointer that leads to them.
class TypeChartRelocation final : public IRelocationPage {
public:
    explicit TypeChartRelocation(CTamblor_Compatibility& page) : m_page(page) {}

    std::vector<std::uint8_t> relocatedArea(const RelocationChoice& choice) override;
    Result rewritePointer(RomFile& file, const RelocationChoice& choice) override;
    void relocated(const RelocationChoice& choice) override;

private:
    CTamblor_Compatibility& m_page;
};
