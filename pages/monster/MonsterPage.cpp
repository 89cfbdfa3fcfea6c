#include "pages/monster/MonsterPage.h"

CSolid_Value::CSolid_Value(CTabSystem& tabs) : CWindowBase(tabs, "CSolid_Value")
{
}

void CSolid_Value::Reset()
{
}

void CSolid_Value::InitDialog(WindowHandle)
{
}

int CSolid_Value::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void CSolid_Value::LoadSettings(const std::string&)
{
}

bool CSolid_Value::DataRead(RomFile&)
{
    return true;
}

bool CSolid_Value::DataWrite(RomFile&)
{
    return true;
}

void CSolid_Value::Release()
{
}
