#pragma once

#include "core/ui/DialogControls.h"

#include <windows.h>

#include <map>

// The controls of one real dialog or window, through the dialog item messages.
class Win32DialogControls : public IDialogControls {
public:
    // A modal dialog ends with EndDialog; any other window ignores endDialog.
    explicit Win32DialogControls(HWND dialog, bool modal = false) : m_dialog(dialog), m_modal(modal) {}
    ~Win32DialogControls() override;
    Win32DialogControls(const Win32DialogControls&) = delete;
    Win32DialogControls& operator=(const Win32DialogControls&) = delete;

    std::string text(int id, std::size_t maxLength) const override;
    void setText(int id, std::string_view text) override;
    void setEnabled(int id, bool enabled) override;
    bool isEnabled(int id) const override;
    void setVisible(int id, bool visible) override;
    bool isVisible(int id) const override;
    bool isChecked(int id) const override;
    void setChecked(int id, bool checked) override;
    ControlRect controlRect(int id) const override;
    void moveControl(int id, const ControlRect& rect) override;

    void clearItems(int id) override;
    int addItem(int id, std::string_view text) override;
    void addItems(int id, std::span<const std::string> texts) override;
    int insertItem(int id, int index, std::string_view text) override;
    void deleteItem(int id, int index) override;
    int itemCount(int id) const override;
    std::string itemText(int id, int index) const override;
    int selection(int id) const override;
    int setSelection(int id, int index) override;
    void setDroppedHeight(int id, int pixels) override;
    void setTabStops(int id, std::span<const int> stops) override;

    void showPixels(int id, int width, int height, std::span<const std::uint32_t> pixels) override;
    void setPictureArea(int id, int width, int height) override;
    void repaint(int id) override;

    void setCaption(std::string_view text) override;
    std::string caption() const override;
    void endDialog(int result) override;

private:
    // The item messages of a combo box or a list box; null for any other control.
    struct ItemMessages {
        UINT reset, add, insert, remove, count, textLength, text, getSelection, setSelection, initStorage;
    };
    const ItemMessages* itemMessages(HWND control) const;
    HWND item(int id) const { return GetDlgItem(m_dialog, id); }

    HWND m_dialog;
    bool m_modal;
    // Bitmaps shown in picture controls; the controls do not free them.
    std::map<int, HBITMAP> m_bitmaps;
};
