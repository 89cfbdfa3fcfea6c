// Which refusals of "設定" end the dialog: only the trainer page's dialog closes after one.
#include "core/TabSystem.h"
#include "core/relocation/RelocationDialog.h"
#include "core/relocation/RelocationDialogHandler.h"
#include "core/ui/WindowMessages.h"
#include "tests/support/MemoryShell.h"
#include "tests/support/MemoryTemplates.h"

#include <gtest/gtest.h>

using namespace relocation_dialog;

namespace {

class UntouchedTable : public IRelocationPage {
public:
    std::vector<std::uint8_t> relocatedArea(const RelocationChoice&) override { return {}; }
    Result rewritePointer(RomFile&, const RelocationChoice&) override { return Result::failed("unused"); }
    void relocated(const RelocationChoice&) override {}
};

// A dialog in memory whose list holds the lines, with "設定" enabled as after a search.
void open(RelocationDialogHandler& handler, MemoryControls& controls, std::initializer_list<const char*> lines)
{
    handler.windowCreated(reinterpret_cast<WindowHandle>(0x100), controls);
    for (const char* line : lines)
        controls.addItem(kCandidates, line);
    controls.setEnabled(kStore, true);
}

void pressStore(RelocationDialogHandler& handler)
{
    handler.windowMessage(window_message::kCommand, window_message::makeCommand(kStore, window_message::kButtonClicked), 0);
}

} // namespace

TEST(RelocationStore, RefusalsKeepTheDialogOpenButTheTrainersCloses)
{
    MemoryShell shell;
    CTabSystem tabs;
    tabs.setShell(&shell);
    UntouchedTable table;

    MemoryControls monsterDialog(memoryTemplate(kTemplateId));
    RelocationDialogHandler monster(tabs, "CFake", kMonsterRelocation, {}, table);
    open(monster, monsterDialog, {"0x000000", "0x000010"});
    pressStore(monster);
    monsterDialog.setSelection(kCandidates, 0);
    pressStore(monster);
    // No search has set a count yet.
    monsterDialog.setSelection(kCandidates, 1);
    pressStore(monster);
    EXPECT_FALSE(monsterDialog.ended());
    ASSERT_EQ(shell.messageTexts(), (std::vector<std::string>{"指定してください。", "ありゃりゃ？", "まじで！？"}));
    EXPECT_EQ(shell.messages()[1].caption, "?");
    EXPECT_EQ(shell.messages()[2].caption, "？？？");
    // Enter reaches a disabled default button: nothing happens.
    monsterDialog.setEnabled(kStore, false);
    pressStore(monster);
    EXPECT_EQ(shell.messages().size(), 3u);

    MemoryControls trainerDialog(memoryTemplate(kTemplateId));
    RelocationDialogHandler trainer(tabs, "CFake", kTrainerRelocation, {"1", 0}, table);
    open(trainer, trainerDialog, {"0x000010"});
    pressStore(trainer);
    EXPECT_TRUE(trainerDialog.ended());
    EXPECT_EQ(trainerDialog.endResult(), kCancel);
}
