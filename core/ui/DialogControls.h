#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A control's place in its dialog's client area, in pixels.
struct ControlRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The controls of one dialog or window, by control id, with the Win32 behaviour the pages rely
// on, and the operations on the dialog itself. Combo boxes and list boxes share the item
// operations. An id the dialog does not have reads as empty, unchecked and unselected, and
// ignores every change.
class IDialogControls {
public:
    // CB_ERR and LB_ERR: no selection, or no such item.
    static constexpr int kNoItem = -1;

    virtual ~IDialogControls() = default;

    // GetDlgItemText with a buffer of maxLength + 1 characters: at most maxLength bytes.
    virtual std::string text(int id, std::size_t maxLength) const = 0;
    // SetWindowText; an edit control then notifies EN_UPDATE and EN_CHANGE.
    virtual void setText(int id, std::string_view text) = 0;
    virtual void setEnabled(int id, bool enabled) = 0;
    virtual bool isEnabled(int id) const = 0;
    virtual void setVisible(int id, bool visible) = 0;
    virtual bool isVisible(int id) const = 0;
    virtual bool isChecked(int id) const = 0;
    virtual void setChecked(int id, bool checked) = 0;
    // The control's place; all zero for an id the dialog does not have.
    virtual ControlRect controlRect(int id) const = 0;
    virtual void moveControl(int id, const ControlRect& rect) = 0;

    // Items of a combo box or list box. A sorted list box places an added item in order.
    virtual void clearItems(int id) = 0;
    // Returns the new item's index, or kNoItem.
    virtual int addItem(int id, std::string_view text) = 0;
    // Appends many items with one repaint: long lists fill in a fraction of the time.
    virtual void addItems(int id, std::span<const std::string> texts) = 0;
    // An index of -1 appends; returns the new item's index, or kNoItem.
    virtual int insertItem(int id, int index, std::string_view text) = 0;
    virtual void deleteItem(int id, int index) = 0;
    virtual int itemCount(int id) const = 0;
    virtual std::string itemText(int id, int index) const = 0;
    virtual int selection(int id) const = 0;
    // An index outside the items clears the selection (and returns kNoItem, as Win32 does).
    virtual int setSelection(int id, int index) = 0;
    // The height of a drop-down combo box's list, in pixels.
    virtual void setDroppedHeight(int id, int pixels) = 0;
    // LB_SETTABSTOPS, in dialog units.
    virtual void setTabStops(int id, std::span<const int> stops) = 0;

    // Repaints a picture control from rows of 0x00RRGGBB pixels, top row first, one screen
    // pixel each, centred in the control's inside; the control keeps its size.
    virtual void showPixels(int id, int width, int height, std::span<const std::uint32_t> pixels) = 0;
    // Sizes a picture control so that its inside, within its border, is width x height pixels;
    // its top-left corner stays.
    virtual void setPictureArea(int id, int width, int height) = 0;
    // Invalidates the control and paints it at once.
    virtual void repaint(int id) = 0;

    // The dialog's (or window's) own caption.
    virtual void setCaption(std::string_view text) = 0;
    virtual std::string caption() const = 0;
    // Ends a modal dialog with the result that opened it returns; a modeless one ignores it.
    virtual void endDialog(int result) = 0;
};
