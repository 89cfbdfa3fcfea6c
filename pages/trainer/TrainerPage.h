#pragma once

#include "core/GameSettings.h"
#include "core/WindowBase.h"
#include "core/ui/Shell.h"
#include "pages/trainer/TrainerDialog.h"
#include "pages/trainer/TrainerParty.h"
#include "pages/trainer/TrainerPictures.h"
#include "pages/trainer/TrainerRecord.h"

#include <cstddef>
#include <cstdint>
#include <optional>
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

    explicit CTrainer_Edit(PageContext& context);

    void Create(WindowHandle tabControl) override;
    void Destroy(int atShutdown) override;
    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    // The trainer table as DataWrite writes it, for a relocation's pointer record.
    Result writeTable(RomFile& file) const;
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
    // Whether the party buffer holds the party of the trainer shown: after a failed read it
    // holds zeros that must never be written over the real party.
    bool partyRead() const { return m_partyRead; }

    // Shows the current trainer on the page's dialog, reading its party from the ROM file.
    void showTrainer();

private:
    // The dialog's commands.
    void showTrainer(IDialogControls& controls);
    void showParty(IDialogControls& controls);
    void showMember(IDialogControls& controls, std::size_t slot);
    void fillMemberList(IDialogControls& controls, int selected);
    // An outside program's pick of a list entry (the frame's message), taken as a click on it.
    int pickTrainer(std::uintptr_t entry);
    void selectTrainer(IDialogControls& controls);
    void search(IDialogControls& controls, bool forward);
    void storeTrainer(IDialogControls& controls);
    void storeMember(IDialogControls& controls);
    void writePartyToRom();
    void loadTrainerPicture(IDialogControls& controls, int number);
    void loadMonsterPicture(IDialogControls& controls, int number);
    void paintPictures(IDialogControls& controls);
    void stepMonster(IDialogControls& controls, int step);
    void toggleTrainerPictures();
    void toggleMonsterPictures();
    void relocateParty();
    void setMenuItemEnabled(int command, bool enabled);
    void setMenuItemChecked(int command, bool checked);
    // The party's members as the buffer holds them: the stored count, at most six.
    std::size_t memberCount();

    std::vector<std::uint8_t> m_table;
    std::int32_t m_tableOffset = kNotConfigured;
    std::int32_t m_trainerCount = kNotConfigured;
    std::int32_t m_highestPicture = kNotConfigured;
    std::size_t m_currentTrainer = 0;
    TrainerParty m_party;
    std::string m_partyErrorText;
    GameFamily m_family = kFamilyUN;
    PictureState m_pictures;
    // The pictures shown, kept so that a dialog made again shows them.
    std::optional<RgbImage> m_trainerImage;
    std::optional<RgbImage> m_monsterImage;
    bool m_partyRead = false;
};
