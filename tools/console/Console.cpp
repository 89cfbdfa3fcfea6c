#include "tools/console/Console.h"

#ifndef _WIN32
#include "tools/console/Utf8.h"
#endif

std::string consoleText(std::string_view cp932)
{
#ifdef _WIN32
    return std::string(cp932);
#else
    return toUtf8(cp932);
#endif
}
