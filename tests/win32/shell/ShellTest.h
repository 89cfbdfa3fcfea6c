// What the shell cases share: a handler that records what its window told it, and a helper
// that works the next message box or file dialog of this thread from inside its modal loop.
#pragma once

#include "core/ui/WindowHandler.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class RecordingHandler : public IWindowHandler {
public:
    std::function<void(HWND)> onCreated;
    // The result of windowMessage for WM_COMMAND (0, the default processing, without one).
    std::function<int(WPARAM)> onCommand;

    void windowCreated(WindowHandle window, IDialogControls& controls) override
    {
        created = static_cast<HWND>(window);
        this->controls = &controls;
        if (onCreated)
            onCreated(created);
    }
    int windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t) override
    {
        messages.push_back(message);
        if (message != WM_COMMAND)
            return 0;
        commands.push_back(wParam);
        return onCommand ? onCommand(wParam) : 0;
    }
    void windowDestroyed() override { ++destroyed; }
    bool received(std::uint32_t message) const
    {
        return std::find(messages.begin(), messages.end(), message) != messages.end();
    }

    HWND created = nullptr;
    IDialogControls* controls = nullptr;
    std::vector<std::uint32_t> messages;
    std::vector<std::uintptr_t> commands; // WM_COMMAND wParams
    int destroyed = 0;
};

// Once the next box of this thread shows, act works it (and presses one of its buttons).
void actOnNextBox(std::function<void(HWND box)> act);
void press(HWND box, int id);
std::string windowText(HWND window);
