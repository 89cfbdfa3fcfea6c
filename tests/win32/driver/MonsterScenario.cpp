#include "tests/win32/driver/Driver.h"

#include "pages/monster/MonsterDialog.h"

#include <cstdio>

namespace {

constexpr int kMonsterTab = 0;
constexpr int kTimingRuns = 11;

namespace monster = monster_dialog;

// The TM/HM window.
constexpr int kTmHmSave = 55579;
constexpr int kFirstCheck = 55580;

// Fixture monster 10 (level evolution in slot 0, 11 level-up moves) is edited; monster 2's
// list of 3 entries is moved; monster 2's TM/HM record and dex description are changed.
constexpr int kEdited = 10;
constexpr int kMoved = 2;
constexpr long kMovedCount = 3;
constexpr long kNewCount = 5;
constexpr long kDescriptionLength = 21;

struct Offsets {
    long names, stats, evolutions, dex, levelUp, tmHm;
};

long low24(const Bytes& rom, long at)
{
    return static_cast<long>(little32(rom, at) & 0xFFFFFF);
}

// The value a cache file beside the ROM keeps for an address of the game.
std::string cached(const Session& session, const char* file, long offset)
{
    char key[16];
    std::snprintf(key, sizeof key, "0x%08X", static_cast<unsigned>(offset));
    char value[32] = {};
    GetPrivateProfileStringA(session.gameCode().c_str(), key, "", value, sizeof value,
                             (session.folder() + "\\" + file).c_str());
    return value;
}

void editRecord(Session& session, const PageDialog& page, const Offsets& at)
{
    Bytes expected = session.rom();
    page.choose(monster::kMonster, kEdited);
    page.type(monster::kHp, "100");
    page.type(monster::kAttack, "90");
    page.choose(monster::kType1, 13);
    page.choose(monster::kType2, 11);
    page.type(monster::kEvolutionLevel, "36");
    page.choose(monster::kEvolutionTarget, 20);
    page.click(monster::kStoreRecord);
    session.statusIs("正常終了。", "monster: storing the record (1091) stores every field", 0);
    // A bad value: the message names the field, which then shows what was stored.
    page.type(monster::kHp, "300");
    page.click(monster::kStoreRecord);
    session.statusIs("体力: 正しい値を取得できなかったので、適当な値を設定しました。",
                     "monster: a fallback names the field by its caption", 0);
    session.report.text(page.text(monster::kHp), "255", "monster: the field shows the fallback stored");
    session.photograph("monster-fallback");
    page.type(monster::kHp, "100");
    page.click(monster::kStoreRecord);
    page.type(monster::kName, "アカネ");
    page.click(monster::kStoreName);
    session.report.text(comboItem(page.control(monster::kMonster), kEdited), "010:アカネ",
                        "monster: the renamed monster's list entry", true);

    patch(expected, at.stats + kEdited * 28, {100, 90});
    patch(expected, at.stats + kEdited * 28 + 6, {13, 11});
    patch(expected, at.evolutions + kEdited * 40 + 2, {36, 0, 20, 0});
    patch(expected, at.names + kEdited * 6, {0x51, 0x56, 0x68, 0xFF, 0x00, 0xFF});
    session.saveAndCompare(expected, "monster", "monster: stats, types, evolution and name, nothing else");
}

void editLevelUpEntry(Session& session, const PageDialog& page, const Offsets& at)
{
    Bytes expected = session.rom();
    const long list = low24(expected, at.levelUp + kEdited * 4);
    session.report.check(page.text(monster::kLevelCount) == "11", "monster: monster 10 learns 11 moves");
    page.chooseListEntry(monster::kLevelList, 2);
    page.choose(monster::kLevelMove, 300);
    page.type(monster::kLevel, "50");
    page.click(monster::kLevelStore);
    session.report.text(listItem(page.control(monster::kLevelList), 2), "Lv:050 ", "monster: the stored level-up line",
                        true);
    page.click(monster::kLevelSave);
    patch(expected, list + 4, {0x2C, 0x65});
    session.compare(expected, "monster: saving the list (1126) writes move 300 at level 50 as 2C 65, nothing else");
}

void relocateList(Session& session, const PageDialog& page, const Offsets& at)
{
    Report& report = session.report;
    page.choose(monster::kMonster, kMoved);
    const Bytes before = session.rom();
    const long oldList = low24(before, at.levelUp + kMoved * 4);
    HWND found =
        session.openDialog(page, monster::kLevelRelocate, "ざるばとえでぃた～",
                           "monster: the count button (1120) opens the relocation dialog with the monster title");
    if (!found)
        return;
    const PageDialog dialog(found);
    report.check(dialog.text(relocation_dialog::kCount).empty(), "monster: the count starts empty");
    dialog.type(relocation_dialog::kCount, "5");
    std::string first;
    const long candidate = Session::searchCandidates(dialog, first);
    if (!report.check(candidate > 2, "monster: the search lists candidates", quoted(first))) {
        PostMessageA(found, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    session.photograph("monster-relocation", found);
    session.storeRelocation(found, "monster", "monster: the store button (IDOK) closes the dialog");

    Bytes expected = before;
    patch(expected, at.levelUp + kMoved * 4, littleBytes(static_cast<std::uint32_t>(candidate), 3));
    Bytes moved(before.begin() + oldList, before.begin() + oldList + kMovedCount * 2);
    moved.resize(kNewCount * 2, 0x00);
    moved.insert(moved.end(), {0xFF, 0xFF});
    patch(expected, candidate, moved);
    session.compare(expected, "monster: the pointer, the 3 old entries, two empty ones and FF FF, nothing else");
    report.text(cached(session, "waza.ini", candidate), "5", "monster: waza.ini holds 5 under the new address");
    report.check(listCount(page.control(monster::kLevelList)) == kNewCount, "monster: the page lists 5 entries");
}

void tickTmHm(Session& session, const PageDialog& page, const Offsets& at)
{
    Report& report = session.report;
    Bytes expected = session.rom();
    page.click(monster::kTmHm);
    HWND window = waitForProgramWindow(session.frame, "こどもども～", {});
    if (!report.check(window != nullptr, "monster: the TM/HM button (1125) shows the Skill Machine Window"))
        return;
    report.check(windowText(window) == "Skill Machine Window", "monster: the window's title");
    const PageDialog tmHm(window);
    // Monster 2 cannot learn TM 01 nor HM 01 in the fixture.
    tmHm.click(kFirstCheck);
    tmHm.click(kFirstCheck + 50);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    sendWithin(window, WM_NULL, 0, 0);
    session.photograph("monster-tmhm", window);
    tmHm.click(kTmHmSave);
    const long record = at.tmHm + kMoved * 8;
    expected[record] |= 0x01;
    expected[record + 6] |= 0x04;
    session.compare(expected, "monster: the TM/HM record gains TM 01 and HM 01, nothing else changes");
    sendWithin(window, WM_CLOSE, 0, 0);
    report.check(IsWindow(window) && !IsWindowVisible(window), "monster: closing the window hides it");
}

void saveDescription(Session& session, const PageDialog& page, const Offsets& at)
{
    Bytes expected = session.rom();
    const long text = low24(expected, at.dex + kMoved * 28 + 12);
    if (!session.report.check(expected[text + kDescriptionLength - 1] == 0xFF,
                              "monster: dex 2's description is 21 bytes"))
        return;
    page.type(monster::kDescription, "アイウ");
    page.click(monster::kSaveDescription);
    Bytes saved = {0x51, 0x52, 0x53};
    saved.resize(kDescriptionLength - 1, 0x00);
    saved.push_back(0xFF);
    patch(expected, text, saved);
    session.compare(expected, "monster: the description is saved in place within its 21 bytes");
    session.report.text(cached(session, "String.ini", text), "21",
                        "monster: String.ini holds the description's length");
}

// Benchmark figures: showing another monster, from the selection until the page is drawn
// again. The first showing of a monster also counts its list and measures its description
// into the caches.
void printShowTimings(HWND frame, const PageDialog& page)
{
    const auto showAnother = [&](int run) {
        page.choose(monster::kMonster, 20 + run);
        RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        sendWithin(frame, WM_NULL, 0, 0);
    };
    const double first = medianMilliseconds(kTimingRuns, showAnother);
    const double again = medianMilliseconds(kTimingRuns, showAnother);
    std::printf("bench: showing another monster takes %.1f ms the first time, %.1f ms again (median of %d)\n", first,
                again, kTimingRuns);
    std::fflush(stdout);
}

} // namespace

void checkMonsterPage(Session& session)
{
    const Offsets at = {session.table("Name_Start_Pos", 0x3000),        session.table("MonsterBaseStats_Pos", 0x3000),
                        session.table("Monster_Evol_Data_Pos", 0x3000), session.table("MonsterDexData", 0x3000),
                        session.table("Level_Skill", 0x3000),           session.table("Skill_Machine", 0x3000)};
    const bool inside =
        at.names >= 0 && at.stats >= 0 && at.evolutions >= 0 && at.dex >= 0 && at.levelUp >= 0 && at.tmHm >= 0;
    if (!session.report.check(inside, "monster: Setting.ini gives every monster table inside the ROM"))
        return;
    HWND dialog = session.page(kMonsterTab, "monster");
    if (!dialog)
        return;
    const PageDialog page(dialog);
    session.report.check(comboCount(page.control(monster::kMonster)) == 412, "monster: the page lists 412 monsters");
    editRecord(session, page, at);
    editLevelUpEntry(session, page, at);
    relocateList(session, page, at);
    tickTmHm(session, page, at);
    saveDescription(session, page, at);
    session.photograph("monster-page");
    printShowTimings(session.frame, page);
}
