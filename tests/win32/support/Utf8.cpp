// The Windows definition behind tools/console/Utf8.h: code page 932 through UTF-16.
#include "tools/console/Utf8.h"

#include <windows.h>

#include <vector>

std::string toUtf8(std::string_view cp932)
{
    if (cp932.empty())
        return {};
    const int inLength = static_cast<int>(cp932.size());
    const int wideLength = MultiByteToWideChar(932, 0, cp932.data(), inLength, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength));
    MultiByteToWideChar(932, 0, cp932.data(), inLength, wide.data(), wideLength);
    const int outLength = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(outLength), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, out.data(), outLength, nullptr, nullptr);
    return out;
}
