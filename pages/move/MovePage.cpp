#include "pages/move/MovePage.h"

#include "core/GameSettings.h"

CAttack_Edit::CAttack_Edit(PageContext& context) : CWindowBase(context, "CAttack_Edit")
{
}

void CAttack_Edit::Reset()
{
    m_table.fill(0);
    m_tableOffset = kNotConfigured;
    m_currentMove = 0;
    m_loaded = false;
}

void CAttack_Edit::LoadSettings(const std::string& section)
{
    const GameSettings settings = context().gameSettings(section);
    m_tableOffset = settings.offset("AttackTable");
}

bool CAttack_Edit::DataRead(RomFile& file)
{
    if (m_tableOffset == kNotConfigured)
        return true;
    if (Result done = file.readAt(m_tableOffset, m_table); !done.ok())
        return failWith(done);
    m_loaded = true;
    return true;
}

bool CAttack_Edit::DataWrite(RomFile& file)
{
    // An unread table holds zeros, not the ROM's moves.
    if (!m_loaded || m_tableOffset == kNotConfigured)
        return true;
    if (Result done = file.writeAt(m_tableOffset, m_table); !done.ok())
        return failWith(done);
    return true;
}

void CAttack_Edit::Release()
{
    m_table.fill(0);
    m_loaded = false;
}

std::span<std::uint8_t> CAttack_Edit::record(std::size_t move)
{
    if (move >= move_record::kCount)
        return {};
    return std::span<std::uint8_t>(m_table).subspan(move * move_record::kSize, move_record::kSize);
}

std::span<const std::uint8_t> CAttack_Edit::record(std::size_t move) const
{
    if (move >= move_record::kCount)
        return {};
    return std::span<const std::uint8_t>(m_table).subspan(move * move_record::kSize, move_record::kSize);
}
