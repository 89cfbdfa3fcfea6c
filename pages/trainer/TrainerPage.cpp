#include "pages/trainer/TrainerPage.h"

CTrainer_Edit::CTrainer_Edit(CTabSystem& tabs) : CWindowBase(tabs, "CTrainer_Edit")
{
}

void CTrainer_Edit::Reset()
{
}

void CTrainer_Edit::InitDialog(WindowHandle)
{
}

int CTrainer_Edit::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void CTrainer_Edit::LoadSettings(const std::string&)
{
}

bool CTrainer_Edit::DataRead(RomFile&)
{
    return true;
}

bool CTrainer_Edit::DataWrite(RomFile&)
{
    return true;
}

void CTrainer_Edit::Release()
{
}
