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
Result readBlock(RomFile& file, std::int32_t offset, std::vector<std::uint8_t>& block, std::size_t size)
{
    block.assign(size, 0);
    return file.readAt(offset, block);
}

// Writes only the record's runs; the bytes between them keep what the file holds.
Result writeRuns(RomFile& file, std::int64_t recordStart, std::span<const std::uint8_t> record,
                 std::span<const record_bytes::Run> runs)
{
    for (const record_bytes::Run& run : runs) {
        Result written = file.writeAt(recordStart + static_cast<std::int64_t>(run.offset),
                                      record.subspan(run.offset, run.length));
        if (!written.ok())
            return written;
    }
    return {};
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
    for (auto read : {&CSolid_Value::readNames, &CSolid_Value::readBaseStats, &CSolid_Value::readEvolutions,
                      &CSolid_Value::readDex, &CSolid_Value::readLevelUpOffsets}) {
        if (Result done = (this->*read)(file); !done.ok())
            return failWith(done);
    }
    return true;
}

bool CSolid_Value::DataWrite(RomFile& file)
{
    if (m_nameOffset != kNotConfigured) {
        if (Result done = file.writeAt(m_nameOffset, context().tables().monsterNames); !done.ok())
            return failWith(done);
    }
    if (m_baseStatsOffset != kNotConfigured) {
        if (Result done = file.writeAt(m_baseStatsOffset, m_baseStats); !done.ok())
            return failWith(done);
    }
    for (auto write : {&CSolid_Value::writeEvolutions, &CSolid_Value::writeDex}) {
        if (Result done = (this->*write)(file); !done.ok())
            return failWith(done);
    }
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

Result CSolid_Value::readNames(RomFile& file)
{
    if (m_nameOffset == kNotConfigured)
        return {};
    std::vector<std::uint8_t> block;
    if (Result read = readBlock(file, m_nameOffset, block, kNameTableSize); !read.ok())
        return read;
    std::copy(block.begin(), block.end(), context().tables().monsterNames.begin());
    return {};
}

Result CSolid_Value::readBaseStats(RomFile& file)
{
    if (m_baseStatsOffset == kNotConfigured)
        return {};
    std::vector<std::uint8_t> block;
    if (Result read = readBlock(file, m_baseStatsOffset, block, base_stats_record::kTableSize); !read.ok())
        return read;
    std::copy(block.begin(), block.end(), m_baseStats.begin());
    return {};
}

Result CSolid_Value::readEvolutions(RomFile& file)
{
    if (m_evolutionOffset == kNotConfigured)
        return {};
    std::vector<std::uint8_t> block;
    if (Result read = readBlock(file, m_evolutionOffset, block, kEvolutionTableSize); !read.ok())
        return read;
    for (std::size_t monster = 0; monster < kMonsterCount; ++monster) {
        m_evolutions[monster] = evolution_record::decode(
            std::span(block).subspan(monster * evolution_record::kMonsterSize).first<evolution_record::kMonsterSize>());
    }
    return {};
}

Result CSolid_Value::readDex(RomFile& file)
{
    if (m_dexOffset == kNotConfigured)
        return {};
    std::vector<std::uint8_t> block;
    if (Result read = readBlock(file, m_dexOffset, block, kDexReadSize); !read.ok())
        return read;
    for (std::size_t number = 0; number < dex_record::kCount; ++number)
        m_dex[number] = dex_record::decode(std::span(block).subspan(number * dex_record::kSize).first<dex_record::kReadSize>());
    return {};
}

Result CSolid_Value::readLevelUpOffsets(RomFile& file)
{
    if (m_levelUpTableOffset == kNotConfigured)
        return {};
    std::vector<std::uint8_t> block;
    if (Result read = readBlock(file, m_levelUpTableOffset, block, kLevelUpTableSize); !read.ok())
        return read;
    for (std::size_t monster = 0; monster < kMonsterCount; ++monster) {
        m_levelUpOffsets[monster] = level_up_pointer::fileOffset(
            std::span(block).subspan(monster * level_up_pointer::kSize).first<level_up_pointer::kSize>());
    }
    return {};
}

Result CSolid_Value::writeEvolutions(RomFile& file) const
{
    if (m_evolutionOffset == kNotConfigured)
        return {};
    std::array<std::uint8_t, evolution_record::kMonsterSize> records{};
    for (std::size_t monster = 0; monster < kMonsterCount; ++monster) {
        evolution_record::encode(m_evolutions[monster], records);
        const std::int64_t start =
            m_evolutionOffset + static_cast<std::int64_t>(monster * evolution_record::kMonsterSize);
        for (std::size_t slot = 0; slot < evolution_record::kSlotCount; ++slot) {
            const std::int64_t slotStart = start + static_cast<std::int64_t>(slot * evolution_record::kSize);
            Result written = writeRuns(file, slotStart,
                                       std::span(records).subspan(slot * evolution_record::kSize, evolution_record::kSize),
                                       evolution_record::kWrittenRuns);
            if (!written.ok())
                return written;
        }
    }
    return {};
}

Result CSolid_Value::writeDex(RomFile& file) const
{
    if (m_dexOffset == kNotConfigured)
        return {};
    std::array<std::uint8_t, dex_record::kSize> record{};
    for (std::size_t number = 0; number < dex_record::kCount; ++number) {
        dex_record::encode(m_dex[number], record);
        const std::int64_t recordStart = m_dexOffset + static_cast<std::int64_t>(number * dex_record::kSize);
        if (Result written = writeRuns(file, recordStart, record, dex_record::kWrittenRuns); !written.ok())
            return written;
    }
    return {};
}
