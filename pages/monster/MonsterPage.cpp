#include "pages/monster/MonsterPage.h"

#include "pages/monster/LevelUpPointer.h"
#include "pages/monster/TmHmWindow.h"

#include <algorithm>

namespace {

static_assert(base_stats_record::kCount == CSolid_Value::kMonsterCount);
static_assert(level_up_pointer::kCount == CSolid_Value::kMonsterCount);

constexpr std::size_t kNameTableSize = SharedTables::kMonsterCount * SharedTables::kMonsterNameSize;
constexpr std::size_t kEvolutionTableSize = CSolid_Value::kMonsterCount * evolution_record::kMonsterSize;
// The last dex record is read without its final two bytes.
constexpr std::size_t kDexReadSize = (dex_record::kCount - 1) * dex_record::kSize + dex_record::kReadSize;
constexpr std::size_t kLevelUpTableSize = level_up_pointer::kCount * level_up_pointer::kSize;

// A table is read in one piece into a block of its own, so that a file that ends inside it
// leaves the page's copy as it was instead of half replaced.
bool readBlock(RomFile& file, std::int32_t offset, std::vector<std::uint8_t>& block, std::size_t size)
{
    block.assign(size, 0);
    return file.seek(offset) && file.read(block);
}

// Writes only the record's runs; the bytes between them keep what the file holds.
bool writeRuns(RomFile& file, std::int64_t recordStart, std::span<const std::uint8_t> record,
               std::span<const record_bytes::Run> runs)
{
    for (const record_bytes::Run& run : runs) {
        if (!file.seek(recordStart + static_cast<std::int64_t>(run.offset)) ||
            !file.write(record.subspan(run.offset, run.length)))
            return false;
    }
    return true;
}

} // namespace

CSolid_Value::CSolid_Value(PageContext& context) : CWindowBase(context, "CSolid_Value")
{
}

CSolid_Value::~CSolid_Value() = default;

void CSolid_Value::Reset()
{
    clearImages();
    forgetLevelUpList();
    m_nameOffset = kNotConfigured;
    m_baseStatsOffset = kNotConfigured;
    m_evolutionOffset = kNotConfigured;
    m_dexOffset = kNotConfigured;
    m_levelUpTableOffset = kNotConfigured;
    m_tmHmOffset = kNotConfigured;
    m_currentMonster = 0;
    m_description = {};
    m_tmHm = {};
}

void CSolid_Value::LoadSettings(const std::string& section)
{
    const GameSettings settings = context().gameSettings(section);
    m_baseStatsOffset = settings.offset("MonsterBaseStats_Pos");
    m_evolutionOffset = settings.offset("Monster_Evol_Data_Pos");
    m_dexOffset = settings.offset("MonsterDexData");
    m_levelUpTableOffset = settings.offset("Level_Skill");
    m_tmHmOffset = settings.offset("Skill_Machine");
    m_nameOffset = settings.offset("Name_Start_Pos");
}

bool CSolid_Value::DataRead(RomFile& file)
{
    if (!readNames(file) || !readBaseStats(file) || !readEvolutions(file) || !readDex(file) ||
        !readLevelUpOffsets(file))
        return failWith(file);
    return true;
}

bool CSolid_Value::DataWrite(RomFile& file)
{
    if (m_nameOffset != kNotConfigured) {
        if (!file.seek(m_nameOffset) || !file.write(context().tables().monsterNames))
            return failWith(file);
    }
    if (m_baseStatsOffset != kNotConfigured) {
        if (!file.seek(m_baseStatsOffset) || !file.write(m_baseStats))
            return failWith(file);
    }
    if (!writeEvolutions(file) || !writeDex(file))
        return failWith(file);
    return true;
}

void CSolid_Value::Release()
{
    clearImages();
    forgetLevelUpList();
}

void CSolid_Value::forgetLevelUpList()
{
    m_levelUpList = {};
    m_levelUpLoaded = false;
    m_levelUpRoom = 0;
    m_rescan = false;
}

CSolid_Value::Name CSolid_Value::name(std::size_t monster)
{
    return Name(context().tables().monsterNames.data() + monster * SharedTables::kMonsterNameSize,
                SharedTables::kMonsterNameSize);
}

CSolid_Value::ConstName CSolid_Value::name(std::size_t monster) const
{
    return ConstName(context().tables().monsterNames.data() + monster * SharedTables::kMonsterNameSize,
                     SharedTables::kMonsterNameSize);
}

base_stats_record::Record CSolid_Value::baseStats(std::size_t monster)
{
    return base_stats_record::Record(m_baseStats.data() + monster * base_stats_record::kSize,
                                     base_stats_record::kSize);
}

base_stats_record::ConstRecord CSolid_Value::baseStats(std::size_t monster) const
{
    return base_stats_record::ConstRecord(m_baseStats.data() + monster * base_stats_record::kSize,
                                          base_stats_record::kSize);
}

void CSolid_Value::clearImages()
{
    m_baseStats.fill(0);
    m_evolutions.fill({});
    m_dex.fill({});
    m_levelUpOffsets.fill(0);
}

bool CSolid_Value::readNames(RomFile& file)
{
    if (m_nameOffset == kNotConfigured)
        return true;
    std::vector<std::uint8_t> block;
    if (!readBlock(file, m_nameOffset, block, kNameTableSize))
        return false;
    std::copy(block.begin(), block.end(), context().tables().monsterNames.begin());
    return true;
}

bool CSolid_Value::readBaseStats(RomFile& file)
{
    if (m_baseStatsOffset == kNotConfigured)
        return true;
    std::vector<std::uint8_t> block;
    if (!readBlock(file, m_baseStatsOffset, block, base_stats_record::kTableSize))
        return false;
    std::copy(block.begin(), block.end(), m_baseStats.begin());
    return true;
}

bool CSolid_Value::readEvolutions(RomFile& file)
{
    if (m_evolutionOffset == kNotConfigured)
        return true;
    std::vector<std::uint8_t> block;
    if (!readBlock(file, m_evolutionOffset, block, kEvolutionTableSize))
        return false;
    for (std::size_t monster = 0; monster < kMonsterCount; ++monster) {
        m_evolutions[monster] = evolution_record::decode(
            std::span(block).subspan(monster * evolution_record::kMonsterSize).first<evolution_record::kMonsterSize>());
    }
    return true;
}

bool CSolid_Value::readDex(RomFile& file)
{
    if (m_dexOffset == kNotConfigured)
        return true;
    std::vector<std::uint8_t> block;
    if (!readBlock(file, m_dexOffset, block, kDexReadSize))
        return false;
    for (std::size_t number = 0; number < dex_record::kCount; ++number)
        m_dex[number] = dex_record::decode(std::span(block).subspan(number * dex_record::kSize).first<dex_record::kReadSize>());
    return true;
}

bool CSolid_Value::readLevelUpOffsets(RomFile& file)
{
    if (m_levelUpTableOffset == kNotConfigured)
        return true;
    std::vector<std::uint8_t> block;
    if (!readBlock(file, m_levelUpTableOffset, block, kLevelUpTableSize))
        return false;
    for (std::size_t monster = 0; monster < kMonsterCount; ++monster) {
        m_levelUpOffsets[monster] = level_up_pointer::fileOffset(
            std::span(block).subspan(monster * level_up_pointer::kSize).first<level_up_pointer::kSize>());
    }
    return true;
}

bool CSolid_Value::writeEvolutions(RomFile& file) const
{
    if (m_evolutionOffset == kNotConfigured)
        return true;
    std::array<std::uint8_t, evolution_record::kMonsterSize> records{};
    for (std::size_t monster = 0; monster < kMonsterCount; ++monster) {
        evolution_record::encode(m_evolutions[monster], records);
        const std::int64_t start =
            m_evolutionOffset + static_cast<std::int64_t>(monster * evolution_record::kMonsterSize);
        for (std::size_t slot = 0; slot < evolution_record::kSlotCount; ++slot) {
            if (!writeRuns(file, start + static_cast<std::int64_t>(slot * evolution_record::kSize),
                           std::span(records).subspan(slot * evolution_record::kSize, evolution_record::kSize),
                           evolution_record::kWrittenRuns))
                return false;
        }
    }
    return true;
}

bool CSolid_Value::writeDex(RomFile& file) const
{
    if (m_dexOffset == kNotConfigured)
        return true;
    std::array<std::uint8_t, dex_record::kSize> record{};
    for (std::size_t number = 0; number < dex_record::kCount; ++number) {
        dex_record::encode(m_dex[number], record);
        if (!writeRuns(file, m_dexOffset + static_cast<std::int64_t>(number * dex_record::kSize), record,
                       dex_record::kWrittenRuns))
            return false;
    }
    return true;
}
