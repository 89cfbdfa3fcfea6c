#include "pages/trade/TradePage.h"

CTamblor_Communication_Change::CTamblor_Communication_Change(PageContext& context)
    : CWindowBase(context, "CTamblor_Communication_Change"), m_trades(trade_record::kSize)
{
}

void CTamblor_Communication_Change::Reset()
{
    m_trades.reset();
    m_currentTrade = 0;
    m_updating = false;
}

void CTamblor_Communication_Change::LoadSettings(const std::string& section)
{
    m_trades.load(context().gameSettings(section), "Communication_Change", "Communication_ChangeNum");
    m_currentTrade = 0;
}

bool CTamblor_Communication_Change::DataRead(RomFile& file)
{
    if (Result done = m_trades.read(file); !done.ok())
        return failWith(done);
    return true;
}

bool CTamblor_Communication_Change::DataWrite(RomFile& file)
{
    if (Result done = m_trades.write(file); !done.ok())
        return failWith(done);
    return true;
}

void CTamblor_Communication_Change::Release()
{
    m_trades.release();
}
