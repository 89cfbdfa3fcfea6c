#include "core/PendingEdits.h"

#include "core/FolderFiles.h"
#include "core/TabSystem.h"

namespace {

// The cartridge address space: no ROM is larger, and no larger file is held in memory.
constexpr std::int64_t kLargestRom = 32 * 1024 * 1024;

// The whole file into bytes; false when it cannot be read, or is larger than any ROM.
bool readWholeRom(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    ResultOf<RomFile> file = RomFile::openForReading(path);
    const ResultOf<std::int64_t> size = file.ok() ? file->size() : file.failure();
    if (!size.ok() || *size > kLargestRom)
        return false;
    bytes.resize(static_cast<std::size_t>(*size));
    return file->readAt(0, bytes).ok();
}

} // namespace

bool CTabSystem::pendingEdits()
{
    if (!m_canSave)
        return false;
    if (!readWholeRom(m_romPath, m_romImage))
        return true;
    m_writtenImage = m_romImage;
    RomFile copy = RomFile::inMemory(m_writtenImage);
    // A page that fails here leaves its text; the failure belongs to no action of the user.
    const std::string errorText = m_errorText;
    bool written = true;
    for (auto& page : m_pages) {
        if (page && !page->DataWrite(copy)) {
            written = false;
            break;
        }
    }
    m_errorText = errorText;
    return !written || m_writtenImage != m_romImage;
}

std::string frameCaption(std::string_view program, const std::string& romPath, bool pending)
{
    std::string caption(program);
    if (romPath.empty())
        return caption;
    caption.append(" - ").append(splitPath(romPath).name);
    if (pending)
        caption.append(" *");
    return caption;
}

bool settlePendingEdits(CTabSystem& tabs, IShell& shell, WindowHandle owner, std::string_view caption)
{
    if (!tabs.pendingEdits())
        return true;
    switch (shell.messageBox(owner, kSavePendingEditsText, caption, MessageButtons::YesNoCancel,
                             MessageIcon::Question)) {
    case MessageAnswer::Yes:
        return tabs.RomWrite() == 1;
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}
