#include "tests/win32/driver/Report.h"

#include <cstdio>

bool Report::check(bool ok, const std::string& what, const std::string& detail)
{
    std::printf("%s: %s%s%s\n", ok ? "PASS" : "FAIL", what.c_str(), detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stdout);
    if (!ok)
        ++m_failures;
    return ok;
}
