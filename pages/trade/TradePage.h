#pragma once

#include "core/WindowBase.h"

class CTamblor_Communication_Change : public CWindowBase {
public:
    explicit CTamblor_Communication_Change(CTabSystem& tabs);

    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    int DialogId() override { return 140; }
};
