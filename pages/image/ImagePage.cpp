#include "pages/image/ImagePage.h"

CImage::CImage(CTabSystem& tabs) : CWindowBase(tabs, "CImage")
{
}

void CImage::Reset()
{
}

void CImage::InitDialog(WindowHandle)
{
}

int CImage::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void CImage::LoadSettings(const std::string&)
{
}

bool CImage::DataRead(RomFile&)
{
    return true;
}

bool CImage::DataWrite(RomFile&)
{
    return true;
}

void CImage::Release()
{
}
