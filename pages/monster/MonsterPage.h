#pragma once

#include "core/FieldStore.h"
#include "core/GameSettings.h"
#include "core/SharedTables.h"
#include "core/WindowBase.h"
#include "pages/monster/MonsterDialog.h"
#include "pages/monster/BaseStatsRecord.h"
#include "pages/monster/DexRecord.h"
#include "pages/monster/EvolutionRecord.h"
#include "pages/monster/TmHmRecord.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class IDialogControls;
class TmHmWindow;

// The monster editor: base stats, evolutions, dex entries and level-up list offsets in the
// page, the monster names in the session's shared tables.
class CSolid_Value : public CWindowBase {
public:
    static constexpr std::size_t kMonsterCount = SharedTables::kMonsterCount;
    using Name = std::span<std::uint8_t, SharedTables::kMonsterNameSize>;
    using ConstName = std::span<const std::uint8_t, SharedTables::kMonsterNameSize>;

    // The dex description shown last: where it lies and how many bytes it takes; loaded when
    // those bytes were read, and room is how many of them the text holds up to its 0xFF.
    struct Description {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
        bool loaded = false;
        std::uint32_t room = 0;
    };
    // The TM/HM window's copy of one compatibility record and its check boxes.
    struct TmHmState {
        tm_hm_record::Record record{};
        tm_hm_record::Checks checks{};
    };

    explicit CSolid_Value(PageContext& context);
    ~CSolid_Value() override;

    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    int DialogId() override { return monster_dialog::kTemplateId; }

    std::int32_t nameOffset() const { return m_nameOffset; }
    std::int32_t baseStatsOffset() const { return m_baseStatsOffset; }
    std::int32_t evolutionOffset() const { return m_evolutionOffset; }
    std::int32_t dexOffset() const { return m_dexOffset; }
    std::int32_t levelUpTableOffset() const { return m_levelUpTableOffset; }
    std::int32_t tmHmOffset() const { return m_tmHmOffset; }
    std::int32_t currentMonster() const { return m_currentMonster; }

    // The accessors below take a monster index below 412 or a dex number below 387.
    Name name(std::size_t monster);
    ConstName name(std::size_t monster) const;
    base_stats_record::Record baseStats(std::size_t monster);
    base_stats_record::ConstRecord baseStats(std::size_t monster) const;
    EvolutionEntry& evolution(std::size_t monster) { return m_evolutions[monster]; }
    const EvolutionEntry& evolution(std::size_t monster) const { return m_evolutions[monster]; }
    DexEntry& dex(std::size_t dexNumber) { return m_dex[dexNumber]; }
    const DexEntry& dex(std::size_t dexNumber) const { return m_dex[dexNumber]; }
    // The file offset of the monster's level-up move list.
    std::uint32_t levelUpOffset(std::size_t monster) const { return m_levelUpOffsets[monster]; }

    // The shown monster's level-up list, two bytes an entry, without its end entry.
    std::vector<std::uint8_t>& levelUpList() { return m_levelUpList; }
    Description& description() { return m_description; }
    TmHmState& tmHm() { return m_tmHm; }
    // The TM/HM window once "技マシン" made it; null before.
    TmHmWindow* tmHmWindow() const { return m_tmHmWindow.get(); }

private:
    const std::string& romPath() const { return context().romPath(); }
    void clearImages();
    void forgetLevelUpList();
    void fillLists(IDialogControls& controls);
    bool isFireRed() const;

    // The dialog's commands (MonsterPageDialog.cpp).
    void showMonster(IDialogControls& controls);
    void showEvolutionSlot(IDialogControls& controls, std::size_t slot);
    void storeMethod(IDialogControls& controls);
    // The slot chosen in the slot combo; slot 0 without a choice.
    static std::size_t selectedSlot(const IDialogControls& controls);
    void storeName(IDialogControls& controls);
    void storeRecord(IDialogControls& controls);
    void storeEvolution(IDialogControls& controls, FieldStore& store);

    // The dex group (MonsterDexDialog.cpp).
    void showDexEntry(IDialogControls& controls, std::size_t dexNumber);
    void storeCategory(IDialogControls& controls);
    void storeHeightAndWeight(IDialogControls& controls);
    void saveDescription(IDialogControls& controls);

    // The level-up group (LevelUpListDialog.cpp).
    void showLevelUpList(IDialogControls& controls);
    void fillLevelUpLines(IDialogControls& controls, int selected);
    void selectLevelUpLine(IDialogControls& controls);
    void storeLevelUpEntry(IDialogControls& controls);
    void swapLevelUpEntries(IDialogControls& controls, bool upwards);
    void saveLevelUpList();
    void relocateLevelUpList();
    // After a relocation: the monster's list is at the new address with count entries.
    void levelUpListMoved(std::uint32_t address, std::int32_t count);

    void showTmHmWindow();

    friend class LevelUpRelocation;

    Result readNames(RomFile& file);
    Result readBaseStats(RomFile& file);
    Result readEvolutions(RomFile& file);
    Result readDex(RomFile& file);
    Result readLevelUpOffsets(RomFile& file);
    Result writeEvolutions(RomFile& file) const;
    Result writeDex(RomFile& file) const;

    std::int32_t m_currentMonster = 0;
    std::int32_t m_baseStatsOffset = kNotConfigured;
    std::int32_t m_evolutionOffset = kNotConfigured;
    std::int32_t m_dexOffset = kNotConfigured;
    std::int32_t m_levelUpTableOffset = kNotConfigured;
    std::int32_t m_tmHmOffset = kNotConfigured;
    std::int32_t m_nameOffset = kNotConfigured;
    Description m_description;

    std::array<std::uint8_t, base_stats_record::kTableSize> m_baseStats{};
    std::array<EvolutionEntry, kMonsterCount> m_evolutions{};
    std::array<DexEntry, dex_record::kCount> m_dex{};
    std::array<std::uint32_t, kMonsterCount> m_levelUpOffsets{};
    std::vector<std::uint8_t> m_levelUpList;
    // The shown list was read in full; how many of its entries lie before the end entry that
    // the ROM holds (fewer than the count where the cache says more than is there).
    bool m_levelUpLoaded = false;
    std::size_t m_levelUpRoom = 0;
    bool m_rescan = false;
    TmHmState m_tmHm;
    std::unique_ptr<TmHmWindow> m_tmHmWindow;
};
