#include "tests/win32/driver/MonsterScenario.h"

void checkMonsterPage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder)
{
    (void)report;
    (void)frame;
    (void)romPath;
    (void)screenshotFolder;
}
