#include "pages/item/ItemPage.h"

CItem_Edit::CItem_Edit(CTabSystem& tabs) : CWindowBase(tabs, "CItem_Edit")
{
}

void CItem_Edit::Reset()
{
}

void CItem_Edit::InitDialog(WindowHandle)
{
}

int CItem_Edit::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void CItem_Edit::LoadSettings(const std::string&)
{
}

bool CItem_Edit::DataRead(RomFile&)
{
    return true;
}

bool CItem_Edit::DataWrite(RomFile&)
{
    return true;
}

void CItem_Edit::Release()
{
}
