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
    if (Result done = m_classNames.read(file); !done.ok())
        return failWith(done);
    if (m_moveNameOffset != kNotConfigured) {
        if (Result done = file.readAt(m_moveNameOffset, context().tables().moveNames); !done.ok())
            return failWith(done);
    }
    for (std::size_t i = 0; i < kStarterCount; ++i) {
        if (m_starterOffsets[i] == kNotConfigured)
            continue;
        std::array<std::uint8_t, other_tables::kStarterSize> value{};
        if (Result done = file.readAt(m_starterOffsets[i], value); !done.ok())
            return failWith(done);
        m_starters[i] = little_endian::get16(value, 0);
    }
    return true;
}

bool COmake::DataWrite(RomFile& file)
{
    if (Result done = m_classNames.write(file); !done.ok())
        return failWith(done);
    if (m_moveNameOffset != kNotConfigured) {
        if (Result done = file.writeAt(m_moveNameOffset, context().tables().moveNames); !done.ok())
            return failWith(done);
    }
    for (std::size_t i = 0; i < kStarterCount; ++i) {
        if (m_starterOffsets[i] == kNotConfigured)
            continue;
        std::array<std::uint8_t, other_tables::kStarterSize> value{};
        little_endian::set16(value, 0, m_starters[i]);
        if (Result done = file.writeAt(m_starterOffsets[i], value); !done.ok())
            return failWith(done);
    }
    return true;
}

void COmake::Release()
{
    m_classNames.release();
    context().tables().trainerClassCount = 0;
}
