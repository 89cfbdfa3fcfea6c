#pragma once

#include "core/ui/StatusLine.h"
#include "tools/console/Utf8.h"

#include <cstdio>
#include <string>

// The status line on a terminal: each message on its own line, progress left out.
class ConsoleStatusLine : public IStatusLine {
public:
    void setText(std::string_view text) override { std::printf("status: %s\n", toUtf8(text).c_str()); }
    void setProgress(int) override {}
};
