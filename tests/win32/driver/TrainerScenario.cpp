#include "tests/win32/driver/Driver.h"

#include "pages/trainer/TrainerDialog.h"

#include <cstdio>

namespace {

constexpr int kTrainerTab = 2;
constexpr UINT kSelectTrainerMessage = 0x8001;

namespace trainer = trainer_dialog;

// The fixture's 40 trainers of 32 bytes. Trainer 4 "Emi" has data type 0, class 4, no double
// battle, check byte 0x94 and two 8-byte members. It becomes "Emily" of class 6 with items 3
// and 5, a double battle and checks 1 and 3; its second member level 50; then its party moves
// to three members of data type 2.
constexpr int kTrainerCount = 40;
constexpr long kRecordSize = 32;
constexpr int kEdited = 4;
constexpr int kOldMembers = 2;
constexpr int kNewMembers = 3;
constexpr int kTrainerByMessage = 7;
// The pictures show the top-left corner of their files.
constexpr int kPictureSide = 64;

long partyOffsetOf(const Bytes& rom, long recordAt)
{
    return static_cast<long>(little32(rom, recordAt + 0x1C) & 0xFFFFFF);
}

bool editTrainer(Session& session, const PageDialog& page, long recordAt)
{
    Report& report = session.report;
    const Bytes before = session.rom();
    report.check(before[recordAt + 0x14] == 0x94, "trainer: the fixture's check byte of Emi is 0x94");
    page.type(trainer::kSearchText, "Emi");
    page.click(trainer::kSearchForward);
    report.check(listSelection(page.control(trainer::kTrainerList)) == kEdited,
                 "trainer: searching Emi selects trainer 4");
    report.text(page.text(trainer::kName), "Emi", "trainer: the name edit shows Emi");

    page.type(trainer::kName, "Emily");
    page.choose(trainer::kClass, 6);
    page.choose(trainer::kItems[0], 3);
    page.choose(trainer::kItems[3], 5);
    page.setChecked(trainer::kDoubleBattle, true);
    page.setChecked(trainer::kBattleChecks[0], true);
    page.click(trainer::kStore);
    session.statusIs("正常終了。", "trainer: status line after storing", 0);
    report.text(listItem(page.control(trainer::kTrainerList), kEdited), "004: Emily",
                "trainer: the list shows the stored name");

    Bytes expected = before;
    patch(expected, recordAt + 0x01, {0x06});
    patch(expected, recordAt + 0x04, {0xBF, 0xE1, 0xDD, 0xE0, 0xED, 0xFF, 0x03, 0x00});
    patch(expected, recordAt + 0x10, {0x05, 0x00, 0x01});
    patch(expected, recordAt + 0x14, {0x05});
    return session.saveAndCompare(expected, "trainer", "trainer: saving changed exactly the edited record's fields");
}

bool writeMember(Session& session, const PageDialog& page, long recordAt)
{
    Bytes expected = session.rom();
    session.report.check(listCount(page.control(trainer::kMembers)) == kOldMembers,
                         "trainer: Emi's party lists two members");
    page.chooseListEntry(trainer::kMembers, 1);
    page.type(trainer::kMemberLevel, "50");
    page.click(trainer::kStoreMember);
    page.click(trainer::kWriteParty);
    patch(expected, partyOffsetOf(expected, recordAt) + 8 + 0x02, {0x32});
    return session.compare(expected, "trainer: writing the party changed only the second level");
}

void relocateParty(Session& session, const PageDialog& page, long recordAt)
{
    Report& report = session.report;
    const Bytes before = session.rom();
    HWND found = session.openDialog(page, trainer::kRelocateParty, "とれーなーえでぃっと",
                                    "trainer: the button opens the relocation dialog");
    if (!found)
        return;
    const PageDialog dialog(found);
    report.check(dialog.text(relocation_dialog::kCount) == "2", "trainer: the count starts at the party's two members");
    dialog.type(relocation_dialog::kCount, "3");
    dialog.choose(relocation_dialog::kDataType, 2);
    std::string first;
    const long candidate = Session::searchCandidates(dialog, first);
    if (!report.check(candidate > 0, "trainer: the search lists candidates", quoted(first)))
        return;
    report.check(freeSpace(before, candidate, kNewMembers * 8),
                 "trainer: the candidate and the two bytes before it were free space", quoted(first));
    session.storeRelocation(found, "trainer", "trainer: the store button closes the dialog");

    Bytes expected = before;
    patch(expected, recordAt + 0x00, {0x02});
    patch(expected, recordAt + 0x18, {kNewMembers});
    patch(expected, recordAt + 0x1C, littleBytes(static_cast<std::uint32_t>(candidate), 3));
    const long oldParty = partyOffsetOf(before, recordAt);
    Bytes moved(before.begin() + oldParty, before.begin() + oldParty + kOldMembers * 8);
    moved.resize(kNewMembers * 8, 0x00);
    patch(expected, candidate, moved);
    session.compare(expected, "trainer: the record, two members copied and one empty at the new place, nothing else");
    report.check(listCount(page.control(trainer::kMembers)) == kNewMembers, "trainer: the page lists three members");
}

void selectFromOutside(Session& session, const PageDialog& page)
{
    sendWithin(session.frame, kSelectTrainerMessage, kTrainerByMessage, 0);
    session.report.text(page.text(trainer::kName), "Hana", "trainer: message 0x8001 with 7 shows Hana");
    sendWithin(session.frame, kSelectTrainerMessage, 99, 0);
    session.report.check(listSelection(page.control(trainer::kTrainerList)) == kTrainerByMessage &&
                             page.text(trainer::kName) == "Hana",
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

// Trainer 0's picture (its byte 3) and its first member's (the member's bytes 4 and 5), each
// the top-left corner of its file, 1:1 on the screen inside its frame.
void checkPictures(Session& session, const PageDialog& page, const Bytes& rom, long tableAt)
{
    const std::string pictures = session.folder() + "\\pics\\";
    const std::string trainerFile =
        numbered(pictures + familyFolder(session.gameCode()), "trainer", rom[tableAt + 0x03]);
    const long partyAt = partyOffsetOf(rom, tableAt);
    if (!session.report.check(static_cast<std::size_t>(partyAt + 6) <= rom.size(),
                              "trainer: trainer 0's party lies inside the ROM"))
        return;
    const unsigned monster = rom[partyAt + 4] | rom[partyAt + 5] << 8;
    const std::string monsterFile = numbered(pictures + "tamblorpics", "tamblor", monster);
    showsOneToOne(session.report, page.control(trainer::kPicture),
                  topLeft(bitmapFile(trainerFile), kPictureSide, kPictureSide), true, "trainer: the trainer picture");
    showsOneToOne(session.report, page.control(trainer::kMonsterPicture),
                  topLeft(bitmapFile(monsterFile), kPictureSide, kPictureSide), true, "trainer: the member's picture");
}

} // namespace

void checkTrainerPage(Session& session)
{
    const long tableAt = session.table("TrainerData", kTrainerCount * kRecordSize);
    if (!session.report.check(tableAt >= 0, "trainer: Setting.ini gives TrainerData inside the ROM"))
        return;
    HWND dialog = session.page(kTrainerTab, "trainer");
    if (!dialog)
        return;
    const PageDialog page(dialog);
    session.report.check(listCount(page.control(trainer::kTrainerList)) == kTrainerCount,
                         "trainer: the page lists the 40 trainers");
    session.report.check(showsPicture(page, trainer::kPicture) && showsPicture(page, trainer::kMonsterPicture),
                         "trainer: the trainer's and the member's pictures show");
    session.photograph("trainer-page");
    checkPictures(session, page, session.rom(), tableAt);

    const long recordAt = tableAt + kEdited * kRecordSize;
    if (!editTrainer(session, page, recordAt) || !writeMember(session, page, recordAt))
        return;
    relocateParty(session, page, recordAt);
    selectFromOutside(session, page);
    session.photograph("trainer-hana");
}
