#include "pages/other/OtherPage.h"

#include "core/TableBuffer.h"
#include "pages/other/OtherTables.h"

namespace {
constexpr std::array<const char*, COmake::kStarterCount> kStarterKeys = {"Left", "Center", "Right"};
} // namespace

COmake::COmake(PageContext& context) : CWindowBase(context, "COmake")
{
}

void COmake::Reset()
{
    freeClassNames();
    m_classNameOffset = kNotConfigured;
    m_classNamesConfigured = false;
    m_moveNameOffset = kNotConfigured;
    m_starterOffsets.fill(kNotConfigured);
    m_starters.fill(0);
    m_currentClass = 0;
    m_currentMove = 0;
}

void COmake::LoadSettings(const std::string& section)
{
    GameSettings settings(context().settingsFile(), section);
    m_classNameOffset = settings.offset("TrainerClasses");
    const std::int32_t classCount = settings.count("TrainerClassesNum");
    m_moveNameOffset = settings.offset("AttackName");
    for (std::size_t i = 0; i < kStarterCount; ++i)
        m_starterOffsets[i] = settings.offset(kStarterKeys[i]);

    m_classNamesConfigured = m_classNameOffset != kNotConfigured && classCount != 0;
    freeClassNames();
    SharedTables& tables = context().tables();
    if (m_classNamesConfigured && allocateTable(tables.trainerClassNames, classCount, other_tables::kClassNameSize))
        tables.trainerClassCount = classCount;
}

bool COmake::DataRead(RomFile& file)
{
    SharedTables& tables = context().tables();
    if (m_classNamesConfigured) {
        if (tables.trainerClassNames.empty())
            return failWith(std::string(kNoTableText));
        if (!file.seek(m_classNameOffset) || !file.read(tables.trainerClassNames))
            return failWith(file);
    }
    if (m_moveNameOffset != kNotConfigured) {
        if (!file.seek(m_moveNameOffset) || !file.read(tables.moveNames))
            return failWith(file);
    }
    for (std::size_t i = 0; i < kStarterCount; ++i) {
        if (m_starterOffsets[i] == kNotConfigured)
            continue;
        std::array<std::uint8_t, other_tables::kStarterSize> value{};
        if (!file.seek(m_starterOffsets[i]) || !file.read(value))
            return failWith(file);
        m_starters[i] = static_cast<std::uint16_t>(value[0] | value[1] << 8);
    }
    return true;
}

bool COmake::DataWrite(RomFile& file)
{
    const SharedTables& tables = context().tables();
    if (m_classNamesConfigured && !tables.trainerClassNames.empty()) {
        if (!file.seek(m_classNameOffset) || !file.write(tables.trainerClassNames))
            return failWith(file);
    }
    if (m_moveNameOffset != kNotConfigured) {
        if (!file.seek(m_moveNameOffset) || !file.write(tables.moveNames))
            return failWith(file);
    }
    for (std::size_t i = 0; i < kStarterCount; ++i) {
        if (m_starterOffsets[i] == kNotConfigured)
            continue;
        const std::array<std::uint8_t, other_tables::kStarterSize> value = {
            static_cast<std::uint8_t>(m_starters[i]), static_cast<std::uint8_t>(m_starters[i] >> 8)};
        if (!file.seek(m_starterOffsets[i]) || !file.write(value))
            return failWith(file);
    }
    return true;
}

void COmake::Release()
{
    freeClassNames();
}

// The count goes with the block, so that no page indexes a table that is gone.
void COmake::freeClassNames()
{
    SharedTables& tables = context().tables();
    tables.trainerClassNames.clear();
    tables.trainerClassNames.shrink_to_fit();
    tables.trainerClassCount = 0;
}
