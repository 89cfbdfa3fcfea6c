#include "pages/trade/TradePage.h"

CTamblor_Communication_Change::CTamblor_Communication_Change(CTabSystem& tabs) : CWindowBase(tabs, "CTamblor_Communication_Change")
{
}

void CTamblor_Communication_Change::Reset()
{
}

void CTamblor_Communication_Change::InitDialog(WindowHandle)
{
}

int CTamblor_Communication_Change::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void CTamblor_Communication_Change::LoadSettings(const std::string&)
{
}

bool CTamblor_Communication_Change::DataRead(RomFile&)
{
    return true;
}

bool CTamblor_Communication_Change::DataWrite(RomFile&)
{
    return true;
}

void CTamblor_Communication_Change::Release()
{
}
