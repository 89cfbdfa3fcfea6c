#include "core/RomFile.h"
#include "core/ui/FrameCommands.h"
#include "pages/text/TextDocumentWindow.h"
#include "pages/text/TextPage.h"
#include "tests/pages/BlankPage.h"
#include "tests/pages/PageDialogTest.h"
#include "tests/pages/TestShell.h"
#include "tests/support/PageSlots.h"

#include <gtest/gtest.h>

using namespace text_document;

namespace {

// あい then the end byte at 0x110; five codes あいうえお and the end byte at 0x120; 0x140
// bytes, the cartridge header below 0xC0 with its game code included.
std::vector<std::uint8_t> smallRom()
{
    std::vector<std::uint8_t> rom(0x140, 0xEE);
    putBytes(rom, 0xAC, {'B', 'P', 'R', 'J'});
    putBytes(rom, 0x110, {0x01, 0x02, 0xFF});
    putBytes(rom, 0x120, {0x01, 0x02, 0x03, 0x04, 0x05, 0xFF});
    return rom;
}

class TextDocuments : public PageDialogTest {
protected:
    explicit TextDocuments(std::vector<std::uint8_t> romBytes = smallRom()) : PageDialogTest(std::move(romBytes)) {}

    void SetUp() override
    {
        tabs.setStatusLine(&status);
        auto made = std::make_unique<CTamblorText>(tabs);
        page = made.get();
        tabs.AddPage(std::move(made), "ザルバトテキストエディター");
        tabs.AddPage(std::make_unique<CBlankPage>(tabs), "blank");
        tabs.showFirstPage();
        writeBytes(rom, bytes);
        tabs.setRomPath(rom);
    }

    // The frame's button "新規\nウインドウ" while this page is selected; the new document.
    WindowHandle newDocument()
    {
        EXPECT_EQ(tabs.forwardToCurrentPage(window_message::kCommand, IDM_TEXT_NEW_WINDOW, 0), 1);
        return page->documents().empty() ? nullptr : page->documents().back().window;
    }
    IDialogControls& controls(WindowHandle document) { return *page->documentControls(document); }
    std::string text(WindowHandle document) { return controls(document).text(kTextEdit, 2047); }
    void load(WindowHandle document, const char* address)
    {
        controls(document).setText(kAddressEdit, address);
        sendWindowCommand(document, kLoadButton, window_message::kButtonClicked);
    }
    void save(WindowHandle document, const std::string& edited, MessageAnswer answer = MessageAnswer::Yes)
    {
        controls(document).setText(kTextEdit, edited);
        shell->answerMessages({answer});
        sendWindowCommand(document, kSaveButton, window_message::kButtonClicked);
    }
    // The ROM as the test expects it, with these bytes written over it as well.
    const std::vector<std::uint8_t>& writtenAt(std::size_t at, const std::vector<std::uint8_t>& written)
    {
        putBytes(expected, at, written);
        return expected;
    }

    std::unique_ptr<ScriptedShell> shell = makeTestShell(tabs);
    CTamblorText* page = nullptr;
    std::vector<std::uint8_t> expected = bytes;
};

TEST_F(TextDocuments, LoadShowsTheTextAndSavesWithinTheAllowedBytes)
{
    WindowHandle document = newDocument();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(controls(document).caption(), "Tamblor Text Editor DocNo:1 [新規]");
    load(document, "110");
    EXPECT_EQ(text(document), "あい終");
    EXPECT_EQ(page->documents().back().allowedBytes, 2);
    EXPECT_EQ(controls(document).caption(), "Tamblor Text Editor DocNo:1 [0x110] 書き込み許可バイト数:2");
    EXPECT_EQ(status.last(), "読み込み完了。");

    save(document, "あい終");
    EXPECT_EQ(readBytes(rom), bytes);
    save(document, "い終");
    EXPECT_EQ(shell->messages().back().text, "Romに書き込んでもよろしいですかッ？");
    EXPECT_EQ(shell->messages().back().caption, "注意");
    EXPECT_EQ(readBytes(rom), writtenAt(0x110, {0x02, 0xFF, 0xFF}));
    save(document, "あいうえお終", MessageAnswer::No);
    EXPECT_EQ(readBytes(rom), expected);

    // Five codes saved as one and "終": the old fifth code and end byte stay behind.
    load(document, "0x120");
    save(document, "あ終");
    EXPECT_EQ(readBytes(rom), writtenAt(0x120, {0x01, 0xFF, 0x00, 0x00}));
    // The line-break units, and a text without "終" ended within the allowed bytes.
    save(document, "@\r\n^\r\n\r\n終");
    EXPECT_EQ(readBytes(rom), writtenAt(0x120, {0xFA, 0xFB, 0xFE, 0xFF, 0x00, 0xFF}));
    save(document, "い");
    EXPECT_EQ(readBytes(rom), writtenAt(0x120, {0x02, 0xFF}));

    // The frame's message with a ROM offset: a new document loads the text there.
    EXPECT_EQ(tabs.forwardToCurrentPage(window_message::kOpenText, 0, 0x110), 1);
    document = page->documents().back().window;
    EXPECT_EQ(controls(document).caption(), "Tamblor Text Editor DocNo:2 [0x110] 書き込み許可バイト数:1");
    EXPECT_EQ(controls(document).text(kAddressEdit, kAddressCharacters), "110");
    EXPECT_EQ(text(document), "い終");
}

TEST_F(TextDocuments, WithBackupsTheFirstSaveOfAnOpeningCopiesTheFileFirst)
{
    tabs.setProgramDirectory(dir.path());
    ASSERT_TRUE(keepBackups(dir.path(), 1));
    ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone);
    WindowHandle document = newDocument();
    load(document, "110");
    save(document, "い終");
    EXPECT_EQ(readBytes(rom), writtenAt(0x110, {0x02, 0xFF, 0xFF}));
    ASSERT_EQ(backupsOf(rom).size(), 1u);
    EXPECT_EQ(readBytes(backupsOf(rom)[0]), bytes);
}

TEST_F(TextDocuments, UnloadedDocumentsAndBadAddressesWriteNothingUnasked)
{
    WindowHandle document = newDocument();
    // Never loaded: only the end byte, at the address typed, after the user's Yes.
    controls(document).setText(kAddressEdit, "113");
    save(document, "あいう");
    EXPECT_EQ(readBytes(rom), writtenAt(0x113, {0xFF}));
    EXPECT_EQ(controls(document).caption(), "Tamblor Text Editor DocNo:1 [0x113] 書き込み許可バイト数:0");

    load(document, "110");
    ASSERT_EQ(text(document), "あい終");
    load(document, "140");
    EXPECT_EQ(text(document), "");
    EXPECT_NE(status.last(), "読み込み完了。");
    EXPECT_FALSE(status.last().empty());
    EXPECT_EQ(controls(document).caption(), "Tamblor Text Editor DocNo:1 [0x110] 書き込み許可バイト数:2");

    // The bytes would run past the end of the file: refused, the file keeps its size.
    controls(document).setText(kAddressEdit, "13F");
    save(document, "あい終");
    EXPECT_EQ(readBytes(rom), expected);

    // The address edit's hint with digits after it reads as 0x16: a look is allowed, a write
    // into the cartridge header is not.
    load(document, "16進数で台詞のアドレスを入力してください12");
    EXPECT_EQ(status.last(), "読み込み完了。");
    save(document, "あい");
    EXPECT_EQ(status.last(), kHeaderWriteRefusedText);
    EXPECT_EQ(readBytes(rom), expected);

    tabs.setRomPath("");
    load(document, "110");
    EXPECT_EQ(shell->messages().back().text, "ROMを読み込んでください。");
    EXPECT_EQ(shell->messages().back().caption, "Error");
}

TEST_F(TextDocuments, DocumentsKeepTheirNumbersAndRecords)
{
    WindowHandle first = newDocument();
    WindowHandle second = newDocument();
    WindowHandle third = newDocument();
    load(first, "110");
    load(third, "120");
    closeWindow(second);
    ASSERT_EQ(page->documents().size(), 2u);
    EXPECT_EQ(page->documents()[0].documentNumber, 1);
    EXPECT_EQ(page->documents()[0].allowedBytes, 2);
    EXPECT_EQ(page->documents()[1].documentNumber, 3);
    EXPECT_EQ(page->documents()[1].allowedBytes, 5);

    // Another tab hides the documents and ignores the text buttons; back again, they are there.
    chooseTab(*host, tabs, 1);
    EXPECT_EQ(tabs.forwardToCurrentPage(window_message::kCommand, IDM_TEXT_NEW_WINDOW, 0), 0);
    EXPECT_EQ(tabs.forwardToCurrentPage(window_message::kCommand, IDM_TEXT_CLOSE_ALL, 0), 0);
    EXPECT_EQ(tabs.forwardToCurrentPage(window_message::kOpenText, 0, 0x110), 0);
    chooseTab(*host, tabs, 0);
    EXPECT_EQ(page->documents().size(), 2u);
    EXPECT_EQ(text(third), "あいうえお終");
    for (int command : {IDM_TEXT_CASCADE, IDM_TEXT_TILE, IDM_TEXT_ARRANGE})
        EXPECT_EQ(tabs.forwardToCurrentPage(window_message::kCommand, static_cast<std::uintptr_t>(command), 0), 1);

    EXPECT_EQ(tabs.forwardToCurrentPage(window_message::kCommand, IDM_TEXT_CLOSE_ALL, 0), 1);
    EXPECT_TRUE(page->documents().empty());
    EXPECT_EQ(page->documentControls(first), nullptr);
    WindowHandle fourth = newDocument();
    EXPECT_EQ(page->documents().back().documentNumber, 4);
    EXPECT_EQ(controls(fourth).caption(), "Tamblor Text Editor DocNo:4 [新規]");
}

std::vector<int> edges(const ControlRect& rect)
{
    return {rect.x, rect.y, rect.width, rect.height};
}

TEST_F(TextDocuments, AMaximisedDocumentFillsTheClientAreaAndLaysItsControlsOut)
{
    WindowHandle document = newDocument();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(maximiseWindow(document), 1);
    const WindowPlace place = windowPlace(document);
    EXPECT_EQ(edges(place.window), edges(place.parentClient));
    const int width = place.client.width;
    EXPECT_EQ(edges(controls(document).controlRect(kTextEdit)), (std::vector{0, 16, width, place.client.height - 16}));
    EXPECT_EQ(controls(document).controlRect(kAddressEdit).width, width - 128);
    EXPECT_EQ(controls(document).controlRect(kLoadButton).x, width - 88);
    EXPECT_EQ(controls(document).controlRect(kSaveButton).x, width - 55);
}

class LongTextDocuments : public TextDocuments {
protected:
    // 300 line-break codes of three characters each from offset 0xC0, and no end byte.
    LongTextDocuments() : TextDocuments(std::vector<std::uint8_t>(0x200, 0xFA)) {}
};

TEST_F(LongTextDocuments, TextWithoutEndByteCountsAsTheReadLimit)
{
    WindowHandle document = newDocument();
    load(document, "C0");
    EXPECT_EQ(page->documents().back().allowedBytes, 300);
    std::string expected;
    for (int i = 0; i < 300; ++i)
        expected += "@\r\n";
    EXPECT_EQ(text(document), expected);

    // At most 299 codes, then the end byte.
    save(document, expected);
    EXPECT_EQ(readBytes(rom), writtenAt(0xC0 + 299, {0xFF}));
}

} // namespace
