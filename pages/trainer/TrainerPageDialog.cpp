#include "pages/trainer/TrainerPage.h"

#include "core/FieldTable.h"
#include "core/NameList.h"
#include "core/NumberParsing.h"
#include "core/SelectionLists.h"
#include "core/codec/GameCodec.h"
#include "core/relocation/RelocationDialogHandler.h"
#include "core/ui/DialogControls.h"
#include "core/ui/StatusLine.h"
#include "core/ui/WindowMessages.h"
#include "pages/trainer/TrainerDialog.h"
#include "pages/trainer/TrainerRelocation.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

using namespace trainer_dialog;

namespace {

constexpr std::array<const char*, 5> kDataTypeNames = {"普通", "技指定可", "道具指定可", "道具&技指定可",
                                                        "不明(指定しないで下さい)"};
constexpr const char* kItemList = "item.ini";
constexpr std::size_t kClassNameSize = SharedTables::kTrainerClassNameSize;
// A monster name shows its field's first five bytes.
constexpr std::size_t kShownMonsterNameBytes = SharedTables::kMonsterNameSize - 1;
constexpr int kPictureSide = 64;
constexpr int kHighestMonster = party_entry::kHighestMonster;
// The selections a store takes; any other (no selection included) stores the fallback 0.
constexpr FieldRange kItemRange = {0, 999, 0};
constexpr FieldRange kDataTypeRange = {0, 199, 0};
constexpr const char* kPartyNotReadText = "ザルバトデータを読み込めなかったので、保存しませんでした。";

constexpr RecordField itemCombo(std::size_t index)
{
    return {kItems[index], trainer_record::kItems + 2 * index, 2, FieldKind::Selection, kItemRange};
}

// The fields shown and stored as they stand; the name, the class (its range is the class
// table's), the picture and the battle checks follow by hand. The party count keeps within 1
// to 6 unreported; the party offset fills the pointer's low three bytes.
constexpr RecordField kFields[] = {
    {kPartyCount, trainer_record::kPartyCount, 1, FieldKind::Decimal, {1, trainer_record::kMaxPartyCount, 1},
     OutOfRange::Clamp, kTextInputLength},
    {kBattleSound, trainer_record::kBattleSound, 1, FieldKind::Decimal, kAnyValue, OutOfRange::Fallback, kTextInputLength},
    {kPartyOffset, trainer_record::kPartyPointer, 3, FieldKind::Hex, kAnyValue, OutOfRange::Fallback, kTextInputLength},
    {kDataType, trainer_record::kDataType, 1, FieldKind::Selection, kDataTypeRange},
    itemCombo(0), itemCombo(1), itemCombo(2), itemCombo(3),
    {kDoubleBattle, trainer_record::kDoubleBattle, 1, FieldKind::Check}};

// What the store's message calls a field that took a fallback: its caption in the dialog.
constexpr FieldCaption kCaptions[] = {{kDataType, "データタイプ"},
                                      {kItems[0], "持っているアイテム1"},
                                      {kItems[1], "持っているアイテム2"},
                                      {kItems[2], "持っているアイテム3"},
                                      {kItems[3], "持っているアイテム4"},
                                      {kClass, "トレーナの種類"}};

std::string monsterName(const SharedTables& tables, std::size_t monster)
{
    const std::span<const std::uint8_t> names(tables.monsterNames);
    const std::size_t at = monster * SharedTables::kMonsterNameSize;
    if (at + SharedTables::kMonsterNameSize > names.size())
        return {};
    return gameCodec().decodeField(names.subspan(at, kShownMonsterNameBytes));
}

// "%03X: %s" with all five name bytes decoded, a terminator included.
std::string trainerLine(std::size_t index, std::span<const std::uint8_t, trainer_record::kSize> record)
{
    char number[16];
    std::snprintf(number, sizeof number, "%03zX: ", index);
    return number + gameCodec().decodeField(record.subspan(trainer_record::kName, trainer_record::kNameSize - 1));
}

// The first byte always, then up to the first terminator.
std::string trainerName(std::span<const std::uint8_t, trainer_record::kSize> record)
{
    std::string name(gameCodec().decode(record[trainer_record::kName]));
    for (std::size_t i = 1; i + 1 < trainer_record::kNameSize; ++i) {
        const std::uint8_t code = record[trainer_record::kName + i];
        if (code == GameCodec::kTerminator)
            break;
        name += gameCodec().decode(code);
    }
    return name;
}

// An item or move from a member's combo: 1000 or more stores 0, no selection keeps the value
// (the list cannot show it, and there is no message to tell the user it was replaced).
void storeChoice(const IDialogControls& controls, int comboId, TrainerParty& party, std::size_t slot,
                 std::size_t entryOffset)
{
    const int selected = controls.selection(comboId);
    if (selected == IDialogControls::kNoItem)
        return;
    party.set16(slot, entryOffset, selected > kItemRange.highest ? 0 : static_cast<std::uint16_t>(selected));
}

std::uint8_t levelFrom(const IDialogControls& controls, int editId)
{
    return static_cast<std::uint8_t>(std::clamp(parseDecimal(controls.text(editId, kTextInputLength)), 0, 255));
}

// The top-left 64 x 64 pixels (or fewer) of a picture.
RgbImage topLeftCorner(const RgbImage& image)
{
    RgbImage corner;
    corner.width = std::min(image.width, kPictureSide);
    corner.height = std::min(image.height, kPictureSide);
    if (corner.width <= 0 || corner.height <= 0 ||
        image.pixels.size() < static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
        return {};
    for (int y = 0; y < corner.height; ++y) {
        const auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        corner.pixels.insert(corner.pixels.end(), row, row + corner.width);
    }
    return corner;
}

void paintPicture(IDialogControls& controls, int id, const std::optional<RgbImage>& image)
{
    const RgbImage corner = image ? topLeftCorner(*image) : RgbImage{};
    controls.setVisible(id, !corner.pixels.empty());
    if (!corner.pixels.empty())
        controls.showPixels(id, corner.width, corner.height, corner.pixels);
}

} // namespace

void CTrainer_Edit::Create(WindowHandle tabControl)
{
    if (hasTable())
        setMenuItemEnabled(kChangePartyCommand, true);
    setMenuItemChecked(kHideTrainerPicturesCommand, !m_pictures.showTrainerPictures);
    setMenuItemChecked(kHideMonsterPicturesCommand, !m_pictures.showMonsterPictures);
    CWindowBase::Create(tabControl);
}

void CTrainer_Edit::Destroy(int atShutdown)
{
    setMenuItemEnabled(kChangePartyCommand, false);
    CWindowBase::Destroy(atShutdown);
}

void CTrainer_Edit::setMenuItemEnabled(int command, bool enabled)
{
    if (IShell* shell = context().shell())
        shell->setMenuItemEnabled(command, enabled);
}

void CTrainer_Edit::setMenuItemChecked(int command, bool checked)
{
    if (IShell* shell = context().shell())
        shell->setMenuItemChecked(command, checked);
}

void CTrainer_Edit::InitDialog(WindowHandle)
{
    IDialogControls* controls = this->controls();
    if (!controls)
        return;
    // Sized in pixels, not in the template's dialog units, so that a picture shows 1:1 inside
    // its frame.
    for (int id : {kPicture, kMonsterPicture})
        controls->setPictureArea(id, kPictureSide, kPictureSide);
    if (m_pictures.showTrainerPictures)
        controls->setVisible(kPictureNumber, false);
    else if (m_pictures.trainerPicture >= 0)
        controls->setText(kPictureNumber, std::to_string(m_pictures.trainerPicture));
    for (int id : {kItems[0], kItems[1], kItems[2], kItems[3], kMoves[0], kMoves[1], kMoves[2], kMoves[3], kHeldItem,
                   kDataType, kClass, kMonster, kTrainerList, kMembers})
        controls->clearItems(id);
    if (!hasTable()) {
        setMenuItemEnabled(kChangePartyCommand, false);
        for (int id : kAllControls)
            controls->setEnabled(id, false);
        controls->setVisible(kPicture, false);
        controls->setVisible(kMonsterPicture, false);
        return;
    }
    setMenuItemEnabled(kChangePartyCommand, true);

    std::vector<std::string> items;
    if (!loadNameList(context().programDirectory(), kItemList, items))
        statusShow(context().statusLine(), nameListOpenFailedText(kItemList));
    for (int id : {kItems[0], kItems[1], kItems[2], kItems[3], kHeldItem})
        controls->addItems(id, items);
    for (int id : kMoves)
        fillMoveNameList(*controls, id, context().tables());
    for (const char* name : kDataTypeNames)
        controls->addItem(kDataType, name);
    const std::span<const std::uint8_t> classNames(context().tables().trainerClassNames);
    std::vector<std::string> classes;
    for (std::size_t at = 0; at + kClassNameSize <= classNames.size(); at += kClassNameSize)
        classes.push_back(gameCodec().decodeField(classNames.subspan(at, kClassNameSize - 1)));
    controls->addItems(kClass, classes);
    controls->setSelection(kClass, 0);
    for (int id : {kItems[0], kItems[1], kItems[2], kItems[3], kMoves[0], kMoves[1], kMoves[2], kMoves[3], kHeldItem})
        controls->setSelection(id, 0);

    for (int id : kAllControls)
        controls->setEnabled(id, true);

    std::vector<std::string> monsters;
    for (std::size_t monster = 0; monster < SharedTables::kMonsterCount; ++monster)
        monsters.push_back(monsterName(context().tables(), monster));
    controls->addItems(kMonster, monsters);
    controls->setSelection(kMonster, 0);

    if (m_currentTrainer >= recordCount())
        m_currentTrainer = 0;
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < recordCount(); ++i)
        lines.push_back(trainerLine(i, record(i)));
    controls->addItems(kTrainerList, lines);
    controls->setSelection(kTrainerList, static_cast<int>(m_currentTrainer));
    // A dialog made again shows the pictures loaded before.
    paintPictures(*controls);
    showTrainer(*controls);
}

int CTrainer_Edit::DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    if (message == window_message::kSelectListEntry)
        return pickTrainer(wParam);
    const auto command = window_message::asCommand(message, wParam);
    if (!command)
        return 0;
    const auto [id, code] = *command;
    switch (id) {
    case kHideTrainerPicturesCommand:
        toggleTrainerPictures();
        return 1;
    case kHideMonsterPicturesCommand:
        toggleMonsterPictures();
        return 1;
    case kChangePartyCommand:
        relocateParty();
        return 1;
    default:
        break;
    }
    IDialogControls* controls = this->controls();
    if (!controls || !hasTable())
        return 0;
    if (id == kTrainerList && code == window_message::kListSelChange) {
        selectTrainer(*controls);
        return 1;
    }
    if (id == kMembers && code == window_message::kListSelChange) {
        const int selected = controls->selection(kMembers);
        if (selected != IDialogControls::kNoItem && static_cast<std::size_t>(selected) < memberCount())
            showMember(*controls, static_cast<std::size_t>(selected));
        return 1;
    }
    if (id == kMonster && code == window_message::kComboSelChange) {
        const int selected = controls->selection(kMonster);
        if (selected >= 1 && selected <= kHighestMonster)
            loadMonsterPicture(*controls, selected);
        return 1;
    }
    if (code != window_message::kButtonClicked)
        return 0;
    switch (id) {
    case kSearchForward:
        search(*controls, true);
        return 1;
    case kSearchBackward:
        search(*controls, false);
        return 1;
    case kStore:
        storeTrainer(*controls);
        return 1;
    case kStoreMember:
        storeMember(*controls);
        return 1;
    case kWriteParty:
        writePartyToRom();
        return 1;
    case kRelocateParty:
        relocateParty();
        return 1;
    case kPicturePrevious:
        if (m_pictures.trainerPicture > 0)
            loadTrainerPicture(*controls, m_pictures.trainerPicture - 1);
        return 1;
    case kPictureNext:
        if (m_pictures.trainerPicture < m_highestPicture)
            loadTrainerPicture(*controls, m_pictures.trainerPicture + 1);
        return 1;
    case kMonsterPrevious:
        stepMonster(*controls, -1);
        return 1;
    case kMonsterNext:
        stepMonster(*controls, 1);
        return 1;
    default:
        return 0;
    }
}

void CTrainer_Edit::showTrainer()
{
    if (IDialogControls* controls = this->controls(); controls && hasTable())
        showTrainer(*controls);
}

void CTrainer_Edit::showTrainer(IDialogControls& controls)
{
    if (m_currentTrainer >= recordCount())
        return;
    const auto current = record(m_currentTrainer);
    controls.setText(kName, trainerName(current));
    showFields(controls, kFields, current);
    selectListed(controls, kClass, current[trainer_record::kTrainerClass]);
    for (std::size_t bit = 0; bit < std::size(kBattleChecks); ++bit)
        controls.setChecked(kBattleChecks[bit], (current[trainer_record::kBattleChecks] >> bit & 1) != 0);

    if (current[trainer_record::kPicture] != m_pictures.trainerPicture)
        loadTrainerPicture(controls, current[trainer_record::kPicture]);
    showParty(controls);
}

void CTrainer_Edit::showParty(IDialogControls& controls)
{
    const auto current = record(m_currentTrainer);
    const int result = GbaRom_Tamblor_Data_Load(trainer_record::partyOffset(current),
                                                trainer_record::partyCount(current), m_currentTrainer);
    if (result == kPartyDone) {
        fillMemberList(controls, 0);
        showMember(controls, 0);
        return;
    }
    statusShow(context().statusLine(),
               result == kPartyOpenFailed ? "FileOpenに失敗しました。" : "ファイルを読み取り中にエラーが発生しました。");
    controls.clearItems(kMembers);
    for (int id : {kMoves[0], kMoves[1], kMoves[2], kMoves[3], kHeldItem}) {
        controls.setEnabled(id, false);
        controls.setSelection(id, 0);
    }
    controls.setText(kMemberLevel, "0");
    controls.setText(kUnclearLevel, "0");
}

std::size_t CTrainer_Edit::memberCount()
{
    if (m_currentTrainer >= recordCount())
        return 0;
    return std::min<std::size_t>(trainer_record::partyCount(record(m_currentTrainer)), trainer_record::kMaxPartyCount);
}

void CTrainer_Edit::fillMemberList(IDialogControls& controls, int selected)
{
    controls.clearItems(kMembers);
    char level[16];
    for (std::size_t slot = 0; slot < memberCount(); ++slot) {
        std::snprintf(level, sizeof level, "Lv:%03d: ", m_party.base[slot][party_entry::kLevel]);
        controls.addItem(kMembers, level + monsterName(context().tables(), m_party.get16(slot, party_entry::kMonster)));
    }
    controls.setSelection(kMembers, selected);
}

void CTrainer_Edit::showMember(IDialogControls& controls, std::size_t slot)
{
    if (slot >= trainer_record::kMaxPartyCount)
        return;
    controls.setText(kMemberLevel, std::to_string(m_party.base[slot][party_entry::kLevel]));
    controls.setText(kUnclearLevel, std::to_string(m_party.base[slot][party_entry::kUnclearLevel]));
    const party_entry::Layout layout = party_entry::layoutOf(trainer_record::dataType(record(m_currentTrainer)));
    for (std::size_t move = 0; move < party_entry::kMoveCount; ++move) {
        controls.setEnabled(kMoves[move], layout.hasMoves);
        selectListed(controls, kMoves[move], layout.hasMoves ? m_party.get16(slot, layout.firstMove + 2 * move) : 0);
    }
    controls.setEnabled(kHeldItem, layout.hasItem);
    selectListed(controls, kHeldItem, layout.hasItem ? m_party.get16(slot, layout.item) : 0);

    const std::uint16_t monster = m_party.get16(slot, party_entry::kMonster);
    selectListed(controls, kMonster, monster);
    if (monster != m_pictures.monsterPicture)
        loadMonsterPicture(controls, monster);
}

int CTrainer_Edit::pickTrainer(std::uintptr_t entry)
{
    IDialogControls* controls = this->controls();
    if (!controls || !hasTable())
        return 0;
    controls->setSelection(kTrainerList, static_cast<int>(entry));
    selectTrainer(*controls);
    return 1;
}

void CTrainer_Edit::selectTrainer(IDialogControls& controls)
{
    statusShow(context().statusLine(), "");
    const int selected = controls.selection(kTrainerList);
    // A selection cleared from outside (an index past the list) keeps the trainer shown.
    if (selected == IDialogControls::kNoItem || static_cast<std::size_t>(selected) >= recordCount()) {
        controls.setSelection(kTrainerList, static_cast<int>(m_currentTrainer));
        return;
    }
    m_currentTrainer = static_cast<std::size_t>(selected);
    showTrainer(controls);
}

void CTrainer_Edit::search(IDialogControls& controls, bool forward)
{
    const std::string text = controls.text(kSearchText, kSearchInputLength);
    const int count = static_cast<int>(recordCount());
    const int step = forward ? 1 : -1;
    for (int i = static_cast<int>(m_currentTrainer) + step; i >= 0 && i < count; i += step) {
        if (controls.itemText(kTrainerList, i).find(text) != std::string::npos) {
            controls.setSelection(kTrainerList, i);
            m_currentTrainer = static_cast<std::size_t>(i);
            showTrainer(controls);
            return;
        }
    }
    statusShow(context().statusLine(), forward ? "終端まで検索しました。" : "先頭まで検索しました。");
}

void CTrainer_Edit::storeTrainer(IDialogControls& controls)
{
    if (m_currentTrainer >= recordCount())
        return;
    const auto current = record(m_currentTrainer);
    FieldStore store(controls, kCaptions);
    storeFields(store, kFields, current);
    if (m_pictures.trainerPicture >= 0)
        current[trainer_record::kPicture] = static_cast<std::uint8_t>(m_pictures.trainerPicture);
    std::uint8_t checks = 0;
    for (std::size_t bit = 0; bit < std::size(kBattleChecks); ++bit)
        checks |= static_cast<std::uint8_t>(controls.isChecked(kBattleChecks[bit]) ? 1 << bit : 0);
    current[trainer_record::kBattleChecks] = checks;
    const std::int64_t highestClass = context().tables().trainerClassCount - 1;
    current[trainer_record::kTrainerClass] = static_cast<std::uint8_t>(store.selection(kClass, {0, highestClass, 0}));
    store.report(context().statusLine(), kZeroValueText);
    storeName(controls, context().statusLine(), kName, kTextInputLength,
              current.subspan(trainer_record::kName, trainer_record::kNameSize));

    showTrainer(controls);
    const int line = static_cast<int>(m_currentTrainer);
    controls.deleteItem(kTrainerList, line);
    controls.insertItem(kTrainerList, line, trainerLine(m_currentTrainer, current));
    controls.setSelection(kTrainerList, line);
}

void CTrainer_Edit::storeMember(IDialogControls& controls)
{
    if (m_currentTrainer >= recordCount())
        return;
    const int selected = controls.selection(kMembers);
    const std::size_t slot = selected == IDialogControls::kNoItem ? 0 : static_cast<std::size_t>(selected);
    if (slot >= trainer_record::kMaxPartyCount)
        return;
    m_party.base[slot][party_entry::kLevel] = levelFrom(controls, kMemberLevel);
    m_party.base[slot][party_entry::kUnclearLevel] = levelFrom(controls, kUnclearLevel);
    const party_entry::Layout layout = party_entry::layoutOf(trainer_record::dataType(record(m_currentTrainer)));
    if (layout.hasItem)
        storeChoice(controls, kHeldItem, m_party, slot, layout.item);
    if (layout.hasMoves) {
        for (std::size_t move = 0; move < party_entry::kMoveCount; ++move)
            storeChoice(controls, kMoves[move], m_party, slot, layout.firstMove + 2 * move);
    }
    if (const int monster = controls.selection(kMonster); monster != IDialogControls::kNoItem)
        m_party.set16(slot, party_entry::kMonster, monster > kHighestMonster ? 0 : static_cast<std::uint16_t>(monster));
    fillMemberList(controls, selected);
}

void CTrainer_Edit::writePartyToRom()
{
    if (m_currentTrainer >= recordCount())
        return;
    if (!m_partyRead) {
        statusShow(context().statusLine(), kPartyNotReadText);
        return;
    }
    const auto current = record(m_currentTrainer);
    if (GbaRom_Tamblor_Data_Save(trainer_record::partyOffset(current), trainer_record::partyCount(current),
                                 m_currentTrainer) != kPartyDone)
        statusPrint(context().statusLine(), "ファイルの書き込みに失敗しました。%s", m_partyErrorText.c_str());
}

void CTrainer_Edit::loadTrainerPicture(IDialogControls& controls, int number)
{
    m_pictures.pictureLoaded = true;
    m_pictures.trainerPicture = number;
    if (!m_pictures.showTrainerPictures) {
        m_trainerImage.reset();
        controls.setVisible(kPicture, false);
        controls.setVisible(kPictureNumber, true);
        controls.setText(kPictureNumber, std::to_string(number));
        return;
    }
    controls.setVisible(kPictureNumber, false);
    const std::string path = trainerPicturePath(context().programDirectory(), m_family, number);
    IShell* shell = context().shell();
    m_trainerImage = shell ? shell->loadBitmapFile(path) : std::nullopt;
    if (!m_trainerImage) {
        m_pictures.showTrainerPictures = false;
        setMenuItemChecked(kHideTrainerPicturesCommand, true);
        statusPrint(context().statusLine(), "ファイル\"%s\"を読み込めませんでした。", path.c_str());
    }
    paintPicture(controls, kPicture, m_trainerImage);
}

void CTrainer_Edit::loadMonsterPicture(IDialogControls& controls, int number)
{
    m_pictures.pictureLoaded = true;
    m_pictures.monsterPicture = number;
    // A picture kept from before would show another monster than the one selected.
    if (!m_pictures.showMonsterPictures) {
        m_monsterImage.reset();
        controls.setVisible(kMonsterPicture, false);
        return;
    }
    const std::string path = monsterPicturePath(context().programDirectory(), number);
    IShell* shell = context().shell();
    m_monsterImage = shell ? shell->loadBitmapFile(path) : std::nullopt;
    if (!m_monsterImage) {
        m_pictures.showMonsterPictures = false;
        setMenuItemChecked(kHideMonsterPicturesCommand, true);
        statusPrint(context().statusLine(), "ファイル\"%s\"を読み込めませんでした。", path.c_str());
    }
    paintPicture(controls, kMonsterPicture, m_monsterImage);
}

void CTrainer_Edit::paintPictures(IDialogControls& controls)
{
    paintPicture(controls, kPicture, m_trainerImage);
    paintPicture(controls, kMonsterPicture, m_monsterImage);
}

void CTrainer_Edit::stepMonster(IDialogControls& controls, int step)
{
    const int number = m_pictures.monsterPicture + step;
    if (number < 0 || number > kHighestMonster)
        return;
    loadMonsterPicture(controls, number);
    controls.setSelection(kMonster, number);
}

void CTrainer_Edit::toggleTrainerPictures()
{
    m_pictures.showTrainerPictures = !m_pictures.showTrainerPictures;
    setMenuItemChecked(kHideTrainerPicturesCommand, !m_pictures.showTrainerPictures);
}

void CTrainer_Edit::toggleMonsterPictures()
{
    m_pictures.showMonsterPictures = !m_pictures.showMonsterPictures;
    setMenuItemChecked(kHideMonsterPicturesCommand, !m_pictures.showMonsterPictures);
}

void CTrainer_Edit::relocateParty()
{
    if (m_currentTrainer >= recordCount())
        return;
    const auto current = record(m_currentTrainer);
    TrainerRelocation relocation(*this);
    RelocationDialogHandler relocationDialog(
        context(), className(), kTrainerRelocation,
        {std::to_string(trainer_record::partyCount(current)), trainer_record::dataType(current)}, relocation);
    relocationDialog.run(dialog());
}
