#pragma once

#include "core/GameSettings.h"
#include "core/WindowBase.h"
#include "pages/move/MoveDialog.h"
#include "pages/move/MoveRecord.h"

#include <array>
#include <cstdint>
#include <span>

// The move editor: the whole move table as one block inside the page.
class CAttack_Edit : public CWindowBase {
public:
    explicit CAttack_Edit(PageContext& context);

    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    int DialogId() override { return move_dialog::kTemplateId; }

    bool loaded() const { return m_loaded; }
    std::int32_t tableOffset() const { return m_tableOffset; }
    std::size_t currentMove() const { return m_currentMove; }
    // The 12 bytes of one move; empty for a number beyond the table.
    std::span<std::uint8_t> record(std::size_t move);
    std::span<const std::uint8_t> record(std::size_t move) const;

private:
    // The dialog's commands.
    void selectMove(IDialogControls& controls);
    void showRecord(IDialogControls& controls) const;
    void storeRecord(IDialogControls& controls);

    std::array<std::uint8_t, move_record::kTableSize> m_table{};
    std::int32_t m_tableOffset = kNotConfigured;
    bool m_loaded = false;
    std::size_t m_currentMove = 0;
};
