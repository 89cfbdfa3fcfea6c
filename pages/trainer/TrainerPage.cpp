#include "pages/trainer/TrainerPage.h"

#include "core/TableBuffer.h"

CTrainer_Edit::CTrainer_Edit(PageContext& context) : CWindowBase(context, "CTrainer_Edit")
{
}

void CTrainer_Edit::Reset()
{
    m_table.clear();
    m_table.shrink_to_fit();
    m_tableOffset = kNotConfigured;
    m_trainerCount = kNotConfigured;
    m_highestPicture = kNotConfigured;
    m_currentTrainer = 0;
    m_pictures = PictureState{};
    m_trainerImage.reset();
    m_monsterImage.reset();
    m_partyRead = false;
}

void CTrainer_Edit::LoadSettings(const std::string& section)
{
    const GameSettings settings = context().gameSettings(section);
    m_tableOffset = settings.offset("TrainerData");
    std::int32_t count = settings.count("TrainerDataNum");
    m_trainerCount = count > 0 ? count : kNotConfigured;
    m_highestPicture = settings.offset("Trainer_Pic_Num");
    m_table.clear();
    if (m_tableOffset != kNotConfigured && m_trainerCount != kNotConfigured &&
        !allocateTable(m_table, m_trainerCount, trainer_record::kSize))
        m_trainerCount = kNotConfigured;
    m_family = gameFamilyOf(section);
    m_currentTrainer = 0;
}

bool CTrainer_Edit::DataRead(RomFile& file)
{
    if (m_table.empty())
        return failWith(std::string(kNoTableText));
    if (Result read = file.readAt(m_tableOffset, m_table); !read.ok())
        return failWith(read);
    return true;
}

bool CTrainer_Edit::DataWrite(RomFile& file)
{
    if (Result written = writeTable(file); !written.ok())
        return failWith(written);
    return true;
}

Result CTrainer_Edit::writeTable(RomFile& file) const
{
    if (m_table.empty())
        return {};
    return file.writeAt(m_tableOffset, m_table);
}

void CTrainer_Edit::Release()
{
    m_table.clear();
    m_table.shrink_to_fit();
    m_partyRead = false;
}

std::span<std::uint8_t, trainer_record::kSize> CTrainer_Edit::record(std::size_t index)
{
    return std::span<std::uint8_t, trainer_record::kSize>(m_table.data() + index * trainer_record::kSize,
                                                          trainer_record::kSize);
}

int CTrainer_Edit::GbaRom_Tamblor_Data_Load(std::uint32_t partyOffset, std::uint8_t partyCount, std::size_t trainer)
{
    if (trainer >= recordCount()) {
        m_partyErrorText = kNoTableText;
        m_partyRead = false;
        return kPartyTransferFailed;
    }
    PartyTransfer transfer =
        readParty(context().romPath(), partyOffset, partyCount, trainer_record::dataType(record(trainer)), m_party);
    m_partyErrorText = transfer.status.errorText();
    m_partyRead = transfer.status.ok();
    return transfer.code();
}

int CTrainer_Edit::GbaRom_Tamblor_Data_Save(std::uint32_t partyOffset, std::uint8_t partyCount, std::size_t trainer)
{
    if (trainer >= recordCount()) {
        m_partyErrorText = kNoTableText;
        return kPartyTransferFailed;
    }
    PartyTransfer transfer = writeParty(context().openRomForWriting(), partyOffset, partyCount,
                                        trainer_record::dataType(record(trainer)), m_party);
    m_partyErrorText = transfer.status.errorText();
    return transfer.code();
}
