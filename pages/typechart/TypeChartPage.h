#pragma once

#include "core/GameSettings.h"
#include "core/WindowBase.h"
#include "pages/typechart/TypeChartDialog.h"

#include <cstdint>
#include <span>
#include <vector>

// The type chart editor: the entries that the pointer at "Compatibility" leads to.
class CTamblor_Compatibility : public CWindowBase {
public:
    explicit CTamblor_Compatibility(PageContext& context);

    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    int DialogId() override { return type_chart_dialog::kTemplateId; }

    std::int32_t pointerLocation() const { return m_pointerLocation; }
    std::int32_t tableOffset() const { return m_tableOffset; }
    std::size_t entryCount() const;
    std::size_t currentEntry() const { return m_currentEntry; }
    // The 3 bytes of one entry; empty for an index beyond the list.
    std::span<std::uint8_t> entry(std::size_t index);
    std::span<const std::uint8_t> entries() const { return m_entries; }

    // Reads the chart again from the ROM file and shows it; after a failure the page has no
    // entries and its controls are disabled.
    void ReInd();

private:
    // Reads on from the table offset: the offset just past the two end bytes, or the failure
    // of a read or of a file that ends first.
    ResultOf<std::int64_t> findListEnd(RomFile& file) const;
    void freeEntries();
    // The dialog's commands.
    void selectEntry(IDialogControls& controls);
    void storeEntry(IDialogControls& controls);
    void RePoint();

    std::int32_t m_pointerLocation = kNotConfigured;
    std::int32_t m_tableOffset = kNotConfigured;
    std::vector<std::uint8_t> m_entries;
    std::size_t m_currentEntry = 0;
};
