#include "core/TabSystem.h"

#include "core/FolderFiles.h"
#include "core/GameFamily.h"
#include "core/GameSettings.h"
#include "core/Profile.h"
#include "core/ReadMessages.h"

#include <algorithm>
#include <array>

namespace {
constexpr const char* kNothingToSaveText = "ROMを読み込んでいないので保存できません。";

// The four bytes at 0xAC of a file long enough for a cartridge header, and the file's size;
// otherwise the status line says why there is no game code.
ResultOf<std::int64_t> readGameCode(RomFile& file, std::span<std::uint8_t, kGameCodeLength> code)
{
    const Result codeRead = file.readAt(kGameCodeOffset, code);
    const ResultOf<std::int64_t> size = file.size();
    if (!size.ok())
        return size;
    // Where even the game code could not be read, the system's text for that follows.
    if (*size < kCartridgeHeaderSize)
        return Result::failed(tooShortForRomText(*size) + (codeRead.ok() ? "" : codeRead.errorText()));
    if (!codeRead.ok())
        return codeRead;
    return size;
}
} // namespace

void CTabSystem::setStatusLine(IStatusLine* status)
{
    m_noticeLine.setTarget(status);
    m_status = status ? &m_noticeLine : nullptr;
}

int CTabSystem::AddPage(std::unique_ptr<CWindowBase> page, std::string caption)
{
    if (!page)
        return -1;
    page->setTabControl(m_tabControl);
    page->Reset();
    int result = -1;
    if (m_tabControl && m_pageHost)
        result = m_pageHost->addTab(m_tabControl, caption);
    m_pages.push_back(std::move(page));
    m_captions.push_back(std::move(caption));
    return result;
}

CWindowBase* CTabSystem::currentPage() const
{
    return m_currentPage < m_pages.size() ? m_pages[m_currentPage].get() : nullptr;
}

bool CTabSystem::setCurrentPageIndex(std::size_t index)
{
    if (index >= m_pages.size() || index == m_currentPage)
        return false;
    m_currentPage = index;
    return true;
}

int CTabSystem::forwardToCurrentPage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
{
    CWindowBase* page = currentPage();
    return page ? page->DialogProc(message, wParam, lParam) : 0;
}

void CTabSystem::setSaveEnabled(bool enabled)
{
    m_canSave = enabled;
    if (m_onSaveEnabled)
        m_onSaveEnabled(enabled);
}

int CTabSystem::openRom(std::string path)
{
    if (m_loaded)
        ReleaseAll();
    m_romPath = std::move(path);
    return ReadAll();
}

int CTabSystem::ReadAll()
{
    m_errorText.clear();
    m_backup.startOpening(m_romPath, settingsFile());
    ResultOf<RomFile> file = RomFile::openForReading(m_romPath);
    if (!file.ok()) {
        statusShow(m_status, file.errorText());
        return kReadNoFile;
    }
    std::array<std::uint8_t, kGameCodeLength> code{};
    const ResultOf<std::int64_t> fileSize = readGameCode(*file, code);
    if (!fileSize.ok()) {
        statusShow(m_status, fileSize.errorText());
        return kReadNoFile;
    }
    const std::string gameCode = gameCodeText(code);
    // Every page's keys come from one reading of Setting.ini.
    m_settings = std::make_shared<const ProfileFile>(ProfileFile::load(settingsFile()));
    // Said before the read's own last message: why the pages found no tables.
    std::string advice;
    if (!m_settings->hasSection(gameCode)) {
        // A section named by odd bytes still lets the file be read as the user configured it.
        if (!looksLikeGameCode(code)) {
            m_settings.reset();
            statusShow(m_status, noGameCodeText(*fileSize));
            return kReadNoFile;
        }
        advice = fileExists(settingsFile()) ? missingSectionText(gameCode, settingsFile())
                                            : missingSettingsText(settingsFile());
    }
    m_gameCode = gameCode;

    const int pageCount = static_cast<int>(std::max<std::size_t>(m_pages.size(), 1));
    const int step = (100 / pageCount) / 3;
    int progress = 0;
    statusProgress(m_status, 0);
    for (auto& page : m_pages) {
        if (!page)
            continue;
        page->LoadSettings(m_gameCode);
        progress += step;
        statusProgress(m_status, progress);
    }
    m_settings.reset();
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        CWindowBase* page = m_pages[i].get();
        if (!page)
            continue;
        if (!page->DataRead(*file)) {
            file->close();
            forgetPagesFrom(i);
            statusPrint(m_status, "%s%s::DataRead を実行中にエラーが発生しました。%s", advice.c_str(),
                        page->className(), m_errorText.c_str());
            m_loaded = true;
            setSaveEnabled(false);
            return kReadFailed;
        }
        progress += step;
        statusProgress(m_status, progress);
    }
    file->close();

    if (CWindowBase* page = currentPage())
        page->InitDialog(nullptr);
    progress += step;
    statusProgress(m_status, progress);

    m_loaded = true;
    statusProgress(m_status, 100);
    setSaveEnabled(true);
    statusShow(m_status, advice + "読み込み完了。");
    return kReadDone;
}

int CTabSystem::RomWrite()
{
    m_errorText.clear();
    // Pages that were never read hold zeros; writing them would wipe the ROM's tables.
    if (!m_canSave) {
        setErrorText(kNothingToSaveText);
        statusPrint(m_status, "%s::RomWrite を実行中にエラーが発生しました。%s", "CTabSystem", m_errorText.c_str());
        return 0;
    }
    ResultOf<RomFile> file = openRomForSaving();
    if (!file.ok()) {
        setErrorText(file.errorText());
        statusPrint(m_status, "%s::RomWrite を実行中にエラーが発生しました。%s", "CTabSystem", m_errorText.c_str());
        return 0;
    }
    const int step = 100 / static_cast<int>(std::max<std::size_t>(m_pages.size(), 1));
    int progress = 0;
    statusProgress(m_status, 0);
    for (auto& page : m_pages) {
        if (!page)
            continue;
        if (!page->DataWrite(*file)) {
            file->close();
            statusPrint(m_status, "%s::DataWrite を実行中にエラーが発生しました。%s", page->className(),
                        m_errorText.c_str());
            return 0;
        }
        progress += step;
        statusProgress(m_status, progress);
    }
    statusProgress(m_status, 100);
    file->close();
    statusShow(m_status, "保存しました。");
    return 1;
}

// The failed page and those after it hold tables that were never read from this ROM: they go
// back to their state before any ROM, so that they show nothing and write nothing. The
// current page shows what it holds now.
void CTabSystem::forgetPagesFrom(std::size_t first)
{
    for (std::size_t i = first; i < m_pages.size(); ++i) {
        if (CWindowBase* page = m_pages[i].get()) {
            page->Release();
            page->Reset();
        }
    }
    if (CWindowBase* page = currentPage())
        page->InitDialog(nullptr);
}

void CTabSystem::ReleaseAll()
{
    for (auto& page : m_pages) {
        if (page)
            page->Release();
    }
    m_loaded = false;
    setSaveEnabled(false);
    m_fileWindow = {};
    m_writtenImage = {};
}

void CTabSystem::releaseAndFreePages()
{
    for (auto& page : m_pages) {
        if (page)
            page->Release();
    }
    m_pages.clear();
    m_captions.clear();
    m_currentPage = 0;
    m_loaded = false;
    m_canSave = false;
}
