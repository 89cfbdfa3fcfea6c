#pragma once

#include "core/relocation/RelocationWriteOut.h"

class CTrainer_Edit;

// The current trainer's party for the relocation dialog: the new area (GbaRom_Tamblor_New_Data,
// with the old members copied in where asked, GbaRom_Tamblor_Data_Save2), then the trainer
// table with the record that leads to it (GbaRom_Data_Save).
class TrainerRelocation final : public IRelocationPage {
public:
    explicit TrainerRelocation(CTrainer_Edit& page) : m_page(page) {}

    const char* refusal(const RelocationChoice& choice) override;
    std::vector<std::uint8_t> relocatedArea(const RelocationChoice& choice) override;
    Result rewritePointer(RomFile& file, const RelocationChoice& choice) override;
    void relocated(const RelocationChoice& choice) override;

private:
    CTrainer_Edit& m_page;
};
