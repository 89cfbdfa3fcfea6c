#include "core/RecordTable.h"

#include "core/TableBuffer.h"

RecordTable::RecordTable(std::size_t recordSize) : m_recordSize(recordSize), m_records(&m_ownRecords)
{
}

RecordTable::RecordTable(std::size_t recordSize, std::vector<std::uint8_t>& sharedRecords)
    : m_recordSize(recordSize), m_records(&sharedRecords)
{
}

void RecordTable::load(const GameSettings& settings, std::string_view offsetKey, std::string_view countKey)
{
    m_offset = settings.offset(offsetKey);
    m_count = settings.count(countKey);
    release();
    if (configured())
        allocateTable(*m_records, m_count, m_recordSize);
}

void RecordTable::release()
{
    m_records->clear();
    m_records->shrink_to_fit();
}

void RecordTable::reset()
{
    release();
    m_offset = kNotConfigured;
    m_count = 0;
}

std::span<std::uint8_t> RecordTable::record(std::int64_t index)
{
    if (index < 0 || static_cast<std::uint64_t>(index) >= recordCount())
        return {};
    return records().subspan(static_cast<std::size_t>(index) * m_recordSize, m_recordSize);
}

std::span<const std::uint8_t> RecordTable::record(std::int64_t index) const
{
    if (index < 0 || static_cast<std::uint64_t>(index) >= recordCount())
        return {};
    return records().subspan(static_cast<std::size_t>(index) * m_recordSize, m_recordSize);
}

Result RecordTable::read(RomFile& file)
{
    if (!configured())
        return {};
    if (!hasRecords())
        return Result::failed(kNoTableText);
    return file.readAt(m_offset, records());
}

Result RecordTable::write(RomFile& file) const
{
    if (!configured() || !hasRecords())
        return {};
    return file.writeAt(m_offset, records());
}
