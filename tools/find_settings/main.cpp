// Looks for the tables of a ROM and prints the Setting.ini section it would make, with the
// evidence of each key; --write writes it: find_settings <folder> <rom file> [--write]
#include "pages/finder/FinderFiles.h"
#include "tools/console/Console.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

constexpr int kExitAllPlaced = 0;
constexpr int kExitSomeNotPlaced = 1;
constexpr int kExitCannotRun = 2;

int usage()
{
    std::fprintf(stderr, "usage: find_settings <folder with Setting.ini> <rom file> [--write]\n");
    return kExitCannotRun;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "--write") != 0))
        return usage();
    const bool write = argc == 4;
    try {
        const FinderRun run = findSettingsFiles(argv[1], argv[2]);
        if (!run.ran) {
            std::fprintf(stderr, "find_settings: %s\n", consoleText(run.failure).c_str());
            return kExitCannotRun;
        }
        std::printf("game code %s, %zu bytes, section [%s] of Setting.ini\n", run.report.gameCode.c_str(),
                    run.report.romSize, run.report.gameCode.c_str());
        for (const std::string& line : run.report.lines())
            std::printf("%s\n", consoleText(line).c_str());
        if (write) {
            const SettingsWrite written = writeFoundSettings(argv[1], run.report);
            if (!written.done) {
                std::fprintf(stderr, "find_settings: %s\n", consoleText(written.reason).c_str());
                return kExitCannotRun;
            }
            std::printf("wrote %zu keys into [%s] of Setting.ini%s%s\n", run.report.settings().size(),
                        run.report.gameCode.c_str(), written.backupPath.empty() ? "" : "; the old file is ",
                        consoleText(written.backupPath).c_str());
        }
        return run.report.allFindablePlaced() ? kExitAllPlaced : kExitSomeNotPlaced;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "find_settings: %s\n", error.what());
        return kExitCannotRun;
    }
}
