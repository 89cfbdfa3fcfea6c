#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>

// How an operation that can fail ended: done, or failed with the text that says why (the
// system's text or the program's own message), ready for the status line. The one shape in
// which failures travel through the program; the page interface's int results stay at its edge.
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

// A value, or the failure that stands in its place.
//
//     ResultOf<RomFile> file = RomFile::openForReading(path);
//     if (!file.ok())
//         return file.failure();
//     file->readAt(offset, bytes);
template <typename T>
class [[nodiscard]] ResultOf {
public:
    ResultOf(T value) : m_value(std::move(value)) {}
    // From a failed Result only.
    ResultOf(Result failure) : m_failure(std::move(failure)) { assert(!m_failure.ok()); }

    bool ok() const { return m_value.has_value(); }
    const std::string& errorText() const { return m_failure.errorText(); }
    const Result& failure() const { return m_failure; }

    T& operator*() { return *m_value; }
    const T& operator*() const { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }

private:
    std::optional<T> m_value;
    Result m_failure;
};
