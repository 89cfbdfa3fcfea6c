#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// No table can be larger than the largest cartridge (32 MiB); a count from Setting.ini that
// asks for more is treated like a failed allocation instead of exhausting memory.
inline constexpr std::size_t kLargestTableBytes = 32u * 1024 * 1024;

// Sizes the buffer to count records of recordSize bytes, zero-filled. Returns false (and
// leaves the buffer empty) when the count is not positive, the size is out of reach or the
// allocation fails.
bool allocateTable(std::vector<std::uint8_t>& table, std::int64_t count, std::size_t recordSize);

// The text a page reports when it has no table to read.
inline constexpr const char* kNoTableText = "設定を読み込めていないか、メモリ確保に失敗しました。";
