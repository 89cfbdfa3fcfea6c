#include "pages/typechart/TypeChartPage.h"

CTamblor_Compatibility::CTamblor_Compatibility(CTabSystem& tabs) : CWindowBase(tabs, "CTamblor_Compatibility")
{
}

void CTamblor_Compatibility::Reset()
{
}

void CTamblor_Compatibility::InitDialog(WindowHandle)
{
}

int CTamblor_Compatibility::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void CTamblor_Compatibility::LoadSettings(const std::string&)
{
}

bool CTamblor_Compatibility::DataRead(RomFile&)
{
    return true;
}

bool CTamblor_Compatibility::DataWrite(RomFile&)
{
    return true;
}

void CTamblor_Compatibility::Release()
{
}
