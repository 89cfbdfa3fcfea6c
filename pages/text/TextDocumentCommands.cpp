// A document's "Load" and "Rom Save": the text at the typed address, read into the text edit
// or written back from it, with the file opened for that one command.
#include "core/NumberParsing.h"
#include "core/codec/GameCodec.h"
#include "core/codec/TextEncoder.h"
#include "core/ui/StatusLine.h"
#include "pages/text/TextDocumentWindow.h"
#include "pages/text/TextPage.h"
#include "pages/text/TextTransfer.h"

#include <cstdio>

namespace {

std::uint32_t typedAddress(const IDialogControls& controls)
{
    return parseHex(controls.text(text_document::kAddressEdit, text_document::kAddressCharacters));
}

} // namespace

void CTamblorText::loadDocument(WindowHandle document, IDialogControls& controls)
{
    if (context().romPath().empty()) {
        if (IShell* shell = context().shell())
            shell->messageBox(document, "ROMを読み込んでください。", "Error", MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    const std::uint32_t offset = typedAddress(controls);
    controls.setText(text_document::kTextEdit, "");
    const ResultOf<LoadedText> text = loadText(context().romPath(), offset, gameCodec());
    if (!text.ok()) {
        statusShow(context().statusLine(), text.errorText());
        return;
    }
    controls.setText(text_document::kTextEdit, text->display);
    if (HWND_DATA* data = record(document))
        data->allowedBytes = text->allowedBytes;
    showLoadedCaption(document, controls, offset);
    statusShow(context().statusLine(), "読み込み完了。");
}

void CTamblorText::saveDocument(WindowHandle document, IDialogControls& controls)
{
    IShell* shell = context().shell();
    if (!shell || shell->messageBox(document, "Romに書き込んでもよろしいですかッ？", "注意", MessageButtons::YesNo,
                                    MessageIcon::None) != MessageAnswer::Yes)
        return;
    const std::uint32_t offset = typedAddress(controls);
    // A document never loaded may write only the end byte.
    const HWND_DATA* data = record(document);
    const std::vector<std::uint8_t> bytes
        = encodeText(controls.text(text_document::kTextEdit, kTextEditCharacters), data ? data->allowedBytes : 0);
    const Result written = writeText(context().openRomForWriting(), offset, bytes);
    if (!written.ok()) {
        statusShow(context().statusLine(), written.errorText());
        return;
    }
    showLoadedCaption(document, controls, offset);
}

void CTamblorText::showLoadedCaption(WindowHandle document, IDialogControls& controls, std::uint32_t offset)
{
    const HWND_DATA* data = record(document);
    if (!data)
        return;
    char caption[128];
    std::snprintf(caption, sizeof caption, "Tamblor Text Editor DocNo:%d [0x%X] 書き込み許可バイト数:%d",
                  static_cast<int>(data->documentNumber), static_cast<unsigned>(offset),
                  static_cast<int>(data->allowedBytes));
    controls.setCaption(caption);
}
