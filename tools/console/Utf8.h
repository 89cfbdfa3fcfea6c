#pragma once

#include <string>
#include <string_view>

// Shift-JIS (code page 932) bytes as UTF-8, for a Linux terminal or a readable test message.
// A byte the converter does not know becomes '?'.
std::string toUtf8(std::string_view cp932);

// UTF-8 as Shift-JIS, for texts that the sources hold in UTF-8 (the resource scripts).
std::string fromUtf8(std::string_view utf8);
