// Times loading every page's Setting.ini keys from a 9 MB file: key by key through the
// profile reader (one pass over the file per key, as LoadSettings once read them) against
// the file parsed once; then a whole ROM read of a fixture with that Setting.ini.
#include "core/GameSettings.h"
#include "core/Profile.h"
#include "core/TabSystem.h"
#include "pages/EditorPages.h"
#include "tests/support/TestFiles.h"
#include "tools/fixture/FixtureRom.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kTargetBytes = 9u * 1024 * 1024;

// Every key the pages read, once per reading (a write-out area reads two keys).
const std::vector<std::string> kPageKeys = {
    "MonsterBaseStats_Pos", "Monster_Evol_Data_Pos", "MonsterDexData", "Level_Skill", "Skill_Machine",
    "Name_Start_Pos", "MonsterEggData", "MonsterEggDataNum", "TrainerData", "TrainerDataNum", "Trainer_Pic_Num",
    "AttackTable", "Item_Data", "Item_DataNum", "Compatibility", "MonsterPics", "MonsterPal", "MonsterBackPics",
    "MonsterShinyPal", "PicsNum", "domain1", "domain1end", "domain2", "domain2end", "domain3", "domain3end",
    "Communication_Change", "Communication_ChangeNum", "TrainerClasses", "TrainerClassesNum", "AttackName",
    "Left", "Center", "Right"};

double now()
{
    // <chrono> cannot be compiled into code page 932 (it spells "µs"), so the C clock it is.
    std::timespec time{};
    std::timespec_get(&time, TIME_UTC);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

// Sections of other games' and users' notes before the fixture's own settings.
bool padSettings(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string own((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string text;
    text.reserve(kTargetBytes + own.size());
    for (int section = 0; text.size() < kTargetBytes; ++section) {
        text += "[NOTE" + std::to_string(section) + "]\r\n";
        for (int key = 0; key < 40; ++key)
            text += "Offset" + std::to_string(key) + " = " + std::to_string(section * 977 + key) + "\r\n";
    }
    text += own;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

} // namespace

int main()
{
    TempDir dir;
    const FixtureRom rom = buildFixtureRom("BPRJ");
    const std::string settings = settingsPath(dir.path());
    if (!writeFixtureSet(rom, dir.path(), "fixture.gba") || !padSettings(settings)) {
        std::fprintf(stderr, "cannot write the fixture\n");
        return 1;
    }
    std::ifstream sized(settings, std::ios::binary | std::ios::ate);
    std::printf("Setting.ini of %lld bytes, %zu key readings\n", static_cast<long long>(sized.tellg()),
                kPageKeys.size());

    std::vector<std::string> perKey;
    double start = now();
    for (const std::string& key : kPageKeys)
        perKey.push_back(profileReadString(settings, "BPRJ", key, "", GameSettings::kValueBufferSize));
    const double perKeySeconds = now() - start;

    double parsedSeconds = 1e9;
    std::vector<std::string> parsed;
    for (int run = 0; run < 3; ++run) {
        parsed.clear();
        start = now();
        const GameSettings section(std::make_shared<const ProfileFile>(ProfileFile::load(settings)), "BPRJ");
        for (const std::string& key : kPageKeys)
            parsed.push_back(section.text(key));
        parsedSeconds = std::min(parsedSeconds, now() - start);
    }

    CTabSystem tabs;
    tabs.setProgramDirectory(dir.path());
    addEditorPages(tabs);
    start = now();
    const int read = tabs.openRom(dir.file("fixture.gba"));
    const double romSeconds = now() - start;
    tabs.releaseAndFreePages();

    std::printf("  key by key (one pass per key): %10.3f s\n", perKeySeconds);
    std::printf("  parsed once (best of 3)      : %10.3f s\n", parsedSeconds);
    std::printf("  ratio                        : %10.1f x\n", perKeySeconds / parsedSeconds);
    std::printf("  whole ROM read (ReadAll)     : %10.3f s\n", romSeconds);
    if (parsed != perKey || read != CTabSystem::kReadDone) {
        std::printf("  MISMATCH: the two readings differ, or the ROM was not read\n");
        return 1;
    }
    std::printf("  both readings gave the same values\n");
    return 0;
}
