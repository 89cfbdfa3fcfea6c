#pragma once

#include "core/GameSettings.h"
#include "core/WindowBase.h"
#include "pages/trainer/TrainerDialog.h"
#include "pages/trainer/TrainerParty.h"
#include "pages/trainer/TrainerPictures.h"
#include "pages/trainer/TrainerRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The trainer editor. The trainer table lives in memory from LoadSettings to Release; the
// party of the trainer being shown is read from and written to the ROM file directly.
class CTrainer_Edit : public CWindowBase {
public:
    // Which pictures are shown, and which are loaded (-1 for none yet).
    struct PictureState {
        int trainerPicture = -1;
        int monsterPicture = -1;
        bool showTrainerPictures = true;
        bool showMonsterPictures = true;
        bool pictureLoaded = false;
    };

    // What the party relocation dialog's search chose, until it is applied.
    struct PendingRelocation {
        int partyCount = 0;
        int dataType = 0;
    };

    explicit CTrainer_Edit(PageContext& context);

    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    int DialogId() override { return trainer_dialog::kTemplateId; }

    // The party file operations: each opens the ROM by its path for this one action and
    // returns kPartyDone, kPartyOpenFailed or kPartyTransferFailed (partyErrorText() then
    // holds the system's text). The trainer's data type decides the entry format; a trainer
    // the table does not hold is a failed transfer.
    int GbaRom_Tamblor_Data_Load(std::uint32_t partyOffset, std::uint8_t partyCount, std::size_t trainer);
    int GbaRom_Tamblor_Data_Save(std::uint32_t partyOffset, std::uint8_t partyCount, std::size_t trainer);
    const std::string& partyErrorText() const { return m_partyErrorText; }

    bool hasTable() const { return !m_table.empty(); }
    std::int32_t tableOffset() const { return m_tableOffset; }
    std::int32_t trainerCount() const { return m_trainerCount; }
    std::int32_t highestTrainerPicture() const { return m_highestPicture; }
    std::size_t recordCount() const { return m_table.size() / trainer_record::kSize; }
    // The trainer's record in the table; index below recordCount().
    std::span<std::uint8_t, trainer_record::kSize> record(std::size_t index);

    std::size_t currentTrainer() const { return m_currentTrainer; }
    void setCurrentTrainer(std::size_t index) { m_currentTrainer = index; }
    TrainerParty& party() { return m_party; }
    GameFamily gameFamily() const { return m_family; }
    PictureState& pictures() { return m_pictures; }
    PendingRelocation& pendingRelocation() { return m_pending; }

private:
    std::vector<std::uint8_t> m_table;
    std::int32_t m_tableOffset = kNotConfigured;
    std::int32_t m_trainerCount = kNotConfigured;
    std::int32_t m_highestPicture = kNotConfigured;
    std::size_t m_currentTrainer = 0;
    TrainerParty m_party;
    std::string m_partyErrorText;
    GameFamily m_family = kFamilyUN;
    PictureState m_pictures;
    PendingRelocation m_pending;
};
