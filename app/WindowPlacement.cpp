#include "app/WindowPlacement.h"

#include "core/NumberParsing.h"
#include "core/Profile.h"

#include <array>
#include <vector>

namespace {

constexpr const char* kSection = "Calvanter";
constexpr std::size_t kValueSize = 30;
constexpr std::array<const char*, 5> kKeys = {"WindowX", "WindowY", "WindowSizeX", "WindowSizeY", "ShowCmd"};
constexpr std::size_t kShowCommand = 4;

} // namespace

std::optional<SavedPlacement> readWindowPlacement(const std::string& settingsFile)
{
    const ProfileFile stored = ProfileFile::load(settingsFile);
    std::array<int, kKeys.size()> values{};
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const std::string text = stored.readString(kSection, kKeys[i], "", kValueSize);
        if (text.empty())
            return std::nullopt;
        values[i] = parseDecimal(text);
    }
    return SavedPlacement{values[0], values[1], values[2], values[3], values[4]};
}

bool writeWindowPlacement(const std::string& settingsFile, HWND frame)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(frame, &placement))
        return true;
    RECT rect{};
    GetWindowRect(frame, &rect);
    const std::array<long, kKeys.size()> values = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                                   static_cast<long>(placement.showCmd)};
    const bool keepsRectangle = placement.showCmd == SW_SHOWMAXIMIZED || placement.showCmd == SW_SHOWMINIMIZED;
    const ProfileFile stored = ProfileFile::load(settingsFile);
    std::array<std::string, kKeys.size()> texts;
    std::vector<ProfileEntry> changed;
    for (std::size_t i = keepsRectangle ? kShowCommand : 0; i < kKeys.size(); ++i) {
        texts[i] = std::to_string(values[i]);
        if (stored.readString(kSection, kKeys[i], "", kValueSize) != texts[i])
            changed.push_back({kKeys[i], texts[i]});
    }
    // Setting.ini is the user's: it is rewritten only when the placement changed.
    return changed.empty() || profileWriteStrings(settingsFile, kSection, changed);
}
