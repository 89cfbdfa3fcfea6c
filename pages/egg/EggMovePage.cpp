#include "pages/egg/EggMovePage.h"

CTamago_Skill::CTamago_Skill(CTabSystem& tabs) : CWindowBase(tabs, "CTamago_Skill")
{
}

void CTamago_Skill::Reset()
{
}

void CTamago_Skill::InitDialog(WindowHandle)
{
}

int CTamago_Skill::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void CTamago_Skill::LoadSettings(const std::string&)
{
}

bool CTamago_Skill::DataRead(RomFile&)
{
    return true;
}

bool CTamago_Skill::DataWrite(RomFile&)
{
    return true;
}

void CTamago_Skill::Release()
{
}
