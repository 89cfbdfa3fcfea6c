// The Windows definition behind tests/pages/TestShell.h: message boxes, file choosers and menu
// states are the script's (ScriptedShell); modal dialogs are the real templates of this test
// program, shown modally and worked by the script from inside their modal loop; bitmaps and
// windows of the pages' own come from the program's shell over the test host's hidden frame.
#include "tests/pages/TestShell.h"

#include "app/Win32DialogBinding.h"
#include "app/Win32Shell.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <map>
#include <vector>

namespace {

// How often the modal loop is looked in on until the dialog shows, and for how long.
constexpr UINT kScriptDelayMs = 10;
constexpr int kMaxWaits = 300;

BOOL CALLBACK collectBoundDialog(HWND window, LPARAM found)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && win32_dialog::controlsOf(window))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

// The program's dialogs of this thread (top-level "#32770" windows bound to a handler).
std::vector<HWND> boundDialogs()
{
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), collectBoundDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

// One modal dialog whose script waits for its modal loop.
struct ModalRun {
    ScriptedShell::ModalScript script;
    std::vector<HWND> dialogsBefore; // open before this one: the one it is not
    int waits = 0;
    bool done = false;
};
// Thread timers by id; nested modal dialogs each have their own.
std::map<UINT_PTR, ModalRun*> g_runs;

HWND newDialog(const ModalRun& run)
{
    for (HWND dialog : boundDialogs())
        if (std::find(run.dialogsBefore.begin(), run.dialogsBefore.end(), dialog) == run.dialogsBefore.end())
            return dialog;
    return nullptr;
}

void sendDialogCommand(HWND dialog, int id, std::uint16_t code)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Ended (EndDialog hides it at once) or gone.
bool stillOpen(HWND dialog)
{
    return IsWindow(dialog) && IsWindowVisible(dialog);
}

void CALLBACK runModalScript(HWND, UINT, UINT_PTR timer, DWORD)
{
    auto found = g_runs.find(timer);
    if (found == g_runs.end()) {
        KillTimer(nullptr, timer);
        return;
    }
    ModalRun& run = *found->second;
    HWND dialog = newDialog(run);
    // The modal loop shows the dialog once its queue is first empty; the user acts after that.
    if (!dialog || (!IsWindowVisible(dialog) && ++run.waits < kMaxWaits))
        return;
    KillTimer(nullptr, timer);
    run.done = true;
    if (run.script) {
        try {
            run.script(*win32_dialog::controlsOf(dialog),
                       [dialog](int id, std::uint16_t code) { sendDialogCommand(dialog, id, code); });
        } catch (const std::exception& error) {
            ADD_FAILURE() << "modal script threw: " << error.what();
        } catch (...) {
            ADD_FAILURE() << "modal script threw";
        }
    }
    if (stillOpen(dialog))
        sendDialogCommand(dialog, IDCANCEL, BN_CLICKED);
    if (stillOpen(dialog)) {
        ADD_FAILURE() << "the modal dialog ignored IDCANCEL";
        EndDialog(dialog, IDCANCEL);
    }
}

class Win32TestShell : public ScriptedShell {
public:
    explicit Win32TestShell(HWND frame) : m_frame(frame), m_windows(GetModuleHandleA(nullptr), frame) {}

    int runModalDialog(WindowHandle owner, int templateId, IWindowHandler& handler) override
    {
        ModalRun run{takeModalScript(templateId), boundDialogs()};
        const UINT_PTR timer = SetTimer(nullptr, 0, kScriptDelayMs, runModalScript);
        g_runs[timer] = &run;
        win32_dialog::Creation creation{&handler, true};
        const INT_PTR result =
            DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId),
                            owner ? static_cast<HWND>(owner) : m_frame, win32_dialog::dialogProc,
                            reinterpret_cast<LPARAM>(&creation));
        if (!run.done)
            KillTimer(nullptr, timer);
        g_runs.erase(timer);
        return static_cast<int>(result);
    }

    std::optional<RgbImage> loadBitmapFile(const std::string& path) override { return m_windows.loadBitmapFile(path); }
    std::unique_ptr<IToolWindow> createToolWindow(const ToolWindowSpec& spec, IWindowHandler& handler) override
    {
        return m_windows.createToolWindow(spec, handler);
    }
    std::unique_ptr<IMdiClient> createMdiClient(const DocumentWindowSpec& documents) override
    {
        return m_windows.createMdiClient(documents);
    }

private:
    HWND m_frame;
    Win32Shell m_windows;
};

} // namespace

// Over the frame of makeTestPageHost (call that first); without one, windows have no owner.
std::unique_ptr<ScriptedShell> makeTestShell(CTabSystem& tabs)
{
    auto shell = std::make_unique<Win32TestShell>(static_cast<HWND>(tabs.frame()));
    tabs.setShell(shell.get());
    return shell;
}
