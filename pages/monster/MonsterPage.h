#pragma once

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
#include <span>
#include <vector>

// The monster editor: base stats, evolutions, dex entries and level-up list offsets in the
// page, the monster names in the session's shared tables.
class CSolid_Value : public CWindowBase {
public:
    static constexpr std::size_t kMonsterCount = SharedTables::kMonsterCount;
    using Name = std::span<std::uint8_t, SharedTables::kMonsterNameSize>;
    using ConstName = std::span<const std::uint8_t, SharedTables::kMonsterNameSize>;

    // The dex description shown last: where it lies and how many bytes it takes.
    struct Description {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    // The TM/HM window's copy of one compatibility record and its check boxes.
    struct TmHmState {
        std::array<std::uint8_t, tm_hm_record::kSize> record{};
        std::array<std::uint8_t, tm_hm_record::kCheckCount> checks{};
    };

    explicit CSolid_Value(PageContext& context);

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

private:
    void clearImages();

    bool readNames(RomFile& file);
    bool readBaseStats(RomFile& file);
    bool readEvolutions(RomFile& file);
    bool readDex(RomFile& file);
    bool readLevelUpOffsets(RomFile& file);
    bool writeEvolutions(RomFile& file) const;
    bool writeDex(RomFile& file) const;

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
    TmHmState m_tmHm;
};
