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
        const ResultOf<FinderReport> report = findSettingsFiles(argv[1], argv[2]);
        if (!report.ok()) {
            std::fprintf(stderr, "find_settings: %s\n", consoleText(report.errorText()).c_str());
            return kExitCannotRun;
        }
        std::printf("game code %s, %zu bytes, section [%s] of Setting.ini\n", report->gameCode.c_str(),
                    report->romSize, report->gameCode.c_str());
        for (const std::string& line : report->lines())
            std::printf("%s\n", consoleText(line).c_str());
        if (write) {
            const ResultOf<std::string> backupPath = writeFoundSettings(argv[1], *report);
            if (!backupPath.ok()) {
                std::fprintf(stderr, "find_settings: %s\n", consoleText(backupPath.errorText()).c_str());
                return kExitCannotRun;
            }
            std::printf("wrote %zu keys into [%s] of Setting.ini%s%s\n", report->settings().size(),
                        report->gameCode.c_str(), backupPath->empty() ? "" : "; the old file is ",
                        consoleText(*backupPath).c_str());
        }
        return report->allFindablePlaced() ? kExitAllPlaced : kExitSomeNotPlaced;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "find_settings: %s\n", error.what());
        return kExitCannotRun;
    }
}
