#pragma once

#include "core/GameSettings.h"
#include "core/RomFile.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A table of fixed-size records at an offset that Setting.ini gives, with a record count from
// a second key: the item, trade, egg move and trainer class tables. The records live in the
// table itself, or in a vector of the session's shared tables that other pages read.
class RecordTable {
public:
    explicit RecordTable(std::size_t recordSize);
    RecordTable(std::size_t recordSize, std::vector<std::uint8_t>& sharedRecords);
    RecordTable(const RecordTable&) = delete;
    RecordTable& operator=(const RecordTable&) = delete;

    // For LoadSettings: the offset (missing: kNotConfigured) and the count (missing or not
    // positive: 0). The records of an earlier ROM are freed; a configured table gets count
    // zeroed records, or none when they cannot be allocated (read() then reports it).
    void load(const GameSettings& settings, std::string_view offsetKey, std::string_view countKey);
    // Frees the records; offset and count stay.
    void release();
    // Frees the records and forgets offset and count.
    void reset();

    std::int32_t offset() const { return m_offset; }
    std::int32_t count() const { return m_count; }
    // The offset and a positive count were given, whether or not the records could be allocated.
    bool configured() const { return m_offset != kNotConfigured && m_count > 0; }
    bool hasRecords() const { return !m_records->empty(); }
    std::size_t recordCount() const { return m_records->size() / m_recordSize; }
    std::size_t recordSize() const { return m_recordSize; }
    std::span<std::uint8_t> records() { return *m_records; }
    std::span<const std::uint8_t> records() const { return *m_records; }
    // One record; empty for a negative index (a list without a selection) or one past the end.
    std::span<std::uint8_t> record(std::int64_t index);
    std::span<const std::uint8_t> record(std::int64_t index) const;

    // For DataRead and DataWrite, whose failWith takes the failure. A table that is not
    // configured is neither read nor written; a configured one without records fails to read
    // with kNoTableText and writes nothing.
    Result read(RomFile& file);
    Result write(RomFile& file) const;

private:
    std::size_t m_recordSize;
    std::vector<std::uint8_t> m_ownRecords;
    std::vector<std::uint8_t>* m_records;
    std::int32_t m_offset = kNotConfigured;
    std::int32_t m_count = 0;
};
