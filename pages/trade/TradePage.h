#pragma once

#include "core/RecordTable.h"
#include "core/WindowBase.h"
#include "pages/trade/TradeDialog.h"
#include "pages/trade/TradeRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>

// The in-game trade editor: the trade table lives in memory from LoadSettings to Release.
class CTamblor_Communication_Change : public CWindowBase {
public:
    explicit CTamblor_Communication_Change(PageContext& context);

    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    int DialogId() override { return trade_dialog::kTemplateId; }

    bool hasTable() const { return m_trades.hasRecords(); }
    std::int32_t tableOffset() const { return m_trades.offset(); }
    std::int32_t tradeCount() const { return m_trades.count(); }
    std::size_t recordCount() const { return m_trades.recordCount(); }
    // The trade's 60 bytes; empty for an index beyond the table.
    std::span<std::uint8_t> record(std::size_t index) { return m_trades.record(static_cast<std::int64_t>(index)); }

    std::size_t currentTrade() const { return m_currentTrade; }
    void setCurrentTrade(std::size_t index) { m_currentTrade = index; }

private:
    // What a display after a change leaves as the user set it.
    enum class DisplayMode { Full, GenderTyped, NatureChosen, ShinyToggled };

    void loadWorkingValues();
    void display(IDialogControls& controls, DisplayMode mode);
    void showTradeList(IDialogControls& controls);
    // The dialog's commands.
    void selectTrade(IDialogControls& controls);
    void chooseNature(IDialogControls& controls);
    void typeGenderValue(IDialogControls& controls);
    void toggleShiny(IDialogControls& controls);
    void storeNameField(IDialogControls& controls, int editId, std::size_t fieldOffset);
    void storeTrade(IDialogControls& controls);

    RecordTable m_trades;
    std::size_t m_currentTrade = 0;
    // Set while the page fills its own controls, whose notifications are then ignored.
    bool m_updating = false;
    // The PV and parent ID as the dialog has changed them; they reach the record on storing.
    std::uint32_t m_workingPersonality = 0;
    std::uint16_t m_workingParentId = 0;
};
