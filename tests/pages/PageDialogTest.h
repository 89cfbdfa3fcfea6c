#pragma once

#include "core/TabSystem.h"
#include "core/ui/DialogControls.h"
#include "core/ui/WindowMessages.h"
#include "tests/pages/TestPageHost.h"
#include "tests/support/TestFiles.h"
#include "tools/console/Utf8.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// What every page dialog case has: a scratch folder with its ROM, the session with a status
// line, the host of the dialogs, and the user's hand on the current page's controls.
class PageDialogTest : public ::testing::Test {
protected:
    explicit PageDialogTest(std::vector<std::uint8_t> romBytes = {}) : bytes(std::move(romBytes)) {}

    IDialogControls& dialog() { return *currentControls(*host, tabs); }
    void press(int id) { sendCommand(*host, tabs, id, window_message::kButtonClicked); }
    // The item texts of a list box or combo box, of the page's dialog or of another one.
    static std::vector<std::string> items(const IDialogControls& controls, int id)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < controls.itemCount(id); ++i)
            texts.push_back(controls.itemText(id, i));
        return texts;
    }
    std::vector<std::string> items(int id) { return items(dialog(), id); }
    // Saves every page and compares the whole ROM file.
    void saveAndExpect(const std::vector<std::uint8_t>& expected)
    {
        ASSERT_EQ(tabs.RomWrite(), 1) << toUtf8(status.last());
        EXPECT_EQ(readBytes(rom), expected);
    }

    TempDir dir;
    std::string rom = dir.file("rom.gba");
    std::vector<std::uint8_t> bytes;
    RecordingStatusLine status;
    CTabSystem tabs;
    std::unique_ptr<IPageHost> host = makeTestPageHost(tabs);
};
