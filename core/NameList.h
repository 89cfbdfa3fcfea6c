#pragma once

#include <string>
#include <string_view>
#include <vector>

// A plain-text name list beside Setting.ini: one display name per line, line 1 is entry 0.
// Lines are read as a 260-byte line buffer reads them: a longer line arrives in pieces of at
// most 259 bytes, each an entry of its own. CR LF counts as one line end.
// Returns false (and adds nothing) when the file cannot be opened.
bool loadNameList(const std::string& programDirectory, std::string_view fileName,
                  std::vector<std::string>& entries);

// The status line text for a list that could not be opened: "<name>"ファイルを開けませんでした。
std::string nameListOpenFailedText(std::string_view fileName);
