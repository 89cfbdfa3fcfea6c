#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The part of GetPrivateProfileStringA / WritePrivateProfileStringA that the program relies
// on, portable: sections and keys match case-insensitively, values are trimmed of blanks,
// and a value longer than the caller's buffer is cut to bufferSize - 1 characters.
std::string profileReadString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view fallback, std::size_t bufferSize);

// Writes key=value into the section, creating the file, the section or the key as needed.
// Returns false when the file cannot be written.
bool profileWriteString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);
