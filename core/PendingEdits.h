#pragma once

#include "core/ui/Shell.h"

#include <string>
#include <string_view>

class CTabSystem;

// The question asked before edits that wait for "ROMへ保存" would be lost.
inline constexpr const char* kSavePendingEditsText = "変更をROMに保存しますか？";

// The frame's caption: the program's own without a ROM, else "<program> - <file name>", with
// " *" while edits wait to be saved.
std::string frameCaption(std::string_view program, const std::string& romPath, bool pending);

// Before the ROM is closed or another one opened: while edits are pending, asks whether to
// save them. Yes saves, No lets them go, Cancel keeps everything as it was. Whether the caller
// may go on: not after Cancel, nor after a failed save (the status line says why).
bool settlePendingEdits(CTabSystem& tabs, IShell& shell, WindowHandle owner, std::string_view caption);
