#include "pages/other/OtherPage.h"

#include "core/LittleEndian.h"
#include "pages/other/OtherTables.h"

namespace {
constexpr std::array<const char*, COmake::kStarterCount> kStarterKeys = {"Left", "Center", "Right"};
} // namespace

COmake::COmake(PageContext& context)
    : CWindowBase(context, "COmake"), m_classNames(other_tables::kClassNameSize, context.tables().trainerClassNames)
{
}

void COmake::Reset()
{
    m_classNames.reset();
    context().tables().trainerClassCount = 0;
    m_moveNameOffset = kNotConfigured;
    m_starterOffsets.fill(kNotConfigured);
    m_starters.fill(0);
    m_currentClass = 0;
    m_currentMove = 0;
}

void COmake::LoadSettings(const std::string& section)
{
    const GameSettings settings = context().gameSettings(section);
    m_classNames.load(settings, "TrainerClasses", "TrainerClassesNum");
    // The count goes with the block, so that no page indexes a table that is not there.
    context().tables().trainerClassCount = m_classNames.hasRecords() ? m_classNames.count() : 0;
    m_moveNameOffset = settings.offset("AttackName");
    for (std::size_t i = 0; i < kStarterCount; ++i)
        m_starterOffsets[i] = settings.offset(kStarterKeys[i]);
}

bool COmake::DataRead(RomFile& file)
{
    if (auto failure = m_classNames.read(file))
        return failWith(*failure);
    if (m_moveNameOffset != kNotConfigured) {
        if (!file.seek(m_moveNameOffset) || !file.read(context().tables().moveNames))
            return failWith(file);
    }
    for (std::size_t i = 0; i < kStarterCount; ++i) {
        if (m_starterOffsets[i] == kNotConfigured)
            continue;
        std::array<std::uint8_t, other_tables::kStarterSize> value{};
        if (!file.seek(m_starterOffsets[i]) || !file.read(value))
            return failWith(file);
        m_starters[i] = little_endian::get16(value, 0);
    }
    return true;
}

bool COmake::DataWrite(RomFile& file)
{
    if (auto failure = m_classNames.write(file))
        return failWith(*failure);
    if (m_moveNameOffset != kNotConfigured) {
        if (!file.seek(m_moveNameOffset) || !file.write(context().tables().moveNames))
            return failWith(file);
    }
    for (std::size_t i = 0; i < kStarterCount; ++i) {
        if (m_starterOffsets[i] == kNotConfigured)
            continue;
        std::array<std::uint8_t, other_tables::kStarterSize> value{};
        little_endian::set16(value, 0, m_starters[i]);
        if (!file.seek(m_starterOffsets[i]) || !file.write(value))
            return failWith(file);
    }
    return true;
}

void COmake::Release()
{
    m_classNames.release();
    context().tables().trainerClassCount = 0;
}
