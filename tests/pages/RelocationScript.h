#pragma once

#include "core/relocation/RelocationDialog.h"
#include "core/ui/DialogControls.h"
#include "core/ui/WindowMessages.h"
#include "tests/support/ScriptedShell.h"

// The user's hand in the relocation dialog: a count, a search range and the copy box, then
// "検索" and "設定".
inline void searchAndStore(IDialogControls& controls, const ScriptedShell::Command& command, const char* count,
                           const char* rangeStart, const char* rangeEnd, bool copy)
{
    namespace relocation = relocation_dialog;
    controls.setText(relocation::kCount, count);
    controls.setText(relocation::kRangeStart, rangeStart);
    controls.setText(relocation::kRangeEnd, rangeEnd);
    controls.setChecked(relocation::kCopyOld, copy);
    command(relocation::kSearch, window_message::kButtonClicked);
    command(relocation::kStore, window_message::kButtonClicked);
}
