#pragma once

#include "core/WindowBase.h"

// A page with nothing of its own, for the cases that switch tabs away from the page they test.
class CBlankPage : public CWindowBase {
public:
    explicit CBlankPage(PageContext& context) : CWindowBase(context, "CBlankPage") {}
    void Reset() override {}
    void InitDialog(WindowHandle) override {}
    int DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t) override { return 0; }
    void LoadSettings(const std::string&) override {}
    bool DataRead(RomFile&) override { return true; }
    bool DataWrite(RomFile&) override { return true; }
    void Release() override {}
    int DialogId() override { return 0; }
};
