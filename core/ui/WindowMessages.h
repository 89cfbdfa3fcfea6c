#pragma once

#include <cstdint>
#include <optional>

// The Win32 message and notification numbers that pages handle, defined here so that the
// portable code sees the same values as the Win32 headers.
namespace window_message {
inline constexpr std::uint32_t kInitDialog = 0x0110; // WM_INITDIALOG
inline constexpr std::uint32_t kCommand = 0x0111;    // WM_COMMAND
inline constexpr std::uint32_t kNotify = 0x004E;     // WM_NOTIFY
inline constexpr std::uint32_t kClose = 0x0010;      // WM_CLOSE
inline constexpr std::uint32_t kSize = 0x0005;       // WM_SIZE

// The frame's private messages, which outside programs send. The frame hands the last two on
// to the current page.
inline constexpr std::uint32_t kSelectTab = 0x8000;       // wParam: tab index
inline constexpr std::uint32_t kSelectListEntry = 0x8001; // wParam: entry of the page's list
inline constexpr std::uint32_t kOpenText = 0x8002;        // lParam: ROM offset of a text

// The wParam of WM_SIZE for a window that was maximised (SIZE_MAXIMIZED).
inline constexpr std::uintptr_t kSizeMaximized = 2;

// The ids of a dialog's OK and Cancel buttons (IDOK, IDCANCEL).
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Notification codes in the high word of a WM_COMMAND wParam.
inline constexpr std::uint16_t kButtonClicked = 0;   // BN_CLICKED
inline constexpr std::uint16_t kComboSelChange = 1;  // CBN_SELCHANGE
inline constexpr std::uint16_t kListSelChange = 1;   // LBN_SELCHANGE
inline constexpr std::uint16_t kEditChange = 0x0300; // EN_CHANGE
inline constexpr std::uint16_t kEditUpdate = 0x0400; // EN_UPDATE

inline constexpr std::uint16_t commandId(std::uintptr_t wParam)
{
    return static_cast<std::uint16_t>(wParam & 0xFFFF);
}

inline constexpr std::uint16_t notifyCode(std::uintptr_t wParam)
{
    return static_cast<std::uint16_t>(wParam >> 16 & 0xFFFF);
}

// A WM_COMMAND's control id and notification code.
struct Command {
    int id;
    std::uint16_t code;
};

// The command a message carries; nothing for any other message.
inline constexpr std::optional<Command> asCommand(std::uint32_t message, std::uintptr_t wParam)
{
    if (message != kCommand)
        return std::nullopt;
    return Command{commandId(wParam), notifyCode(wParam)};
}

inline constexpr std::uintptr_t makeCommand(std::uint16_t id, std::uint16_t code)
{
    return static_cast<std::uintptr_t>(code) << 16 | id;
}
} // namespace window_message
