#include "core/ui/StatusLine.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {
constexpr std::size_t kMessageBufferSize = 1024;
constexpr std::size_t kLongestFormat = 999;
} // namespace

void statusPrint(IStatusLine* status, const char* format, ...)
{
    if (!status || !format || std::strlen(format) > kLongestFormat)
        return;
    char buffer[kMessageBufferSize];
    va_list arguments;
    va_start(arguments, format);
    int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    if (length < 0)
        buffer[0] = '\0';
    status->setText(buffer);
}

void statusShow(IStatusLine* status, std::string_view text)
{
    if (status)
        status->setText(text);
}

void statusProgress(IStatusLine* status, int position)
{
    if (status)
        status->setProgress(position);
}
