// The pages of one table each: egg moves, moves, items, trades and the type chart.
#include "tests/win32/driver/Driver.h"

#include "core/relocation/RelocationDialog.h"
#include "pages/egg/EggMoveDialog.h"
#include "pages/item/ItemDialog.h"
#include "pages/move/MoveDialog.h"
#include "pages/trade/TradeDialog.h"
#include "pages/typechart/TypeChartDialog.h"

namespace {

constexpr int kEggMoveTab = 1;
constexpr int kMoveTab = 3;
constexpr int kItemTab = 4;
constexpr int kTypeChartTab = 5;
constexpr int kTradeTab = 8;

namespace egg = egg_move_dialog;
namespace move = move_dialog;
namespace item = item_dialog;
namespace trade = trade_dialog;
namespace chart = type_chart_dialog;
namespace relocation = relocation_dialog;

// The fixture's chart: 30 entries at the place the pointer at "Compatibility" gives.
constexpr long kOldChartCount = 30;
constexpr long kNewChartCount = 32;

// The fixture's table: 7, 8, then the markers of monsters 1 (word 2, moves 33 45 52 98), 4, 7,
// 25 (word 10), 152, 411, 412 and 100; 29 words, 8 monsters. In the normal mode monster 1's
// third move (word 5) becomes 200 and monster 25 becomes 26; in the raw mode word 0 becomes
// move 10.
void editEggMoves(Session& session, const PageDialog& page)
{
    Report& report = session.report;
    page.chooseListEntry(egg::kLineList, 0);
    report.check(listCount(page.control(egg::kMoveList)) == 4, "egg: monster 1 lists its four moves");
    page.chooseListEntry(egg::kMoveList, 2);
    page.choose(egg::kMoveCombo, 200);
    page.click(egg::kSetMove);
    const std::string setMove = listItem(page.control(egg::kMoveList), 2);
    report.check(setMove == comboItem(page.control(egg::kMoveCombo), 200), "egg: the set move's line", quoted(setMove));
    page.chooseListEntry(egg::kLineList, 3);
    page.choose(egg::kMonsterCombo, 26);
    page.click(egg::kSetMonster);
    const std::string monster = listItem(page.control(egg::kLineList), 3);
    report.check(monster == comboItem(page.control(egg::kMonsterCombo), 26), "egg: the set monster's line",
                 quoted(monster));

    page.click(egg::kRawMode);
    report.check(listCount(page.control(egg::kLineList)) == 29, "egg: the raw mode lists all 29 words");
    const std::string carried = listItem(page.control(egg::kLineList), 5);
    report.check(carried == comboItem(page.control(egg::kMoveCombo), 200),
                 "egg: the raw mode shows the move set in the normal mode", quoted(carried));
    page.chooseListEntry(egg::kLineList, 0);
    page.choose(egg::kMoveCombo, 10);
    page.click(egg::kSetMove);
    page.click(egg::kNormalMode);
    report.check(listCount(page.control(egg::kLineList)) == 8, "egg: back in the normal mode, eight monsters");
    page.chooseListEntry(egg::kLineList, 0);
    report.check(listCount(page.control(egg::kMoveList)) == 4,
                 "egg: after the round trip monster 1 still has four moves");
}

// The fixture's move 20: effect 20, power 100, type 2, accuracy 70, PP 25, chance 20, raw
// bytes 20, 0, A0 to A3. It becomes effect 7, power 95, 火 (10), accuracy 100, PP 15, chance
// 30, raw bytes 1 to 6.
void editMove(Session& session, const PageDialog& page)
{
    page.choose(move::kSelector, 20);
    session.report.check(comboSelection(page.control(move::kEffect)) == 20 &&
                             comboSelection(page.control(move::kType)) == 2 && page.text(move::kPower) == "100" &&
                             page.text(move::kRawByteEdits[1]) == "0",
                         "move: move 20 shows effect 20, type 2, power 100 and its raw bytes");
    page.choose(move::kEffect, 7);
    page.type(move::kPower, "95");
    page.choose(move::kType, 10);
    page.type(move::kAccuracy, "100");
    page.type(move::kPp, "15");
    page.type(move::kEffectChance, "30");
    const char* raw[] = {"1", "2", "3", "4", "5", "6"};
    for (int i = 0; i < 6; ++i)
        page.type(move::kRawByteEdits[i], raw[i]);
    page.setChecked(move::kStoreRawBytes, true);
    page.click(move::kStore);
    session.statusIs("正常終了。", "move: status line after storing");
}

// The fixture's item 7: price 700, parameter 21, pocket 3, battle usage 1, its description
// 0x8000 + 7 * 16 bytes past the table. It gets price 70000 (stored as 4464), parameter 300
// (44), pocket 5 and battle usage 2.
void editItem(Session& session, const PageDialog& page, long tableAt)
{
    page.choose(item::kSelector, 7);
    session.report.check(page.text(item::kPrice) == "700" && page.text(item::kParameter) == "21" &&
                             comboSelection(page.control(item::kPocket)) == 2 &&
                             comboSelection(page.control(item::kBattleUsage)) == 1,
                         "item: item 7 shows price 700, parameter 21, pocket 3 and battle usage 1");
    session.report.text(page.text(item::kDescription), hexText(tableAt + 0x8000 + 7 * 16),
                        "item: item 7's description offset");
    page.type(item::kPrice, "70000");
    page.type(item::kParameter, "300");
    page.choose(item::kPocket, 4);
    page.choose(item::kBattleUsage, 2);
    page.click(item::kStore);
    session.statusIs("正常終了。", "item: status line after storing");
}

// Trade 0 has PV 0, parent ID 0xFFFF (not shiny) and individual values 0, 3, 6, 9, 12, 15. It
// becomes: gender value 255 and nature まじめ (12), so PV 0x000016FF; shiny, so parent ID
// 0x16FF; parent name "Ab"; HP 40, stored as 31; wanted monster 300.
void editTrade(Session& session, const PageDialog& page)
{
    Report& report = session.report;
    page.chooseListEntry(trade::kTradeList, 0);
    page.type(trade::kGender, "255");
    page.choose(trade::kNature, 12);
    report.text(page.text(trade::kPersonality), "0x000016FF",
                "trade: gender value 255 and nature 12 give PV 0x000016FF");
    page.click(trade::kShiny);
    report.text(page.text(trade::kParentId), "0x16FF", "trade: the shiny check box makes the parent ID 0x16FF");
    page.type(trade::kParentName, "Ab");
    page.click(trade::kStoreParentName);
    report.text(listItem(page.control(trade::kTradeList), 0), "Ab終　　",
                "trade: the list shows the stored parent name");
    page.type(IDC_TRADE_IV_HP, "40");
    page.choose(trade::kWanted, 300);
    page.click(trade::kStore);
    session.statusIs("正常終了。", "trade: status line after storing", 0);
}

// Entry 4 becomes ドラゴン (16) against 格闘 (1), 2倍 (20).
bool editChartEntry(Session& session, const PageDialog& page, long chartAt)
{
    session.report.check(listCount(page.control(chart::kList)) == kOldChartCount,
                         "typechart: the page lists the 30 entries");
    Bytes expected = session.rom();
    patch(expected, chartAt + 4 * 3, {0x10, 0x01, 0x14});
    page.chooseListEntry(chart::kList, 4);
    page.choose(chart::kAttacker, 16);
    page.choose(chart::kDefender, 1);
    page.choose(chart::kMultiplier, 2);
    page.click(chart::kStore);
    session.report.text(listItem(page.control(chart::kList), 4), "ドラゴン\t格闘\t2倍",
                        "typechart: the stored entry's line");
    return session.saveAndCompare(expected, "typechart",
                                  "typechart: saving changed exactly the edited entry's three bytes");
}

// 32 entries at the first candidate: the old 30, two empty ones and FE FE.
void relocateChart(Session& session, const PageDialog& page, long pointerAt, long chartAt)
{
    Report& report = session.report;
    const Bytes before = session.rom();
    HWND found = session.openDialog(page, chart::kRePoint, "相性変更～",
                                    "typechart: RePoint opens the relocation dialog titled 相性変更～");
    if (!found)
        return;
    const PageDialog dialog(found);
    report.check(dialog.text(relocation::kCount) == "30", "typechart: the count starts at the chart's 30 entries");
    report.check(dialog.text(relocation::kRangeStart) == "0x6C8000" && dialog.text(relocation::kRangeEnd) == "0xBFFFFF",
                 "typechart: the search range of a BPRJ game");
    dialog.type(relocation::kCount, "32");
    std::string first;
    const long candidate = Session::searchCandidates(dialog, first);
    if (!report.check(candidate > 0, "typechart: the search lists candidates", quoted(first)))
        return;
    session.photograph("typechart-relocation");
    session.photograph("relocation-dialog", found);
    const long newSize = kNewChartCount * 3 + 2;
    report.check(freeSpace(before, candidate, newSize),
                 "typechart: the candidate and the two bytes before it were free space", quoted(first));
    session.storeRelocation(found, "typechart", "typechart: 設定 closes the dialog");

    Bytes expected = before;
    patch(expected, pointerAt, littleBytes(static_cast<std::uint32_t>(candidate) + kCartridgeBase, 4));
    Bytes moved(before.begin() + chartAt, before.begin() + chartAt + kOldChartCount * 3);
    moved.resize(newSize - 2, 0x00);
    moved.insert(moved.end(), {0xFE, 0xFE});
    patch(expected, candidate, moved);
    session.compare(expected, "typechart: the pointer, the 30 old entries, two empty ones and FE FE, nothing else");
    report.check(listCount(page.control(chart::kList)) == kNewChartCount, "typechart: the page lists 32 entries");
}

} // namespace

void checkEggMovePage(Session& session)
{
    const long tableAt = session.table("MonsterEggData", 29 * 2);
    if (!session.report.check(tableAt >= 0, "egg: Setting.ini gives MonsterEggData inside the ROM"))
        return;
    HWND dialog = session.page(kEggMoveTab, "egg");
    if (!dialog)
        return;
    const PageDialog page(dialog);
    session.report.check(listCount(page.control(egg::kLineList)) == 8, "egg: the normal mode lists eight monsters");
    Bytes expected = session.rom();
    patch(expected, tableAt + 5 * 2, {200, 0x00});
    patch(expected, tableAt + 10 * 2, {0x3A, 0x4E});
    patch(expected, tableAt, {10, 0x00});
    editEggMoves(session, page);
    session.photograph("egg-record");
    session.saveAndCompare(expected, "egg", "egg: saving changed exactly the three edited words");
}

// Move 354's type is 18, which the type list does not show: storing it keeps it.
void checkMovePage(Session& session)
{
    const long tableAt = session.table("AttackTable", 21 * 12);
    Bytes expected = session.rom();
    if (!session.report.check(
            tableAt >= 0 && patch(expected, tableAt + 20 * 12, {0x07, 0x5F, 0x0A, 0x64, 0x0F, 0x1E, 1, 2, 3, 4, 5, 6}),
            "move: Setting.ini gives AttackTable inside the ROM"))
        return;
    HWND dialog = session.page(kMoveTab, "move");
    if (!dialog)
        return;
    const PageDialog page(dialog);
    session.report.check(comboCount(page.control(move::kSelector)) == 355 &&
                             comboCount(page.control(move::kEffect)) == 214 &&
                             comboCount(page.control(move::kType)) == 18,
                         "move: 355 moves, the 214 effects of effects.ini and 18 types");
    session.report.text(comboItem(page.control(move::kEffect), 20), "効果020",
                        "move: effect 20 is line 21 of effects.ini");
    page.choose(move::kSelector, 354);
    session.report.check(comboSelection(page.control(move::kType)) == CB_ERR, "move: type 18 shows no type");
    page.click(move::kStore);
    editMove(session, page);
    session.photograph("move-record");
    session.saveAndCompare(expected, "move", "move: saving changed move 20's twelve bytes and kept move 354's type");
}

// 120 items of 40 bytes; item 119's pocket is 0, which no list entry shows: storing it keeps it.
void checkItemPage(Session& session)
{
    const long tableAt = session.table("Item_Data", 8 * 40);
    const long itemAt = tableAt + 7 * 40;
    Bytes expected = session.rom();
    if (!session.report.check(tableAt >= 0 && patch(expected, itemAt + 0x0C, {0x70, 0x11}) &&
                                  patch(expected, itemAt + 0x0F, {0x2C}) && patch(expected, itemAt + 0x16, {0x05}) &&
                                  patch(expected, itemAt + 0x1C, {0x02}),
                              "item: Setting.ini gives Item_Data inside the ROM"))
        return;
    HWND dialog = session.page(kItemTab, "item");
    if (!dialog)
        return;
    const PageDialog page(dialog);
    session.report.check(comboCount(page.control(item::kSelector)) == 120 &&
                             comboCount(page.control(item::kPocket)) == 5 &&
                             comboCount(page.control(item::kBattleUsage)) == 3,
                         "item: 120 items, 5 pockets and 3 battle usage types");
    session.report.text(comboItem(page.control(item::kPocket), 1), "重要なアイテム",
                        "item: a BPRJ game's second pocket");
    page.choose(item::kSelector, 119);
    session.report.check(comboSelection(page.control(item::kPocket)) == CB_ERR, "item: pocket 0 shows no pocket");
    page.click(item::kStore);
    editItem(session, page, tableAt);
    session.photograph("item-record");
    session.saveAndCompare(expected, "item", "item: saving changed item 7's four fields and kept item 119's pocket");
}

// The fixture's nine trades of 60 bytes.
void checkTradePage(Session& session)
{
    const long recordAt = session.table("Communication_Change", 9 * 60);
    if (!session.report.check(recordAt >= 0, "trade: Setting.ini gives Communication_Change inside the ROM"))
        return;
    HWND dialog = session.page(kTradeTab, "trade");
    if (!dialog)
        return;
    const PageDialog page(dialog);
    session.report.check(listCount(page.control(trade::kTradeList)) == 9, "trade: the page lists the nine trades");
    Bytes expected = session.rom();
    patch(expected, recordAt + 0x0E, {0x1F});
    patch(expected, recordAt + 0x18, {0xFF, 0x16});
    patch(expected, recordAt + 0x24, {0xFF, 0x16, 0x00, 0x00});
    patch(expected, recordAt + 0x2B, {0xBB, 0xD6, 0xFF, 0x00, 0x00, 0xFF});
    patch(expected, recordAt + 0x38, {0x2C, 0x01});
    editTrade(session, page);
    session.photograph("trade-record");
    session.saveAndCompare(expected, "trade", "trade: saving changed exactly the edited trade's fields");
}

void checkTypeChartPage(Session& session)
{
    const Bytes rom = session.rom();
    const long pointerAt = session.table("Compatibility", 4);
    if (!session.report.check(pointerAt >= 0, "typechart: Setting.ini gives Compatibility inside the ROM"))
        return;
    const long chartAt = static_cast<long>(little32(rom, pointerAt) - kCartridgeBase);
    if (!session.report.check(chartAt >= 0 && static_cast<std::size_t>(chartAt + kOldChartCount * 3) <= rom.size(),
                              "typechart: the pointer leads into the ROM"))
        return;
    HWND dialog = session.page(kTypeChartTab, "typechart");
    if (dialog && editChartEntry(session, PageDialog(dialog), chartAt))
        relocateChart(session, PageDialog(selectPage(session.frame, kTypeChartTab)), pointerAt, chartAt);
}
