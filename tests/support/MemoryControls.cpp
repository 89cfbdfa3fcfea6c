#include "tests/support/MemoryControls.h"

#include "core/ui/WindowMessages.h"

#include <algorithm>

namespace {

bool isLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Window texts are C strings: whatever follows a zero byte never arrives.
std::string_view beforeZero(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

// The order of a sorted list: ASCII letters compare without case, double-byte characters
// as they stand (their second byte is no letter even where it looks like one).
std::string sortKey(std::string_view text)
{
    std::string key;
    for (std::size_t p = 0; p < text.size(); ++p) {
        const auto b = static_cast<unsigned char>(text[p]);
        if (isLeadByte(b) && p + 1 < text.size()) {
            key += text.substr(p, 2);
            ++p;
        } else {
            key += static_cast<char>(b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
        }
    }
    return key;
}

} // namespace

MemoryControls::MemoryControls(std::span<const ControlDeclaration> controls, NotifyParent notify)
    : m_notify(std::move(notify))
{
    for (const ControlDeclaration& declared : controls) {
        Control control;
        control.kind = declared.kind;
        control.sorted = declared.sorted;
        control.text = declared.text;
        control.rect = declared.rect;
        m_controls.insert_or_assign(declared.id, std::move(control));
    }
}

MemoryControls::Control* MemoryControls::find(int id, std::initializer_list<ControlKind> kinds)
{
    auto it = m_controls.find(id);
    if (it == m_controls.end())
        return nullptr;
    const bool ofKind = kinds.size() == 0 || std::find(kinds.begin(), kinds.end(), it->second.kind) != kinds.end();
    return ofKind ? &it->second : nullptr;
}

const MemoryControls::Control* MemoryControls::find(int id, std::initializer_list<ControlKind> kinds) const
{
    return const_cast<MemoryControls*>(this)->find(id, kinds);
}

// GetDlgItemText converts into the caller's buffer whole characters only: a double-byte
// character that does not fit is left out rather than split.
std::string MemoryControls::text(int id, std::size_t maxLength) const
{
    const Control* control = find(id);
    if (!control)
        return {};
    const std::string& text = control->text;
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t width = isLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < text.size() ? 2 : 1;
        if (end + width > maxLength)
            break;
        end += width;
    }
    return text.substr(0, end);
}

// SetWindowText on an edit control: the edit tells its dialog EN_UPDATE, then EN_CHANGE.
void MemoryControls::setText(int id, std::string_view text)
{
    Control* control = find(id);
    if (!control)
        return;
    control->text = beforeZero(text);
    if (control->kind == ControlKind::Edit && m_notify) {
        m_notify(id, window_message::kEditUpdate);
        m_notify(id, window_message::kEditChange);
    }
}

void MemoryControls::setEnabled(int id, bool enabled)
{
    if (Control* control = find(id))
        control->enabled = enabled;
}

bool MemoryControls::isEnabled(int id) const
{
    const Control* control = find(id);
    return control && control->enabled;
}

void MemoryControls::setVisible(int id, bool visible)
{
    if (Control* control = find(id))
        control->visible = visible;
}

bool MemoryControls::isVisible(int id) const
{
    const Control* control = find(id);
    return control && control->visible;
}

// Push buttons and the other controls keep no check state.
bool MemoryControls::isChecked(int id) const
{
    const Control* control = find(id, {ControlKind::CheckBox});
    return control && control->checked;
}

void MemoryControls::setChecked(int id, bool checked)
{
    if (Control* control = find(id, {ControlKind::CheckBox}))
        control->checked = checked;
}

ControlRect MemoryControls::controlRect(int id) const
{
    const Control* control = find(id);
    return control ? control->rect : ControlRect{};
}

void MemoryControls::moveControl(int id, const ControlRect& rect)
{
    if (Control* control = find(id))
        control->rect = rect;
}

// CB_RESETCONTENT also empties a drop-down combo box's edit part.
void MemoryControls::clearItems(int id)
{
    Control* control = findList(id);
    if (!control)
        return;
    control->items.clear();
    control->selection = kNoItem;
    if (control->kind == ControlKind::ComboBox)
        control->text.clear();
}

int MemoryControls::insertAt(Control& control, std::size_t index, std::string_view text)
{
    control.items.insert(control.items.begin() + static_cast<std::ptrdiff_t>(index), std::string(beforeZero(text)));
    const int inserted = static_cast<int>(index);
    if (control.selection != kNoItem && control.selection >= inserted)
        ++control.selection;
    return inserted;
}

int MemoryControls::addItem(int id, std::string_view text)
{
    Control* control = findList(id);
    if (!control)
        return kNoItem;
    std::size_t index = control->items.size();
    if (control->sorted) {
        const std::string key = sortKey(beforeZero(text));
        const auto after = std::find_if(control->items.begin(), control->items.end(),
                                        [&key](const std::string& item) { return key < sortKey(item); });
        index = static_cast<std::size_t>(after - control->items.begin());
    }
    return insertAt(*control, index, text);
}

void MemoryControls::addItems(int id, std::span<const std::string> texts)
{
    for (const std::string& text : texts)
        addItem(id, text);
}

// CB_INSERTSTRING and LB_INSERTSTRING put the item where they are told, sorted or not.
int MemoryControls::insertItem(int id, int index, std::string_view text)
{
    Control* control = findList(id);
    if (!control)
        return kNoItem;
    if (index == -1)
        index = static_cast<int>(control->items.size());
    if (index < 0 || static_cast<std::size_t>(index) > control->items.size())
        return kNoItem;
    return insertAt(*control, static_cast<std::size_t>(index), text);
}

// The items after the deleted one move up, and so does a selection among them; deleting the
// selected item leaves nothing selected (a combo box's edit part keeps its text).
void MemoryControls::deleteItem(int id, int index)
{
    Control* control = findList(id);
    if (!control || index < 0 || static_cast<std::size_t>(index) >= control->items.size())
        return;
    control->items.erase(control->items.begin() + index);
    if (control->selection == index)
        control->selection = kNoItem;
    else if (control->selection > index)
        --control->selection;
}

int MemoryControls::itemCount(int id) const
{
    const Control* control = findList(id);
    return control ? static_cast<int>(control->items.size()) : 0;
}

std::string MemoryControls::itemText(int id, int index) const
{
    const Control* control = findList(id);
    if (!control || index < 0 || static_cast<std::size_t>(index) >= control->items.size())
        return {};
    return control->items[static_cast<std::size_t>(index)];
}

int MemoryControls::selection(int id) const
{
    const Control* control = findList(id);
    return control ? control->selection : kNoItem;
}

// CB_SETCURSEL also shows the selected item (or nothing) in a drop-down combo box's edit
// part, without telling the dialog.
int MemoryControls::setSelection(int id, int index)
{
    Control* control = findList(id);
    if (!control)
        return kNoItem;
    const bool valid = index >= 0 && static_cast<std::size_t>(index) < control->items.size();
    control->selection = valid ? index : kNoItem;
    if (control->kind == ControlKind::ComboBox)
        control->text = valid ? control->items[static_cast<std::size_t>(index)] : std::string();
    return control->selection;
}

void MemoryControls::setDroppedHeight(int id, int pixels)
{
    if (Control* control = find(id, {ControlKind::ComboBox}))
        control->droppedHeight = pixels;
}

int MemoryControls::droppedHeight(int id) const
{
    const Control* control = find(id);
    return control ? control->droppedHeight : 0;
}

// A picture that does not hold width × height pixels is not shown.
void MemoryControls::showPixels(int id, int width, int height, std::span<const std::uint32_t> pixels)
{
    Control* control = find(id, {ControlKind::Picture});
    if (!control || width < 0 || height < 0
        || pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return;
    control->picture = Picture{width, height, std::vector<std::uint32_t>(pixels.begin(), pixels.end())};
}

// Controls in memory have no border: the inside is the whole control.
void MemoryControls::setPictureArea(int id, int width, int height)
{
    if (Control* control = find(id, {ControlKind::Picture}); control && width >= 0 && height >= 0) {
        control->rect.width = width;
        control->rect.height = height;
    }
}

const MemoryControls::Picture* MemoryControls::picture(int id) const
{
    const Control* control = find(id, {ControlKind::Picture});
    return control ? &control->picture : nullptr;
}

void MemoryControls::setCaption(std::string_view text)
{
    m_caption = beforeZero(text);
}

void MemoryControls::endDialog(int result)
{
    m_ended = true;
    m_endResult = result;
}

MemoryControls::NotifyParent commandsTo(IWindowHandler& handler)
{
    return [&handler](int id, std::uint16_t code) {
        handler.windowMessage(window_message::kCommand,
                              window_message::makeCommand(static_cast<std::uint16_t>(id), code), 0);
    };
}
