#include "pages/text/TextPage.h"

CTamblorText::CTamblorText(PageContext& context) : CWindowBase(context, "CTamblorText")
{
}

void CTamblorText::Reset()
{
}

void CTamblorText::InitDialog(WindowHandle)
{
}

int CTamblorText::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void CTamblorText::LoadSettings(const std::string&)
{
}

bool CTamblorText::DataRead(RomFile&)
{
    return true;
}

bool CTamblorText::DataWrite(RomFile&)
{
    return true;
}

void CTamblorText::Release()
{
}
