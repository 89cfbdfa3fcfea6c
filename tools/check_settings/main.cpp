// Checks the Setting.ini of a program folder against a ROM and names every key whose table
// is misplaced or does not look like its format: check_settings <folder> <rom file>
#include "tools/check_settings/SettingsCheck.h"
#include "tools/console/Console.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: check_settings <folder with Setting.ini> <rom file>\n");
        return kExitCannotRun;
    }
    try {
        const CheckReport report = checkSettingsFiles(argv[1], argv[2]);
        for (const std::string& line : report.lines) {
            if (report.ran)
                std::printf("%s\n", consoleText(line).c_str());
            else
                std::fprintf(stderr, "check_settings: %s\n", consoleText(line).c_str());
        }
        return report.exitStatus();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "check_settings: %s\n", error.what());
        return kExitCannotRun;
    }
}
