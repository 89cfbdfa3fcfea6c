#include "core/relocation/RelocationDialog.h"
#include "core/relocation/RelocationDialogHandler.h"
#include "tests/pages/PageDialogTest.h"
#include "tests/pages/TestShell.h"
#include "tests/support/PageSlots.h"

#include <gtest/gtest.h>

using namespace relocation_dialog;

namespace {

// Outside the cartridge header (0x00 to 0xBF), which no write-out may touch.
constexpr std::size_t kPointerAt = 0x1F0;

// Moves a table of 2-byte entries 0xAB 0xAB and an end byte 0xEE; its pointer is at
// pointerAt.
class FakeTable : public IRelocationPage {
public:
    std::vector<std::uint8_t> relocatedArea(const RelocationChoice& choice) override
    {
        std::vector<std::uint8_t> area(static_cast<std::size_t>(choice.count) * 2, 0xAB);
        area.push_back(0xEE);
        return area;
    }
    Result rewritePointer(RomFile& file, const RelocationChoice& choice) override
    {
        const std::uint8_t pointer[] = {static_cast<std::uint8_t>(choice.address),
                                        static_cast<std::uint8_t>(choice.address >> 8), 0, 0};
        return file.writeAt(pointerAt, pointer);
    }
    void relocated(const RelocationChoice& choice) override { moves.push_back(choice); }

    std::int64_t pointerAt = kPointerAt;
    std::vector<RelocationChoice> moves;
};

// Runs of 0xFF: 20 bytes at 0x100, 7 at 0x130, 8 at 0x140.
std::vector<std::uint8_t> freeSpaceRom(const char* code)
{
    std::vector<std::uint8_t> rom(0x200, 0x00);
    putBytes(rom, 0xAC, {std::uint8_t(code[0]), std::uint8_t(code[1]), std::uint8_t(code[2]), std::uint8_t(code[3])});
    std::fill_n(rom.begin() + 0x100, 20, 0xFF);
    std::fill_n(rom.begin() + 0x130, 7, 0xFF);
    std::fill_n(rom.begin() + 0x140, 8, 0xFF);
    return rom;
}

class RelocationDialog : public PageDialogTest {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        open("AXVJ");
    }
    void open(const char* code)
    {
        bytes = freeSpaceRom(code);
        writeBytes(rom, bytes);
        ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone);
    }
    int run(const RelocationParameters& parameters, ScriptedShell::ModalScript script,
            RelocationDialogHandler::Start start = {})
    {
        shell->scriptModal(std::move(script));
        RelocationDialogHandler handler(tabs, "CFakePage", parameters, std::move(start), table);
        return handler.run(nullptr);
    }
    // Count, range and the search: the monster set asks for 4n + 2 bytes.
    static void search(IDialogControls& controls, const ScriptedShell::Command& command, const char* count,
                       const char* start = "0x100", const char* end = "180")
    {
        controls.setText(kCount, count);
        controls.setText(kRangeStart, start);
        controls.setText(kRangeEnd, end);
        command(kSearch, window_message::kButtonClicked);
    }

    std::unique_ptr<ScriptedShell> shell = makeTestShell(tabs);
    FakeTable table;
};

} // namespace

TEST_F(RelocationDialog, EachPageSetsUpTheDialogItsOwnWay)
{
    struct Expected {
        const RelocationParameters* parameters;
        const char* count;
        int dataType;
        const char* caption;
        const char* label;
        const char* maximum;
        bool dataTypeShown, narrow;
    };
    const Expected sets[] = {
        {&kMonsterRelocation, "", 0, "ざるばとえでぃた～", "技の数：", "10", false, true},
        {&kTypeChartRelocation, "3", 0, "相性変更～", "相性の数：", "10", false, true},
        {&kTrainerRelocation, "4", 2, "とれーなーえでぃっと", "ザルバトの数：", "100", true, false},
    };
    for (const Expected& set : sets) {
        run(*set.parameters, [&](IDialogControls& controls, const ScriptedShell::Command&) {
            EXPECT_EQ(controls.caption(), set.caption);
            EXPECT_EQ(controls.text(kCountLabel, 64), set.label);
            EXPECT_EQ(controls.text(kCount, 64), set.count);
            EXPECT_EQ(controls.controlRect(kCount).width == kNarrowCountWidth, set.narrow) << set.caption;
            EXPECT_EQ(controls.isVisible(kDataType), set.dataTypeShown);
            EXPECT_EQ(controls.isVisible(kDataTypeLabel), set.dataTypeShown);
            EXPECT_EQ(controls.text(kMaximum, 64), set.maximum);
            EXPECT_EQ(controls.text(kRangeStart, 64), "0x655200");
            EXPECT_EQ(controls.text(kRangeEnd, 64), "0x67CFFF");
            EXPECT_FALSE(controls.isEnabled(kStore));
        }, {set.count, set.dataType});
    }
    run(kTrainerRelocation, [](IDialogControls& controls, const ScriptedShell::Command&) {
        ASSERT_EQ(controls.itemCount(kDataType), 5);
        EXPECT_EQ(controls.itemText(kDataType, 4), "不明(指定しないで下さい)");
        EXPECT_EQ(controls.selection(kDataType), 2);
    }, {"4", 2});
}

TEST_F(RelocationDialog, SearchListsCandidatesTwoBytesIntoEachRun)
{
    run(kMonsterRelocation, [&](IDialogControls& controls, const ScriptedShell::Command& command) {
        // k = 6: the run of 20 gives three, the run of 7 (k + 1) none, the run of 8 one.
        search(controls, command, "1");
        EXPECT_EQ(items(controls, kCandidates),
                  (std::vector<std::string>{"0x000102", "0x000108", "0x00010E", "0x000142"}));
        EXPECT_EQ(controls.selection(kCandidates), 0);
        EXPECT_TRUE(controls.isEnabled(kStore));
        EXPECT_EQ(status.last(), "検索しました。");

        controls.setChecked(kStopAtFirst, true);
        search(controls, command, "1");
        EXPECT_EQ(items(controls, kCandidates), std::vector<std::string>{"0x000102"});

        controls.setChecked(kStopAtFirst, false);
        controls.setText(kMaximum, "0");
        search(controls, command, "1");
        EXPECT_EQ(controls.text(kMaximum, 64), "10");
        EXPECT_EQ(controls.itemCount(kCandidates), 4);
    });
    EXPECT_TRUE(shell->messages().empty());
}

TEST_F(RelocationDialog, BadRangesAndCountsAreRefusedAndASmallRangeFindsNothing)
{
    run(kTypeChartRelocation, [&](IDialogControls& controls, const ScriptedShell::Command& command) {
        search(controls, command, "1", "0x6C8000", "0x6C8000");
        search(controls, command, "0");
        // 3n + 2 of the largest count overflows 32 bits; 4 entries need 14 of the 13 bytes.
        search(controls, command, "2147483647");
        search(controls, command, "4", "0x100", "0x10D");
        EXPECT_EQ(controls.itemCount(kCandidates), 0);
        EXPECT_FALSE(controls.isEnabled(kStore));
        search(controls, command, "3", "0x100", "0x10D");
        EXPECT_EQ(items(controls, kCandidates), std::vector<std::string>{"0x000102"});
    });
    EXPECT_EQ(shell->messageTexts(), (std::vector<std::string>{"offsetがおかしいです。", "相性の数がおかしいです。",
                                                               "相性の数がおかしいです。", "検索できませんでした。"}));
    EXPECT_EQ(shell->messages()[0].caption, "error");

    open("ABCD");
    run(kTypeChartRelocation, [&](IDialogControls& controls, const ScriptedShell::Command& command) {
        EXPECT_EQ(controls.text(kRangeStart, 64), "");
        command(kSearch, window_message::kButtonClicked);
    });
    EXPECT_EQ(shell->messageTexts().back(), "offsetがおかしいです。");
}

TEST_F(RelocationDialog, ARangePastTheEndOfTheFileKeepsWhatWasFoundButCannotStore)
{
    run(kMonsterRelocation, [&](IDialogControls& controls, const ScriptedShell::Command& command) {
        search(controls, command, "1", "0x100", "0x300");
        EXPECT_EQ(controls.itemCount(kCandidates), 4);
        EXPECT_FALSE(controls.isEnabled(kStore));
    });
    EXPECT_EQ(shell->messageTexts(), std::vector<std::string>{"検索できませんでした。"});
    EXPECT_EQ(status.last().rfind("CFakePage::GbaRom_Search_Data を実行中にエラーが発生しました。", 0), 0u);
}

TEST_F(RelocationDialog, StoreWritesTheAreaThenThePointer)
{
    ASSERT_TRUE(keepBackups(dir.path(), 1));
    const int result = run(kMonsterRelocation, [&](IDialogControls& controls, const ScriptedShell::Command& command) {
        search(controls, command, "1");
        controls.setSelection(kCandidates, 1);
        controls.setChecked(kCopyOld, true);
        command(kStore, window_message::kButtonClicked);
    });
    EXPECT_EQ(result, kStore);
    std::vector<std::uint8_t> expected = bytes;
    putBytes(expected, kPointerAt, {0x08, 0x01, 0x00, 0x00});
    putBytes(expected, 0x108, {0xAB, 0xAB, 0xEE});
    EXPECT_EQ(readBytes(rom), expected);
    const std::vector<std::string> copies = backupsOf(rom);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(readBytes(copies[0]), bytes);
    ASSERT_EQ(table.moves.size(), 1u);
    EXPECT_EQ(table.moves[0].address, 0x108u);
    EXPECT_EQ(table.moves[0].count, 1);
    EXPECT_TRUE(table.moves[0].copyOldEntries);
    EXPECT_EQ(status.last(), "バックアップ「" + copies[0] + "」を作成しました。保存しました。");
}

// The area goes first: a pointer that cannot be written leaves the old one and the page,
// and the dialog keeps its candidates for another pick.
TEST_F(RelocationDialog, AFailedPointerWriteKeepsTheOldPointerAndTheDialog)
{
    table.pointerAt = -1;
    const int result = run(kMonsterRelocation, [&](IDialogControls& controls, const ScriptedShell::Command& command) {
        search(controls, command, "1");
        command(kStore, window_message::kButtonClicked);
        std::vector<std::uint8_t> expected = bytes;
        putBytes(expected, 0x102, {0xAB, 0xAB, 0xEE});
        EXPECT_EQ(readBytes(rom), expected);
        EXPECT_TRUE(table.moves.empty());
        EXPECT_EQ(status.last(), "CFakePage::GbaRomData_Level_Addr_Save を実行中にエラーが発生しました。" +
                                     endOfFileErrorText());
        EXPECT_EQ(controls.itemCount(kCandidates), 4);
        EXPECT_TRUE(controls.isEnabled(kStore));

        table.pointerAt = kPointerAt;
        controls.setSelection(kCandidates, 1);
        command(kStore, window_message::kButtonClicked);
    });
    EXPECT_EQ(result, kStore);
    ASSERT_EQ(table.moves.size(), 1u);
    EXPECT_EQ(table.moves[0].address, 0x108u);
}

TEST_F(RelocationDialog, TrainerChecksDataTypeAndPartySize)
{
    run(kTrainerRelocation, [&](IDialogControls& controls, const ScriptedShell::Command& command) {
        search(controls, command, "7");
        controls.setSelection(kDataType, 4);
        search(controls, command, "1");
        controls.setSelection(kDataType, 1);
        // 6 members of 16 bytes do not fit in the 20 free bytes; 1 member does.
        search(controls, command, "1", "0x100", "0x114");
        EXPECT_EQ(items(controls, kCandidates), std::vector<std::string>{"0x000102"});
        controls.setSelection(kCandidates, -1);
        command(kStore, window_message::kButtonClicked);
    }, {"3", 0});
    EXPECT_EQ(shell->messageTexts(), (std::vector<std::string>{"ザルバトの数がおかしいです。",
                                                               "でーたタイプがおかしいです。", "指定してください。"}));
    EXPECT_EQ(readBytes(rom), bytes);
}
