#include "tests/win32/driver/PageControls.h"
#include "tests/win32/driver/Scenarios.h"
#include "tests/win32/driver/Windows.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kTabCount = 10;
constexpr int kRuns = 11;

double milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One switch: the message until it returns, then every window painted.
double timeSwitch(HWND frame, int tab)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    selectPage(frame, tab);
    RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    sendWithin(frame, WM_NULL, 0, 0);
    QueryPerformanceCounter(&end);
    return milliseconds(start, end);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

void printTabTimings(HWND frame)
{
    for (int tab = 0; tab < kTabCount; ++tab) {
        // From a neighbouring tab each time, so that every run builds the page anew.
        const int from = tab == 0 ? 1 : tab - 1;
        std::vector<double> runs;
        for (int run = 0; run < kRuns; ++run) {
            selectPage(frame, from);
            runs.push_back(timeSwitch(frame, tab));
        }
        std::printf("bench: selecting tab %d takes %.1f ms (median of %d)\n", tab, median(runs), kRuns);
    }
    std::fflush(stdout);
}
