#include "pages/move/MovePage.h"

CAttack_Edit::CAttack_Edit(CTabSystem& tabs) : CWindowBase(tabs, "CAttack_Edit")
{
}

void CAttack_Edit::Reset()
{
}

void CAttack_Edit::InitDialog(WindowHandle)
{
}

int CAttack_Edit::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void CAttack_Edit::LoadSettings(const std::string&)
{
}

bool CAttack_Edit::DataRead(RomFile&)
{
    return true;
}

bool CAttack_Edit::DataWrite(RomFile&)
{
    return true;
}

void CAttack_Edit::Release()
{
}
