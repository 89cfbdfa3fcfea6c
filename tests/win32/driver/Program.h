#pragma once

#include <windows.h>

#include <string>

// Calvanter.exe copied into a scratch folder (unless it is there already) and started there, as
// a user runs it: its program directory is the current folder. Never left running: the
// destructor ends it.
class Program {
public:
    Program(const std::string& exe, const std::string& folder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return m_process.hProcess != nullptr; }
    DWORD id() const { return m_process.dwProcessId; }
    // The visible frame; null when the time is up or the program ended first.
    HWND waitForFrame(DWORD milliseconds);
    bool waitForExit(DWORD milliseconds);
    DWORD exitCode() const;

private:
    PROCESS_INFORMATION m_process{};
};
