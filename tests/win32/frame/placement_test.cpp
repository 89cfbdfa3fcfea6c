// The frame's window placement in Setting.ini, on real windows.
#include "app/WindowPlacement.h"
#include "core/Profile.h"
#include "tests/support/TestFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

std::string placementKey(const std::string& file, const char* key)
{
    return profileReadString(file, "Calvanter", key, "", 30);
}

// A plain overlapped window, never shown on screen unless the test shows it.
HWND makeWindow(int x, int y, int width, int height)
{
    return CreateWindowExA(0, "STATIC", "placement", WS_OVERLAPPEDWINDOW, x, y, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

} // namespace

TEST(WindowPlacement, OnlyAllFiveKeysCount)
{
    TempDir dir;
    const std::string file = dir.file("Setting.ini");
    writeFile(file, "[Calvanter]\r\nWindowX=10\r\nWindowY=20\r\nWindowSizeX=300\r\nWindowSizeY=200\r\n");
    EXPECT_FALSE(readWindowPlacement(file).has_value());
    EXPECT_FALSE(readWindowPlacement(dir.file("missing.ini")).has_value());

    writeFile(file, "[Calvanter]\r\nWindowX=10\r\nWindowY=-20\r\nWindowSizeX=300\r\nWindowSizeY=200\r\nShowCmd=3\r\n");
    const auto placement = readWindowPlacement(file);
    ASSERT_TRUE(placement.has_value());
    EXPECT_EQ(placement->x, 10);
    EXPECT_EQ(placement->y, -20);
    EXPECT_EQ(placement->width, 300);
    EXPECT_EQ(placement->height, 200);
    EXPECT_EQ(placement->showCommand, 3);
}

TEST(WindowPlacement, ANormalWindowWritesItsRectangleAMaximisedOneOnlyItsShowState)
{
    TempDir dir;
    const std::string file = dir.file("Setting.ini");
    HWND window = makeWindow(40, 30, 320, 240);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    EXPECT_TRUE(writeWindowPlacement(file, window));
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(placementKey(file, "WindowX"), std::to_string(rect.left));
    EXPECT_EQ(placementKey(file, "WindowY"), std::to_string(rect.top));
    EXPECT_EQ(placementKey(file, "WindowSizeX"), std::to_string(rect.right - rect.left));
    EXPECT_EQ(placementKey(file, "WindowSizeY"), std::to_string(rect.bottom - rect.top));
    EXPECT_EQ(placementKey(file, "ShowCmd"), "1");

    writeFile(file, "[Calvanter]\r\nWindowX=1\r\nWindowY=2\r\nWindowSizeX=3\r\nWindowSizeY=4\r\nShowCmd=1\r\n");
    ShowWindow(window, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(writeWindowPlacement(file, window));
    EXPECT_EQ(placementKey(file, "WindowX"), "1");
    EXPECT_EQ(placementKey(file, "WindowSizeY"), "4");
    EXPECT_EQ(placementKey(file, "ShowCmd"), "3");

    // Unchanged, the user's file is not rewritten; a file that cannot be written says so.
    const std::string mine = "; mine\r\n[Calvanter]\r\nShowCmd = 3\r\n";
    writeFile(file, mine);
    EXPECT_TRUE(writeWindowPlacement(file, window));
    EXPECT_EQ(readText(file), mine);
    ShowWindow(window, SW_SHOWNORMAL);
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_FALSE(writeWindowPlacement(file, window));
    CloseHandle(held);
    EXPECT_EQ(readText(file), mine);
    DestroyWindow(window);
}
