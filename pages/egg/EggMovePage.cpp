#include "pages/egg/EggMovePage.h"

#include "core/TableBuffer.h"
#include "pages/egg/EggMoveCodec.h"
#include "pages/egg/EggMoveTable.h"

CTamago_Skill::CTamago_Skill(PageContext& context)
    : CWindowBase(context, "CTamago_Skill"), m_words(egg_table::kWordSize)
{
}

void CTamago_Skill::Reset()
{
    m_words.reset();
    freeEntries();
    m_rawMode = false;
    m_currentLine = 0;
    m_currentMoveLine = 0;
}

void CTamago_Skill::LoadSettings(const std::string& section)
{
    m_words.load(context().gameSettings(section), "MonsterEggData", "MonsterEggDataNum");
    freeEntries();
    m_currentLine = 0;
    m_currentMoveLine = 0;
}

bool CTamago_Skill::DataRead(RomFile& file)
{
    if (!m_words.configured())
        return true;
    if (Result done = m_words.read(file); !done.ok())
        return failWith(done);
    // A second read must not stack a second set of entries on the first.
    freeEntries();
    if (!m_rawMode && !decodeEggMoves(m_words.records(), m_entries))
        return failWith(std::string(kNoTableText));
    return true;
}

bool CTamago_Skill::DataWrite(RomFile& file)
{
    if (!m_words.hasRecords())
        return true;
    if (!m_rawMode)
        encodeEggMoves(m_entries, m_words.records());
    if (Result done = m_words.write(file); !done.ok())
        return failWith(done);
    return true;
}

void CTamago_Skill::Release()
{
    m_words.release();
    freeEntries();
}

bool CTamago_Skill::setWord(std::size_t index, std::uint16_t value)
{
    if (index >= m_words.recordCount())
        return false;
    egg_table::setWord(m_words.records(), index, value);
    return true;
}

bool CTamago_Skill::setRawMode(bool raw)
{
    if (raw == m_rawMode)
        return true;
    if (raw) {
        encodeEggMoves(m_entries, m_words.records());
        freeEntries();
    } else {
        std::vector<Skill_Struct_Data> decoded;
        if (!decodeEggMoves(m_words.records(), decoded))
            return false;
        m_entries = std::move(decoded);
    }
    m_rawMode = raw;
    m_currentLine = 0;
    m_currentMoveLine = 0;
    return true;
}

void CTamago_Skill::setCurrentLine(std::size_t line)
{
    m_currentLine = line;
    m_currentMoveLine = 0;
}

void CTamago_Skill::freeEntries()
{
    m_entries.clear();
    m_entries.shrink_to_fit();
}
