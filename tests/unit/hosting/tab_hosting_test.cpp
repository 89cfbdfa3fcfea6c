#include "core/TabSystem.h"
#include "core/ui/DialogControls.h"
#include "core/ui/WindowMessages.h"
#include "tests/pages/BlankPage.h"
#include "tests/support/MemoryPageHost.h"

#include <gtest/gtest.h>

namespace {

using Kind = MemoryPageHost::Event::Kind;
constexpr int kEdit = 1002; // an edit of template 132

// Keeps the text of its edit, as a page keeps what the user typed, and puts it back when its
// dialog is made again.
class CEditPage : public CBlankPage {
public:
    CEditPage(CTabSystem& tabs, int dialogId) : CBlankPage(tabs), m_dialogId(dialogId) {}
    void InitDialog(WindowHandle dialog) override
    {
        initHandles.push_back(dialog);
        // The page knows its own dialog from WM_INITDIALOG on.
        ownControlsAtInit.push_back(this->controls() != nullptr && this->dialog() == dialog);
        if (IDialogControls* controls = this->controls())
            controls->setText(kEdit, typed);
    }
    // EN_CHANGE of the text put back during InitDialog records the same text again.
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t) override
    {
        IDialogControls* controls = this->controls();
        if (!controls || message != window_message::kCommand || window_message::commandId(wParam) != kEdit
            || window_message::notifyCode(wParam) != window_message::kEditChange)
            return 0;
        typed = controls->text(kEdit, 100);
        return 1;
    }
    int DialogId() override { return m_dialogId; }

    std::vector<WindowHandle> initHandles;
    std::vector<bool> ownControlsAtInit;
    std::string typed;

private:
    int m_dialogId;
};

// Three pages in the memory host, the third without a dialog template of its own.
class TabHosting : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.attach();
        for (const char* caption : {"A", "B", "C"}) {
            auto page = std::make_unique<CEditPage>(tabs, caption[0] == 'C' ? 0 : 132);
            pages.push_back(page.get());
            tabs.AddPage(std::move(page), caption);
        }
        tabs.showFirstPage();
    }
    void choose(int tab)
    {
        host.selectTab(host.tabControl(), tab);
        tabs.switchToSelectedTab();
    }
    Kind lastEvent(WindowHandle dialog) const
    {
        EXPECT_EQ(host.events().back().dialog, dialog);
        return host.events().back().kind;
    }

    CTabSystem tabs;
    MemoryPageHost host{tabs};
    std::vector<CEditPage*> pages;
};

} // namespace

TEST_F(TabHosting, OnlyTheCurrentPageHasADialogAndATabChangeDestroysTheOldBeforeCreatingTheNew)
{
    EXPECT_EQ(host.tabCaptions(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(host.selectedTab(host.tabControl()), 0);
    const WindowHandle first = tabs.currentPageWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(host.dialogCount(), 1u);
    EXPECT_EQ(pages[0]->initHandles, std::vector<WindowHandle>{first});
    EXPECT_TRUE(pages[1]->initHandles.empty());
    tabs.resizeCurrentPage();
    EXPECT_EQ(lastEvent(first), Kind::Fitted);
    EXPECT_EQ(host.events().size(), 3u);

    choose(1);
    const WindowHandle second = tabs.currentPageWindow();
    ASSERT_EQ(host.events().size(), 6u);
    EXPECT_EQ(host.events()[3].kind, Kind::Destroyed);
    EXPECT_EQ(host.events()[3].dialog, first);
    EXPECT_EQ(host.events()[4].kind, Kind::Created);
    EXPECT_EQ(host.events()[4].dialog, second);
    EXPECT_EQ(lastEvent(second), Kind::Fitted);
    EXPECT_EQ(pages[1]->initHandles, std::vector<WindowHandle>{second});
    EXPECT_EQ(pages[1]->ownControlsAtInit, std::vector<bool>{true});
    EXPECT_EQ(pages[0]->dialog(), nullptr);
    EXPECT_EQ(host.memoryControls(first), nullptr);
    EXPECT_EQ(host.dialogCount(), 1u);

    // A tab out of range keeps the page and makes its dialog again.
    choose(2);
    const WindowHandle third = tabs.currentPageWindow();
    choose(3);
    EXPECT_EQ(host.selectedTab(host.tabControl()), 2);
    EXPECT_EQ(tabs.currentPageIndex(), 2u);
    EXPECT_NE(tabs.currentPageWindow(), third);
    EXPECT_EQ(pages[2]->initHandles.size(), 2u);
    EXPECT_EQ(host.dialogCount(), 1u);
}

TEST_F(TabHosting, WhatWasTypedComesBackWithTheTab)
{
    host.memoryControls(tabs.currentPageWindow())->setText(kEdit, "typed");
    EXPECT_EQ(pages[0]->typed, "typed");
    choose(1);
    EXPECT_EQ(host.memoryControls(tabs.currentPageWindow())->text(kEdit, 100), "");
    choose(0);
    EXPECT_EQ(host.memoryControls(tabs.currentPageWindow())->text(kEdit, 100), "typed");
}
