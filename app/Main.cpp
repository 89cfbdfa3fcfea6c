// The program's entry point: the frame's class, the frame, and the message loop.
#include "app/DialogKeys.h"
#include "app/FrameWindow.h"
#include "app/Win32MdiClient.h"
#include "res/resource.h"

#include <windows.h>

namespace {
constexpr int kStringSize = 100;
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    char caption[kStringSize] = {};
    char className[kStringSize] = {};
    LoadStringA(instance, IDS_APP_TITLE, caption, kStringSize);
    LoadStringA(instance, IDS_WINDOW_CLASS, className, kStringSize);

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = frameProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_CALVANTER));
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SMALL));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDC_CALVANTER);
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);

    HWND frame = createFrame(instance, className, caption, showCommand);
    if (!frame)
        return 0;
    openRomAtStart(frame, commandLine);

    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDC_CALVANTER));
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // The frame's keys (Ctrl+O, Ctrl+S) work from any control inside it.
        if (TranslateAcceleratorA(frame, accelerators, &message))
            continue;
        // The text documents' own keys (Ctrl+F4, Ctrl+F6) while their client is shown.
        if (HWND client = win32_mdi::frameClient(); client && TranslateMDISysAccel(client, &message))
            continue;
        if (translateDialogKeys(message)) {
            frameActionEnded();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
        frameActionEnded();
    }
    return static_cast<int>(message.wParam);
}
