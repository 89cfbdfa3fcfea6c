#include "tests/win32/driver/TrainerScenario.h"

#include "tests/win32/driver/PageControls.h"
#include "tests/win32/driver/RomBytes.h"
#include "tests/win32/driver/ScreenPixels.h"
#include "tests/win32/driver/Screenshot.h"
#include "tests/win32/driver/Windows.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kTrainerTab = 2;
constexpr int kStatusBarId = 1;
constexpr WPARAM kSaveCommand = 32774;
constexpr UINT kSelectTrainerMessage = 0x8001;
constexpr DWORD kDialogTimeout = 30000;
constexpr DWORD kWriteTimeout = 120000;

// The trainer page.
constexpr int kTrainerList = 1004;
constexpr int kSearchText = 1005;
constexpr int kSearchForward = 1006;
constexpr int kClass = 1008;
constexpr int kName = 1009;
constexpr int kDoubleBattle = 1000;
constexpr int kCheck1 = 1010;
constexpr int kStore = 1018;
constexpr int kItem1 = 1023;
constexpr int kItem4 = 1024;
constexpr int kMembers = 1026;
constexpr int kMemberLevel = 1027;
constexpr int kMonsterPicture = 1030;
constexpr int kTrainerPicture = 1031;
constexpr int kStoreMember = 1039;
constexpr int kWriteParty = 1040;
constexpr int kRelocateParty = 1043;

// The relocation dialog.
constexpr int kCount = 1044;
constexpr int kDataType = 1045;
constexpr int kCandidates = 1049;
constexpr int kCopyOld = 1050;
constexpr int kSearch = 1051;
constexpr int kRelocate = IDOK;

// The fixture's 40 trainers of 32 bytes. Trainer 4 "Emi" has data type 0, class 4, no double
// battle, check byte 0x94 and two 8-byte members. It becomes "Emily" of class 6 with items 3
// and 5, a double battle and checks 1 and 3; its second member level 50; then its party moves
// to three members of data type 2.
constexpr int kTrainerCount = 40;
constexpr long kRecordSize = 32;
constexpr int kEdited = 4;
constexpr std::uint8_t kOldChecks = 0x94;
constexpr int kOldMembers = 2;
constexpr int kNewMembers = 3;
constexpr int kTrainerByMessage = 7;
// The pictures show the top-left corner of their files.
constexpr int kPictureSide = 64;
constexpr long kPictureNumber = 0x03;
constexpr long kEntryMonster = 0x04;

long partyOffsetOf(const Bytes& rom, long recordAt)
{
    return rom[recordAt + 0x1C] | rom[recordAt + 0x1D] << 8 | rom[recordAt + 0x1E] << 16;
}

bool editTrainer(Report& report, HWND frame, const PageDialog& page, const std::string& romPath, long recordAt)
{
    const Bytes before = readFile(romPath);
    report.check(before[recordAt + 0x14] == kOldChecks, "trainer: the fixture's check byte of Emi is 0x94");
    page.type(kSearchText, "Emi");
    page.click(kSearchForward);
    report.check(SendMessageA(page.control(kTrainerList), LB_GETCURSEL, 0, 0) == kEdited,
                 "trainer: searching Emi selects trainer 4");
    report.check(windowText(page.control(kName)) == "Emi", "trainer: the name edit shows Emi",
                 quoted(windowText(page.control(kName))));

    page.type(kName, "Emily");
    page.choose(kClass, 6);
    page.choose(kItem1, 3);
    page.choose(kItem4, 5);
    page.setChecked(kDoubleBattle, true);
    page.setChecked(kCheck1, true);
    page.click(kStore);
    HWND status = GetDlgItem(frame, kStatusBarId);
    report.check(windowText(status) == "正常終了。", "trainer: status line after storing", quoted(windowText(status)));
    const std::string line = listItem(page.control(kTrainerList), kEdited);
    report.check(line == "004: Emily", "trainer: the list shows the stored name", quoted(line));

    Bytes expected = before;
    patch(expected, recordAt + 0x01, {0x06});
    patch(expected, recordAt + 0x04, {0xBF, 0xE1, 0xDD, 0xE0, 0xED, 0xFF, 0x03, 0x00});
    patch(expected, recordAt + 0x10, {0x05, 0x00, 0x01});
    patch(expected, recordAt + 0x14, {0x05});
    sendWithin(frame, WM_COMMAND, kSaveCommand, 0);
    const std::string saveText = waitForText(status, "保存しました。", kWriteTimeout);
    report.check(saveText == "保存しました。", "trainer: status line after saving", quoted(saveText));
    return compareFile(report, romPath, expected, "trainer: saving changed exactly the edited record's fields");
}

bool writeMember(Report& report, const PageDialog& page, const std::string& romPath, long recordAt)
{
    const Bytes before = readFile(romPath);
    report.check(listCount(page.control(kMembers)) == kOldMembers, "trainer: Emi's party lists two members");
    page.chooseListEntry(kMembers, 1);
    page.type(kMemberLevel, "50");
    page.click(kStoreMember);
    page.click(kWriteParty);
    Bytes expected = before;
    patch(expected, partyOffsetOf(before, recordAt) + 8 + 0x02, {0x32});
    return compareFile(report, romPath, expected, "trainer: writing the party changed only the second level");
}

HWND findRelocationDialog(HWND frame)
{
    DWORD process = 0;
    GetWindowThreadProcessId(frame, &process);
    return waitForWindow(kDialogTimeout, [&] {
        HWND found = findTopLevelWindow("#32770", process);
        return found && IsWindowVisible(found) && windowText(found) == "とれーなーえでぃっと" ? found : nullptr;
    });
}

void relocateParty(Report& report, HWND frame, const PageDialog& page, const std::string& romPath, long recordAt)
{
    const Bytes before = readFile(romPath);
    page.clickLater(kRelocateParty);
    HWND found = findRelocationDialog(frame);
    if (!report.check(found != nullptr, "trainer: the button opens the relocation dialog"))
        return;
    const PageDialog dialog(found);
    report.check(windowText(dialog.control(kCount)) == "2", "trainer: the count starts at the party's two members");
    dialog.type(kCount, "3");
    dialog.choose(kDataType, 2);
    dialog.setChecked(kCopyOld, true);
    dialog.click(kSearch);
    const std::string first = listItem(dialog.control(kCandidates), 0);
    const long candidate = std::strtol(first.c_str(), nullptr, 16);
    if (!report.check(listCount(dialog.control(kCandidates)) > 0 && candidate > 0,
                      "trainer: the search lists candidates", quoted(first)))
        return;
    bool free = candidate >= 2 && static_cast<std::size_t>(candidate + kNewMembers * 8) <= before.size();
    for (long at = candidate - 2; free && at < candidate + kNewMembers * 8; ++at)
        free = before[at] == 0xFF;
    report.check(free, "trainer: the candidate and the two bytes before it were free space", quoted(first));

    HWND status = GetDlgItem(frame, kStatusBarId);
    dialog.clickLater(kRelocate);
    report.check(waitUntil(kWriteTimeout, [&] { return !IsWindow(found); }), "trainer: the store button closes the dialog");
    const std::string text = waitForText(status, "保存しました。", kWriteTimeout);
    report.check(text == "保存しました。", "trainer: status line after relocating", quoted(text));

    Bytes expected = before;
    patch(expected, recordAt + 0x00, {0x02});
    patch(expected, recordAt + 0x18, {kNewMembers});
    patch(expected, recordAt + 0x1C,
          {static_cast<std::uint8_t>(candidate), static_cast<std::uint8_t>(candidate >> 8),
           static_cast<std::uint8_t>(candidate >> 16)});
    const long oldParty = partyOffsetOf(before, recordAt);
    Bytes moved(kNewMembers * 8, 0x00);
    std::copy(before.begin() + oldParty, before.begin() + oldParty + kOldMembers * 8, moved.begin());
    patch(expected, candidate, moved);
    compareFile(report, romPath, expected,
                "trainer: the record, two members copied and one empty at the new place, nothing else");
    report.check(listCount(page.control(kMembers)) == kNewMembers, "trainer: the page lists three members");
}

void selectFromOutside(Report& report, HWND frame, const PageDialog& page)
{
    sendWithin(frame, kSelectTrainerMessage, kTrainerByMessage, 0);
    report.check(windowText(page.control(kName)) == "Hana", "trainer: message 0x8001 with 7 shows Hana",
                 quoted(windowText(page.control(kName))));
    sendWithin(frame, kSelectTrainerMessage, 99, 0);
    report.check(SendMessageA(page.control(kTrainerList), LB_GETCURSEL, 0, 0) == kTrainerByMessage &&
                     windowText(page.control(kName)) == "Hana",
                 "trainer: message 0x8001 past the list keeps trainer 7");
}

bool showsPicture(const PageDialog& page, int id)
{
    HWND control = page.control(id);
    return IsWindowVisible(control) && SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
}

std::string familyFolder(const std::string& code)
{
    if (code == "AXVJ" || code == "AXPJ")
        return "RS";
    if (code == "BPEJ")
        return "EM";
    if (code == "BPRJ" || code == "BPGJ")
        return "FR";
    return "UN";
}

std::string numbered(const std::string& folder, const char* name, unsigned number)
{
    char file[32];
    std::snprintf(file, sizeof file, "%s-%03X.bmp", name, number);
    return folder + "\\" + file;
}

// Trainer 0's picture and its first member's, each the top-left corner of its file, 1:1 on
// the screen inside its frame.
void checkPictures(Report& report, const PageDialog& page, const Bytes& rom, const std::string& folder, long tableAt)
{
    const std::string code(rom.begin() + 0xAC, rom.begin() + 0xB0);
    const std::string trainerFile =
        numbered(folder + "\\pics\\" + familyFolder(code), "trainer", rom[tableAt + kPictureNumber]);
    const long partyAt = partyOffsetOf(rom, tableAt);
    if (!report.check(static_cast<std::size_t>(partyAt + kEntryMonster + 2) <= rom.size(),
                      "trainer: trainer 0's party lies inside the ROM"))
        return;
    const unsigned monster = rom[partyAt + kEntryMonster] | rom[partyAt + kEntryMonster + 1] << 8;
    const std::string monsterFile = numbered(folder + "\\pics\\tamblorpics", "tamblor", monster);
    showsOneToOne(report, page.control(kTrainerPicture), topLeft(bitmapFile(trainerFile), kPictureSide, kPictureSide),
                  true, "trainer: the trainer picture");
    showsOneToOne(report, page.control(kMonsterPicture), topLeft(bitmapFile(monsterFile), kPictureSide, kPictureSide),
                  true, "trainer: the member's picture");
}

} // namespace

void checkTrainerPage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder)
{
    const Bytes rom = readFile(romPath);
    const std::string folder = romPath.substr(0, romPath.find_last_of('\\'));
    const std::string code(rom.begin() + 0xAC, rom.begin() + 0xB0);
    const long tableAt = settingOffset(folder + "\\Setting.ini", code, "TrainerData");
    if (!report.check(tableAt >= 0 && static_cast<std::size_t>(tableAt + kTrainerCount * kRecordSize) <= rom.size(),
                      "trainer: Setting.ini gives TrainerData inside the ROM"))
        return;
    HWND dialog = selectPage(frame, kTrainerTab);
    if (!report.check(dialog != nullptr, "trainer: the page's dialog is a child of the tab control"))
        return;
    const PageDialog page(dialog);
    report.check(listCount(page.control(kTrainerList)) == kTrainerCount, "trainer: the page lists the 40 trainers");
    report.check(showsPicture(page, kTrainerPicture) && showsPicture(page, kMonsterPicture),
                 "trainer: the trainer's and the member's pictures show");
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    saveScreenshot(frame, screenshotFolder + "\\trainer-page.bmp");
    checkPictures(report, page, rom, folder, tableAt);

    const long recordAt = tableAt + kEdited * kRecordSize;
    if (!editTrainer(report, frame, page, romPath, recordAt))
        return;
    if (!writeMember(report, page, romPath, recordAt))
        return;
    relocateParty(report, frame, page, romPath, recordAt);
    selectFromOutside(report, frame, page);
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    saveScreenshot(frame, screenshotFolder + "\\trainer-hana.bmp");
}
