#include "tests/win32/driver/Program.h"

#include "tests/win32/driver/Windows.h"

#include <vector>

namespace {
constexpr const char* kFrameClass = "TAMBLOR_CALVANTER";
constexpr DWORD kTerminateTimeout = 10000;
} // namespace

Program::Program(const std::string& exe, const std::string& folder)
{
    // A program already in its folder (the demo) runs where it is.
    const std::string copy = folder + "\\Calvanter.exe";
    if (lstrcmpiA(exe.c_str(), copy.c_str()) != 0 && !CopyFileA(exe.c_str(), copy.c_str(), FALSE))
        return;
    std::string commandLine = "\"" + copy + "\"";
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(copy.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &m_process))
        m_process = {};
}

Program::~Program()
{
    if (!started())
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, kTerminateTimeout);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND Program::waitForFrame(DWORD milliseconds)
{
    if (!started())
        return nullptr;
    // A program that ended before showing its frame fails at once.
    const ULONGLONG end = GetTickCount64() + milliseconds;
    HWND frame = nullptr;
    while (!frame && GetTickCount64() < end && WaitForSingleObject(m_process.hProcess, 100) == WAIT_TIMEOUT) {
        frame = findTopLevelWindow(kFrameClass, m_process.dwProcessId);
        if (frame && !IsWindowVisible(frame))
            frame = nullptr;
    }
    return frame;
}

bool Program::waitForExit(DWORD milliseconds)
{
    return started() && WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD Program::exitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (started())
        GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}
