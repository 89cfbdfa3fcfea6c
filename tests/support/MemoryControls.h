#pragma once

#include "core/ui/DialogControls.h"
#include "core/ui/WindowHandler.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The kinds of control a dialog template declares.
enum class ControlKind { Edit, Button, CheckBox, ComboBox, ListBox, Static, Picture };

struct ControlDeclaration {
    int id;
    ControlKind kind;
    // CBS_SORT / LBS_SORT: added items go in order.
    bool sorted = false;
    std::string text = {};
    // As the template places it (dialog units); the memory controls take them as pixels.
    ControlRect rect = {};
};

// A dialog's controls kept in memory, behaving like their Win32 counterparts where the pages
// rely on it, and remembering what was done to them for the tests to look at.
class MemoryControls : public IDialogControls {
public:
    // How a control tells its parent dialog something (WM_COMMAND with id and code).
    using NotifyParent = std::function<void(int id, std::uint16_t code)>;

    struct Picture {
        int width = 0;
        int height = 0;
        std::vector<std::uint32_t> pixels;
    };

    explicit MemoryControls(std::span<const ControlDeclaration> controls, NotifyParent notify = {});

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
    // Tab stops and repainting change nothing in memory.
    void setTabStops(int, std::span<const int>) override {}
    void showPixels(int id, int width, int height, std::span<const std::uint32_t> pixels) override;
    void setPictureArea(int id, int width, int height) override;
    void repaint(int) override {}
    void setCaption(std::string_view text) override;
    std::string caption() const override { return m_caption; }
    void endDialog(int result) override;

    bool has(int id) const { return find(id) != nullptr; }
    // 0 until the page sets it.
    int droppedHeight(int id) const;
    // Whether endDialog was called, and with what.
    bool ended() const { return m_ended; }
    int endResult() const { return m_endResult; }
    // Null for an id without a picture control.
    const Picture* picture(int id) const;

private:
    struct Control {
        ControlKind kind = ControlKind::Static;
        bool sorted = false;
        std::string text;
        bool enabled = true;
        bool visible = true;
        bool checked = false;
        std::vector<std::string> items;
        int selection = kNoItem;
        int droppedHeight = 0;
        Picture picture;
        ControlRect rect;
    };

    // Null for an id without a control, or (with kind) without a control of that kind; the
    // combo boxes and list boxes are the only controls with items.
    Control* find(int id, std::initializer_list<ControlKind> kinds = {});
    const Control* find(int id, std::initializer_list<ControlKind> kinds = {}) const;
    Control* findList(int id) { return find(id, {ControlKind::ComboBox, ControlKind::ListBox}); }
    const Control* findList(int id) const { return find(id, {ControlKind::ComboBox, ControlKind::ListBox}); }
    int insertAt(Control& control, std::size_t index, std::string_view text);

    std::map<int, Control> m_controls;
    NotifyParent m_notify;
    std::string m_caption;
    bool m_ended = false;
    int m_endResult = 0;
};

// What a window's controls tell its handler: WM_COMMAND with their id and a notification code.
MemoryControls::NotifyParent commandsTo(IWindowHandler& handler);
