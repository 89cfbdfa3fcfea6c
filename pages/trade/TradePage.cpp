#include "pages/trade/TradePage.h"

#include "core/TableBuffer.h"

CTamblor_Communication_Change::CTamblor_Communication_Change(PageContext& context)
    : CWindowBase(context, "CTamblor_Communication_Change")
{
}

void CTamblor_Communication_Change::Reset()
{
    m_table.clear();
    m_table.shrink_to_fit();
    m_tableOffset = kNotConfigured;
    m_tradeCount = 0;
    m_currentTrade = 0;
}

void CTamblor_Communication_Change::InitDialog(WindowHandle)
{
}

int CTamblor_Communication_Change::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void CTamblor_Communication_Change::LoadSettings(const std::string& section)
{
    GameSettings settings(context().settingsFile(), section);
    m_tableOffset = settings.offset("Communication_Change");
    m_tradeCount = settings.count("Communication_ChangeNum");
    m_table.clear();
    if (configured())
        allocateTable(m_table, m_tradeCount, trade_record::kSize);
    m_currentTrade = 0;
}

bool CTamblor_Communication_Change::DataRead(RomFile& file)
{
    if (!configured())
        return true;
    if (m_table.empty())
        return failWith(std::string(kNoTableText));
    if (!file.seek(m_tableOffset) || !file.read(m_table))
        return failWith(file);
    return true;
}

bool CTamblor_Communication_Change::DataWrite(RomFile& file)
{
    if (!configured() || m_table.empty())
        return true;
    if (!file.seek(m_tableOffset) || !file.write(m_table))
        return failWith(file);
    return true;
}

void CTamblor_Communication_Change::Release()
{
    m_table.clear();
    m_table.shrink_to_fit();
}

std::span<std::uint8_t, trade_record::kSize> CTamblor_Communication_Change::record(std::size_t index)
{
    return std::span<std::uint8_t, trade_record::kSize>(m_table.data() + index * trade_record::kSize,
                                                        trade_record::kSize);
}
