#include "pages/item/ItemPage.h"

#include "core/TableBuffer.h"
#include "pages/item/ItemRecord.h"

CItem_Edit::CItem_Edit(PageContext& context) : CWindowBase(context, "CItem_Edit")
{
}

void CItem_Edit::Reset()
{
    freeTable();
    m_tableOffset = kNotConfigured;
    m_configured = false;
    m_currentItem = 0;
}

void CItem_Edit::InitDialog(WindowHandle)
{
}

int CItem_Edit::DialogProc(std::uint32_t, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void CItem_Edit::LoadSettings(const std::string& section)
{
    GameSettings settings(context().settingsFile(), section);
    m_tableOffset = settings.offset("Item_Data");
    const std::int32_t count = settings.count("Item_DataNum");
    m_configured = m_tableOffset != kNotConfigured && count != 0;
    m_currentItem = 0;
    freeTable();
    SharedTables& tables = context().tables();
    if (m_configured && allocateTable(tables.items, count, item_record::kSize))
        tables.itemCount = count;
}

bool CItem_Edit::DataRead(RomFile& file)
{
    if (!m_configured)
        return true;
    std::vector<std::uint8_t>& items = context().tables().items;
    if (items.empty())
        return failWith(std::string(kNoTableText));
    if (!file.seek(m_tableOffset) || !file.read(items))
        return failWith(file);
    return true;
}

bool CItem_Edit::DataWrite(RomFile& file)
{
    const std::vector<std::uint8_t>& items = context().tables().items;
    if (!m_configured || items.empty())
        return true;
    if (!file.seek(m_tableOffset) || !file.write(items))
        return failWith(file);
    return true;
}

void CItem_Edit::Release()
{
    freeTable();
}

std::span<std::uint8_t> CItem_Edit::record(std::size_t item)
{
    SharedTables& tables = context().tables();
    if (item >= static_cast<std::size_t>(tables.itemCount))
        return {};
    return std::span<std::uint8_t>(tables.items).subspan(item * item_record::kSize, item_record::kSize);
}

// The count goes with the block, so that no page indexes a table that is gone.
void CItem_Edit::freeTable()
{
    SharedTables& tables = context().tables();
    tables.items.clear();
    tables.items.shrink_to_fit();
    tables.itemCount = 0;
}
