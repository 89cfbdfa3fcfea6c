#pragma once

#include "core/PageContext.h"
#include "core/ui/Shell.h"
#include "core/ui/WindowHandler.h"

#include <cstdint>
#include <memory>

class CSolid_Value;

// The "Skill Machine Window": 58 check boxes for the current monster's TM/HM record, read
// from and saved to the ROM file at once. Closing it only hides it.
class TmHmWindow final : public IWindowHandler {
public:
    static constexpr int kSave = 55579;
    static constexpr int kFirstCheck = 55580;
    static constexpr int kFirstHmCheck = 55630;

    // Null when the shell cannot make the window.
    static std::unique_ptr<TmHmWindow> create(PageContext& context, CSolid_Value& page);
    ~TmHmWindow() override;

    IToolWindow& window() { return *m_window; }
    void show();
    // Reads the monster's record and ticks its boxes.
    void Load(std::int32_t monster);
    void Save();

    void windowCreated(WindowHandle window, IDialogControls& controls) override;
    int windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void windowDestroyed() override;

private:
    TmHmWindow(PageContext& context, CSolid_Value& page) : m_context(context), m_page(page) {}
    void error(const char* text);

    PageContext& m_context;
    CSolid_Value& m_page;
    std::unique_ptr<IToolWindow> m_window;
    IDialogControls* m_controls = nullptr;
    // The monster whose record the boxes show; -1 while no record was read for them.
    std::int32_t m_loadedMonster = -1;
};
