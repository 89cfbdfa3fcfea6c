#include "core/TabSystem.h"
#include "core/ui/WindowMessages.h"
#include "pages/other/OtherDialog.h"
#include "pages/other/OtherPage.h"
#include "tests/support/MemoryPageHost.h"

#include <gtest/gtest.h>

// What only the memory host can show: the selectors' list heights, and a store without a
// selection, which must not touch the tables.
TEST(OtherDialogInMemory, SelectorListsAreTallAndStoresNeedASelection)
{
    CTabSystem tabs;
    MemoryPageHost host(tabs);
    host.attach();
    tabs.AddPage(std::make_unique<COmake>(tabs), "その他");
    tabs.tables().trainerClassNames.assign(11, 0xBB);
    tabs.tables().trainerClassCount = 1;
    tabs.showFirstPage();
    MemoryControls& controls = *host.memoryControls(tabs.currentPageWindow());
    EXPECT_EQ(controls.droppedHeight(other_dialog::kClassSelector), 200);
    EXPECT_EQ(controls.droppedHeight(other_dialog::kMoveSelector), 200);

    const SharedTables before = tabs.tables();
    controls.setSelection(other_dialog::kClassSelector, 5);
    controls.setSelection(other_dialog::kMoveSelector, -1);
    host.sendDialogMessage(window_message::kCommand,
                           window_message::makeCommand(other_dialog::kClassSelector, window_message::kComboSelChange), 0);
    controls.setText(other_dialog::kClassNameEdit, "A");
    controls.setText(other_dialog::kMoveNameEdit, "A");
    for (int button : {other_dialog::kStoreClassName, other_dialog::kStoreMoveName})
        host.sendDialogMessage(window_message::kCommand, window_message::makeCommand(button, 0), 0);
    EXPECT_EQ(tabs.tables().trainerClassNames, before.trainerClassNames);
    EXPECT_EQ(tabs.tables().moveNames, before.moveNames);
    EXPECT_EQ(controls.itemCount(other_dialog::kClassSelector), 1);
}
