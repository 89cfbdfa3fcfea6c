#include "pages/egg/EggMovePage.h"

#include "core/TableBuffer.h"
#include "pages/egg/EggMoveCodec.h"
#include "pages/egg/EggMoveTable.h"

CTamago_Skill::CTamago_Skill(PageContext& context) : CWindowBase(context, "CTamago_Skill")
{
}

void CTamago_Skill::Reset()
{
    freeTable();
    freeEntries();
    m_rawMode = false;
    m_tableOffset = kNotConfigured;
    m_wordCount = 0;
    m_currentLine = 0;
    m_currentMoveLine = 0;
}

void CTamago_Skill::InitDialog(WindowHandle)
{
}

int CTamago_Skill::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void CTamago_Skill::LoadSettings(const std::string& section)
{
    GameSettings settings(context().settingsFile(), section);
    m_tableOffset = settings.offset("MonsterEggData");
    m_wordCount = settings.count("MonsterEggDataNum");
    freeTable();
    if (configured())
        allocateTable(m_table, m_wordCount, egg_table::kWordSize);
    freeEntries();
    m_currentLine = 0;
    m_currentMoveLine = 0;
}

bool CTamago_Skill::DataRead(RomFile& file)
{
    if (!configured())
        return true;
    if (m_table.empty())
        return failWith(std::string(kNoTableText));
    if (!file.seek(m_tableOffset) || !file.read(m_table))
        return failWith(file);
    // A second read must not stack a second set of entries on the first.
    freeEntries();
    if (!m_rawMode && !decodeEggMoves(m_table, m_entries))
        return failWith(std::string(kNoTableText));
    return true;
}

bool CTamago_Skill::DataWrite(RomFile& file)
{
    if (m_table.empty())
        return true;
    if (!m_rawMode)
        encodeEggMoves(m_entries, m_table);
    if (!file.seek(m_tableOffset) || !file.write(m_table))
        return failWith(file);
    return true;
}

void CTamago_Skill::Release()
{
    freeTable();
    freeEntries();
}

bool CTamago_Skill::setWord(std::size_t index, std::uint16_t value)
{
    if (index >= egg_table::wordCount(m_table))
        return false;
    egg_table::setWord(m_table, index, value);
    return true;
}

bool CTamago_Skill::setRawMode(bool raw)
{
    if (raw == m_rawMode)
        return true;
    if (raw) {
        encodeEggMoves(m_entries, m_table);
        freeEntries();
    } else {
        std::vector<Skill_Struct_Data> decoded;
        if (!decodeEggMoves(m_table, decoded))
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

void CTamago_Skill::freeTable()
{
    m_table.clear();
    m_table.shrink_to_fit();
}

void CTamago_Skill::freeEntries()
{
    m_entries.clear();
    m_entries.shrink_to_fit();
}
