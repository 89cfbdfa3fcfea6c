#include "tests/win32/driver/Program.h"
#include "tests/win32/driver/Scenarios.h"

#include <cstdlib>

namespace {

constexpr DWORD kStartTimeout = 60000;
constexpr DWORD kExitTimeout = 30000;
const char* const kPlacementKeys[] = {"WindowX", "WindowY", "WindowSizeX", "WindowSizeY", "ShowCmd"};

bool isDecimal(const std::string& text)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    std::strtol(text.c_str(), &end, 10);
    return *end == '\0';
}

} // namespace

void checkPlacement(Report& report, const std::string& exe, const std::string& folder)
{
    const std::string settings = folder + "\\Setting.ini";
    DeleteFileA(settings.c_str());

    Program program(exe, folder);
    if (!report.check(program.started(), "placement: Calvanter.exe starts", exe))
        return;
    HWND frame = program.waitForFrame(kStartTimeout);
    if (!report.check(frame != nullptr, "placement: frame TAMBLOR_CALVANTER appears"))
        return;
    PostMessageA(frame, WM_CLOSE, 0, 0);
    if (!report.check(program.waitForExit(kExitTimeout), "placement: the program ends after WM_CLOSE"))
        return;
    report.check(program.exitCode() == 0, "placement: exit code 0", std::to_string(program.exitCode()));

    for (const char* key : kPlacementKeys) {
        char value[30] = {};
        GetPrivateProfileStringA("Calvanter", key, "", value, sizeof(value), settings.c_str());
        report.check(isDecimal(value), std::string("placement: Setting.ini [Calvanter] ") + key,
                     value[0] ? value : "missing");
    }
    char showCommand[30] = {};
    GetPrivateProfileStringA("Calvanter", "ShowCmd", "", showCommand, sizeof(showCommand), settings.c_str());
    report.check(std::string(showCommand) == "1", "placement: ShowCmd of a normal window is 1", showCommand);
}
