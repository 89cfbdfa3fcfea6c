#include "app/WindowPlacement.h"

#include "core/GameSettings.h"
#include "core/Profile.h"

#include <array>
#include <cstdio>

namespace {

constexpr const char* kSection = "Calvanter";
constexpr std::size_t kValueSize = 30;
constexpr std::array<const char*, 5> kKeys = {"WindowX", "WindowY", "WindowSizeX", "WindowSizeY", "ShowCmd"};

void writeNumber(const std::string& settingsFile, const char* key, long value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%ld", value);
    profileWriteString(settingsFile, kSection, key, text);
}

} // namespace

std::optional<SavedPlacement> readWindowPlacement(const std::string& settingsFile)
{
    std::array<int, kKeys.size()> values{};
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const std::string text = profileReadString(settingsFile, kSection, kKeys[i], "", kValueSize);
        if (text.empty())
            return std::nullopt;
        values[i] = parseDecimal(text);
    }
    return SavedPlacement{values[0], values[1], values[2], values[3], values[4]};
}

void writeWindowPlacement(const std::string& settingsFile, HWND frame)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(frame, &placement))
        return;
    if (placement.showCmd != SW_SHOWMAXIMIZED && placement.showCmd != SW_SHOWMINIMIZED) {
        RECT rect{};
        GetWindowRect(frame, &rect);
        writeNumber(settingsFile, "WindowX", rect.left);
        writeNumber(settingsFile, "WindowY", rect.top);
        writeNumber(settingsFile, "WindowSizeX", rect.right - rect.left);
        writeNumber(settingsFile, "WindowSizeY", rect.bottom - rect.top);
    }
    writeNumber(settingsFile, "ShowCmd", static_cast<long>(placement.showCmd));
}
