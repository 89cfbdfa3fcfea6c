#pragma once

#include <string>
#include <utility>

// How an operation that can fail ended: done, or failed with the text that says why (the
// system's text or the program's own message), ready for the status line.
class [[nodiscard]] Result {
public:
    Result() = default;
    static Result failed(std::string text)
    {
        Result result;
        result.m_failed = true;
        result.m_errorText = std::move(text);
        return result;
    }

    bool ok() const { return !m_failed; }
    // Empty when done.
    const std::string& errorText() const { return m_errorText; }

private:
    bool m_failed = false;
    std::string m_errorText;
};
