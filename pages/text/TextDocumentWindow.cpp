#include "pages/text/TextDocumentWindow.h"

#include <algorithm>

namespace text_document {

namespace {

constexpr int kRowHeight = 15;
constexpr int kTextTop = 16;
// The top row's right end: the address edit stops this far from the edge, the buttons start
// at these distances from it.
constexpr int kAddressRightMargin = 128;
constexpr int kLoadFromRight = 88;
constexpr int kSaveFromRight = 55;

} // namespace

DocumentWindowSpec windowSpec()
{
    using Kind = ChildControl::Kind;
    return {kClassName,
            {{kAddressLabel, Kind::Static, "Addr：", {0, 0, 40, kRowHeight}},
             {kAddressEdit, Kind::Edit, "16進数で台詞のアドレスを入力してください", {40, 0, 150, kRowHeight}},
             {kLoadButton, Kind::PushButton, "Load", {190, 0, 30, kRowHeight}},
             {kSaveButton, Kind::PushButton, "Rom Save", {230, 0, 55, kRowHeight}},
             {kTextEdit, Kind::MultiLineEdit, "", {0, kTextTop, 70, kRowHeight}}}};
}

void layOut(IDialogControls& controls, int width, int height)
{
    // A window narrower than the top row keeps its controls at least zero pixels wide.
    ControlRect address = controls.controlRect(kAddressEdit);
    address.width = std::max(width - kAddressRightMargin, 0);
    controls.moveControl(kAddressEdit, address);
    ControlRect load = controls.controlRect(kLoadButton);
    load.x = width - kLoadFromRight;
    controls.moveControl(kLoadButton, load);
    ControlRect save = controls.controlRect(kSaveButton);
    save.x = width - kSaveFromRight;
    controls.moveControl(kSaveButton, save);
    controls.moveControl(kTextEdit, {0, kTextTop, std::max(width, 0), std::max(height - kTextTop, 0)});
    controls.repaint(kTextEdit);
}

} // namespace text_document
