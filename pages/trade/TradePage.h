#pragma once

#include "core/GameSettings.h"
#include "core/WindowBase.h"
#include "pages/trade/TradeDialog.h"
#include "pages/trade/TradeRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

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

    bool hasTable() const { return !m_table.empty(); }
    std::int32_t tableOffset() const { return m_tableOffset; }
    std::int32_t tradeCount() const { return m_tradeCount; }
    std::size_t recordCount() const { return m_table.size() / trade_record::kSize; }
    // The trade's record in the table; index below recordCount().
    std::span<std::uint8_t, trade_record::kSize> record(std::size_t index);

    std::size_t currentTrade() const { return m_currentTrade; }
    void setCurrentTrade(std::size_t index) { m_currentTrade = index; }

private:
    // Configured in Setting.ini; the table may still be missing if it could not be allocated.
    bool configured() const { return m_tableOffset != kNotConfigured && m_tradeCount > 0; }

    std::vector<std::uint8_t> m_table;
    std::int32_t m_tableOffset = kNotConfigured;
    std::int32_t m_tradeCount = 0;
    std::size_t m_currentTrade = 0;
};
