#pragma once

#include "core/RecordTable.h"
#include "core/WindowBase.h"
#include "pages/item/ItemDialog.h"

#include <cstdint>
#include <span>

// The item editor. Its table lives in the session, because other pages name items from it;
// this page allocates, reads, writes and frees it.
class CItem_Edit : public CWindowBase {
public:
    explicit CItem_Edit(PageContext& context);

    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    int DialogId() override { return item_dialog::kTemplateId; }

    std::int32_t tableOffset() const { return m_items.offset(); }
    std::size_t currentItem() const { return m_currentItem; }
    // The 40 bytes of one item; empty for a number beyond the table.
    std::span<std::uint8_t> record(std::size_t item);

private:
    // The dialog's commands.
    void selectItem(IDialogControls& controls);
    void showItem(IDialogControls& controls);
    void storeItem(IDialogControls& controls);

    // In the session's shared item table.
    RecordTable m_items;
    std::size_t m_currentItem = 0;
};
