#pragma once

#include "core/WindowBase.h"
#include "pages/text/TextDocumentRecord.h"

#include <cstdint>
#include <vector>

// The text editor: document windows that read and write single texts at the moment of a
// command, so the page holds no ROM table and its session slots do nothing.
class CTamblorText : public CWindowBase {
public:
    explicit CTamblorText(PageContext& context);

    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    int DialogId() override { return 0; }

    std::int32_t documentCounter() const { return m_documentCounter; }
    const std::vector<HWND_DATA>& documents() const { return m_documents; }

private:
    // Grows by one before each new document and never goes back, so numbers are not reused.
    std::int32_t m_documentCounter = 0;
    // In creation order; documents outlive tab changes and ROM loads.
    std::vector<HWND_DATA> m_documents;
};
