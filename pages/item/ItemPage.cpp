#include "pages/item/ItemPage.h"

#include "pages/item/ItemRecord.h"

CItem_Edit::CItem_Edit(PageContext& context)
    : CWindowBase(context, "CItem_Edit"), m_items(item_record::kSize, context.tables().items)
{
}

void CItem_Edit::Reset()
{
    m_items.reset();
    context().tables().itemCount = 0;
    m_currentItem = 0;
}

void CItem_Edit::LoadSettings(const std::string& section)
{
    m_items.load(context().gameSettings(section), "Item_Data", "Item_DataNum");
    // The count goes with the block, so that no page indexes a table that is not there.
    context().tables().itemCount = m_items.hasRecords() ? m_items.count() : 0;
    m_currentItem = 0;
}

bool CItem_Edit::DataRead(RomFile& file)
{
    if (Result done = m_items.read(file); !done.ok())
        return failWith(done);
    return true;
}

bool CItem_Edit::DataWrite(RomFile& file)
{
    if (Result done = m_items.write(file); !done.ok())
        return failWith(done);
    return true;
}

void CItem_Edit::Release()
{
    m_items.release();
    context().tables().itemCount = 0;
}

std::span<std::uint8_t> CItem_Edit::record(std::size_t item)
{
    return m_items.record(static_cast<std::int64_t>(item));
}
