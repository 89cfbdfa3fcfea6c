#pragma once

#include <string>

// PASS and FAIL lines on standard output; the driver's exit code is the number of failures.
class Report {
public:
    // Prints the line and returns ok, so that a scenario can stop at a failed step.
    bool check(bool ok, const std::string& what, const std::string& detail = {});
    int failures() const { return m_failures; }

private:
    int m_failures = 0;
};
