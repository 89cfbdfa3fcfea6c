#include "pages/monster/TmHmWindow.h"

#include "core/RomFile.h"
#include "core/ui/WindowMessages.h"
#include "pages/monster/MonsterPage.h"
#include "pages/monster/TmHmRecord.h"

#include <cstdio>

namespace {

constexpr const char* kCaption = "エラー(Error)";
constexpr int kColumns = 10;
constexpr int kCellWidth = 37;
constexpr int kRowHeight = 27;
constexpr int kBoxWidth = 35;
constexpr int kBoxHeight = 25;
constexpr int kHmRow = 189;

std::string twoDigits(std::size_t number)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", static_cast<int>(number));
    return text;
}

ToolWindowSpec windowSpec()
{
    using Kind = ChildControl::Kind;
    ToolWindowSpec spec{"こどもども～", "Skill Machine Window", 370, 216, {}};
    spec.controls.push_back({-1, Kind::Static, "技マシン", {0, 0, 70, 25}});
    for (int k = 0; k < static_cast<int>(tm_hm_record::kTmCount); ++k) {
        const int row = k / kColumns;
        const int column = k % kColumns;
        spec.controls.push_back({TmHmWindow::kFirstCheck + k, Kind::CheckBox, twoDigits(k + 1),
                                 {kCellWidth * column, kRowHeight * row + kRowHeight, kBoxWidth, kBoxHeight}});
    }
    spec.controls.push_back({-1, Kind::Static, "秘伝マシン", {0, 162, 90, 25}});
    for (int i = 0; i < static_cast<int>(tm_hm_record::kCheckCount - tm_hm_record::kTmCount); ++i) {
        spec.controls.push_back(
            {TmHmWindow::kFirstHmCheck + i, Kind::CheckBox, twoDigits(i + 1), {kCellWidth * i, kHmRow, kBoxWidth, kBoxHeight}});
    }
    spec.controls.push_back({TmHmWindow::kSave, Kind::PushButton, "Romへ保存", {268, 0, 100, 25}});
    return spec;
}

} // namespace

std::unique_ptr<TmHmWindow> TmHmWindow::create(PageContext& context, CSolid_Value& page)
{
    IShell* shell = context.shell();
    if (!shell)
        return nullptr;
    std::unique_ptr<TmHmWindow> window(new TmHmWindow(context, page));
    window->m_window = shell->createToolWindow(windowSpec(), *window);
    if (!window->m_window || !window->m_window->handle())
        return nullptr;
    return window;
}

// The window goes first: it tells this handler so while the handler is still whole.
TmHmWindow::~TmHmWindow()
{
    m_window.reset();
}

void TmHmWindow::show()
{
    m_window->show();
    Load(m_page.currentMonster());
}

void TmHmWindow::Load(std::int32_t monster)
{
    CSolid_Value::TmHmState& state = m_page.tmHm();
    state.record = {};
    m_loadedMonster = -1;
    if (m_page.tmHmOffset() == kNotConfigured || !m_controls)
        return;
    ResultOf<RomFile> file = RomFile::openForReading(m_context.romPath());
    if (!file.ok()) {
        error("FileOpenに失敗しました。");
        return;
    }
    if (!file->readAt(m_page.tmHmOffset() + static_cast<std::int64_t>(monster) * tm_hm_record::kSize, state.record)
             .ok()) {
        error("読み取りに失敗しました。");
        return;
    }
    state.checks = tm_hm_record::checksOf(state.record);
    for (std::size_t k = 0; k < tm_hm_record::kCheckCount; ++k)
        m_controls->setChecked(kFirstCheck + static_cast<int>(k), state.checks[k] != 0);
    m_loadedMonster = monster;
}

// Ticks that were never read for this monster (a failed read, or another monster's) are not
// written over its record.
void TmHmWindow::Save()
{
    if (m_page.tmHmOffset() == kNotConfigured || !m_controls)
        return;
    const std::int32_t monster = m_page.currentMonster();
    if (m_loadedMonster != monster) {
        error("このザルバトの技マシンを読み取れなかったので、保存しません。");
        return;
    }
    CSolid_Value::TmHmState& state = m_page.tmHm();
    for (std::size_t k = 0; k < tm_hm_record::kCheckCount; ++k)
        state.checks[k] = m_controls->isChecked(kFirstCheck + static_cast<int>(k)) ? 1 : 0;
    state.record = tm_hm_record::recordOf(state.checks);
    ResultOf<RomFile> file = m_context.openRomForWriting();
    if (!file.ok()) {
        error("FileOpenに失敗しました。");
        return;
    }
    if (!file->writeAt(m_page.tmHmOffset() + static_cast<std::int64_t>(monster) * tm_hm_record::kSize, state.record)
             .ok())
        error("書き込みに失敗しました。");
}

void TmHmWindow::windowCreated(WindowHandle, IDialogControls& controls)
{
    m_controls = &controls;
}

int TmHmWindow::windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    const auto command = window_message::asCommand(message, wParam);
    if (!command || command->id != kSave || command->code != window_message::kButtonClicked)
        return 0;
    Save();
    return 1;
}

void TmHmWindow::windowDestroyed()
{
    m_controls = nullptr;
}

void TmHmWindow::error(const char* text)
{
    if (IShell* shell = m_context.shell())
        shell->messageBox(m_window ? m_window->handle() : nullptr, text, kCaption, MessageButtons::Ok,
                          MessageIcon::Error);
}
