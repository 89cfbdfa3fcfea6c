#pragma once

#include <string_view>

// The status bar's message part and its progress bar, as the pages see them.
class IStatusLine {
public:
    virtual ~IStatusLine() = default;
    virtual void setText(std::string_view text) = 0;
    // 0 to 100.
    virtual void setProgress(int position) = 0;
};

// printf-style message on the status line: cut to 1023 bytes; a format of 1000 bytes or
// more is not shown at all; nothing happens without a status line.
void statusPrint(IStatusLine* status, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
// Shows a text as it stands (a system error text is never used as a format).
void statusShow(IStatusLine* status, std::string_view text);
void statusProgress(IStatusLine* status, int position);
