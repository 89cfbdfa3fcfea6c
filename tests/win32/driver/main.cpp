// The end-to-end driver: runs Calvanter.exe in scratch folders as a user would and checks what
// it leaves behind.
//   calvanter_driver <Calvanter.exe> <empty folder> <fixture folder> <rom name> <screenshot folder>
//                    [<seeded fixture folder>]
//   calvanter_driver --show <Calvanter.exe> <rom folder> <rom name> <screenshot folder>
// The second form only opens the ROM and photographs the tabs, leaving the ROM as it was.
// Relative paths are taken from the current folder. Returns 1 when a check failed.
#include "tests/win32/driver/Driver.h"

#include <cstdio>

namespace {

std::string fullPath(const char* path)
{
    char buffer[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path, MAX_PATH, buffer, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string(path);
}

} // namespace

int main(int argc, char** argv)
{
    const bool showOnly = argc == 6 && std::string(argv[1]) == "--show";
    if (argc != 6 && argc != 7) {
        std::fprintf(stderr, "usage: calvanter_driver <Calvanter.exe> <empty folder> <fixture folder> <rom name> "
                             "<screenshot folder> [<seeded fixture folder>]\n"
                             "       calvanter_driver --show <Calvanter.exe> <rom folder> <rom name> "
                             "<screenshot folder>\n");
        return 2;
    }
    Report report;
    if (showOnly) {
        showRom(report, fullPath(argv[2]), fullPath(argv[3]), argv[4], fullPath(argv[5]));
    } else {
        const std::string exe = fullPath(argv[1]);
        checkPlacement(report, exe, fullPath(argv[2]));
        checkRomSession(report, exe, fullPath(argv[3]), argv[4], fullPath(argv[5]));
        checkPendingEdits(report, exe, fullPath(argv[3]), argv[4], fullPath(argv[5]));
        checkOpening(report, exe, fullPath(argv[3]), argv[4]);
        if (argc == 7)
            checkFindSettings(report, exe, fullPath(argv[6]), argv[4], fullPath(argv[5]));
    }
    std::printf("driver: %d failed check(s)\n", report.failures());
    return report.failures() == 0 ? 0 : 1;
}
