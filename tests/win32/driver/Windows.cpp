#include "tests/win32/driver/Windows.h"

#include <vector>

bool waitUntil(DWORD milliseconds, const std::function<bool()>& done)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        if (done())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Sleep(100);
    }
}

HWND waitForWindow(DWORD milliseconds, const std::function<HWND()>& find)
{
    HWND window = nullptr;
    waitUntil(milliseconds, [&] { return (window = find()) != nullptr; });
    return window;
}

namespace {

struct Search {
    const char* className;
    DWORD processId;
    HWND owner;
    HWND found;
};

bool hasClass(HWND window, const char* className)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return lstrcmpiA(name, className) == 0;
}

BOOL CALLBACK matchTopLevel(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<Search*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const bool processMatches = search.processId == 0 || processId == search.processId;
    const bool ownerMatches = search.owner == nullptr || GetWindow(window, GW_OWNER) == search.owner;
    if (processMatches && ownerMatches && hasClass(window, search.className)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND findTopLevelWindow(const char* className, DWORD processId)
{
    Search search{className, processId, nullptr, nullptr};
    EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findOwnedWindow(const char* className, HWND owner)
{
    Search search{className, 0, owner, nullptr};
    EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findDescendant(HWND parent, const char* className)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (hasClass(child, className))
            return child;
        if (HWND below = findDescendant(child, className))
            return below;
    }
    return nullptr;
}

bool sendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    DWORD_PTR answer = 0;
    const bool answered =
        SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeout, &answer) != 0;
    if (result)
        *result = static_cast<LRESULT>(answer);
    return answered;
}

std::string windowText(HWND window)
{
    LRESULT length = 0;
    if (!sendWithin(window, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0)
        return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    LRESULT copied = 0;
    if (!sendWithin(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), &copied))
        return {};
    return std::string(buffer.data(), static_cast<std::size_t>(copied));
}

std::string waitForText(HWND window, const std::string& expected, DWORD milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        std::string text = windowText(window);
        if (text == expected || GetTickCount64() >= end)
            return text;
        Sleep(100);
    }
}
