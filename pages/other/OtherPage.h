#pragma once

#include "core/RecordTable.h"
#include "core/WindowBase.h"
#include "pages/other/OtherDialog.h"

#include <array>
#include <cstdint>

// The other page: trainer class names and move names, both held by the session for the
// pages that show them, and the three starters.
class COmake : public CWindowBase {
public:
    enum class Starter { Left, Center, Right };
    static constexpr std::size_t kStarterCount = 3;

    explicit COmake(PageContext& context);

    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    int DialogId() override { return other_dialog::kTemplateId; }

    std::int32_t classNameOffset() const { return m_classNames.offset(); }
    std::int32_t moveNameOffset() const { return m_moveNameOffset; }
    std::int32_t starterOffset(Starter which) const { return m_starterOffsets[index(which)]; }
    std::uint16_t starter(Starter which) const { return m_starters[index(which)]; }
    void setStarter(Starter which, std::uint16_t monster) { m_starters[index(which)] = monster; }
    // Selector entries; IDialogControls::kNoItem while a selector has no selection.
    int currentClass() const { return m_currentClass; }
    int currentMove() const { return m_currentMove; }

private:
    static std::size_t index(Starter which) { return static_cast<std::size_t>(which); }
    void storeClassName(IDialogControls& controls);
    void storeMoveName(IDialogControls& controls);
    void storeStarters(IDialogControls& controls);

    // In the session's shared trainer class name table.
    RecordTable m_classNames;
    std::int32_t m_moveNameOffset = kNotConfigured;
    std::array<std::int32_t, kStarterCount> m_starterOffsets{kNotConfigured, kNotConfigured, kNotConfigured};
    std::array<std::uint16_t, kStarterCount> m_starters{};
    int m_currentClass = 0;
    int m_currentMove = 0;
};
