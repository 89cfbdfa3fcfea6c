#pragma once

#include <string>
#include <string_view>

// Program text (code page 932) as the console shows it: UTF-8 on Linux, unchanged on
// Windows, whose console takes the ANSI code page.
std::string consoleText(std::string_view cp932);
