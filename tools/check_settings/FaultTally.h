#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Faults of one kind among the records of a table: how many, and the first in words, so
// that 412 bad pointers make one line and not 412.
class FaultTally {
public:
    // describe() gives the fault in words; it runs for the first fault only, so that a table
    // of a million bad records costs no million strings.
    template <typename Describe>
    void add(Describe describe)
    {
        if (m_count++ == 0)
            m_first = describe();
    }
    std::size_t count() const { return m_count; }

    // "3 of 412 level-up lists do not end within 200 bytes (first: monster 5 at 0x118000)"
    void report(std::vector<std::string>& problems, std::size_t total, std::string_view what) const
    {
        if (m_count > 0)
            problems.push_back(std::to_string(m_count) + " of " + std::to_string(total) + " " + std::string(what) +
                               " (first: " + m_first + ")");
    }

private:
    std::size_t m_count = 0;
    std::string m_first;
};
