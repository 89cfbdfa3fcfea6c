#include "core/PendingEdits.h"

#include "core/FolderFiles.h"
#include "core/TabSystem.h"
#include "core/TableBuffer.h"

#include <algorithm>

namespace {

// Written stretches closer than this are read from the file in one piece.
constexpr std::int64_t kReadGap = 64 * 1024;

using Stretch = RomFile::Stretch;

// The bytes the stretches cover, each once, in address order.
std::vector<Stretch> unionOf(std::vector<Stretch> stretches)
{
    std::sort(stretches.begin(), stretches.end(), [](const Stretch& a, const Stretch& b) { return a.start < b.start; });
    std::vector<Stretch> merged;
    for (const Stretch& stretch : stretches) {
        if (!merged.empty() && stretch.start <= merged.back().end)
            merged.back().end = std::max(merged.back().end, stretch.end);
        else
            merged.push_back(stretch);
    }
    return merged;
}

// Whether the file holds other bytes than written where the stretches lie; a read that fails
// counts as a difference. Nearby stretches share one read.
bool differsFromFile(RomFile& file, std::span<const std::uint8_t> written, const std::vector<Stretch>& stretches,
                     std::vector<std::uint8_t>& window)
{
    const std::vector<Stretch> covered = unionOf(stretches);
    for (std::size_t first = 0; first < covered.size();) {
        std::size_t last = first;
        while (last + 1 < covered.size() && covered[last + 1].start - covered[last].end <= kReadGap)
            ++last;
        const std::int64_t start = covered[first].start;
        window.resize(static_cast<std::size_t>(covered[last].end - start));
        if (!file.readAt(start, window).ok())
            return true;
        for (std::size_t i = first; i <= last; ++i) {
            const auto from = static_cast<std::size_t>(covered[i].start);
            const auto length = static_cast<std::size_t>(covered[i].end - covered[i].start);
            if (!std::equal(written.begin() + from, written.begin() + from + length,
                            window.begin() + (from - static_cast<std::size_t>(start))))
                return true;
        }
        first = last + 1;
    }
    return false;
}

} // namespace

// The pages write into a buffer of the file's size; only what they wrote is compared with the
// file, so a check costs the size of the tables, not of the ROM.
bool CTabSystem::pendingEdits()
{
    if (!m_canSave)
        return false;
    ResultOf<RomFile> file = RomFile::openForReading(m_romPath);
    const ResultOf<std::int64_t> size = file.ok() ? file->size() : file.failure();
    // No ROM is larger than the largest cartridge, and no larger file is held in memory.
    if (!size.ok() || static_cast<std::uint64_t>(*size) > kLargestTableBytes)
        return true;
    m_writtenImage.resize(static_cast<std::size_t>(*size));
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
    return !written || differsFromFile(*file, m_writtenImage, copy.writtenStretches(), m_fileWindow);
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
