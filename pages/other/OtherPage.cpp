#include "pages/other/OtherPage.h"

COmake::COmake(CTabSystem& tabs) : CWindowBase(tabs, "COmake")
{
}

void COmake::Reset()
{
}

void COmake::InitDialog(WindowHandle)
{
}

int COmake::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void COmake::LoadSettings(const std::string&)
{
}

bool COmake::DataRead(RomFile&)
{
    return true;
}

bool COmake::DataWrite(RomFile&)
{
    return true;
}

void COmake::Release()
{
}
