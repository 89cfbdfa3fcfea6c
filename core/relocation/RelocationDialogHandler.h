#pragma once

#include "core/FreeSpaceSearch.h"
#include "core/PageContext.h"
#include "core/relocation/RelocationParameters.h"
#include "core/relocation/RelocationWriteOut.h"
#include "core/ui/WindowHandler.h"

#include <cstdint>
#include <string>

// The relocation dialog (template 133) for one page: searches free space for the new count
// of entries and moves the page's table to the candidate the user picks.
class RelocationDialogHandler final : public IWindowHandler {
public:
    // What the dialog shows when it opens.
    struct Start {
        std::string count;
        int dataType = 0;
    };

    // className names the page in failure messages ("CTamblor_Compatibility").
    RelocationDialogHandler(PageContext& context, const char* className, const RelocationParameters& parameters,
                            Start start, IRelocationPage& page);

    // Shows the dialog modally over owner: IDOK after a relocation, IDCANCEL when nothing was
    // moved, -1 when there is no dialog to show.
    int run(WindowHandle owner);

    void windowCreated(WindowHandle window, IDialogControls& controls) override;
    int windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void windowDestroyed() override;

    // Fills the candidate list from a scan of the ROM; false (with the status line told why)
    // when the file cannot be opened or read to the end of the range.
    bool GbaRom_Search_Data(const FreeSpaceRequest& request);

private:
    void start();
    void search();
    void store();
    void message(const char* text, const char* caption);
    // A refused "設定": the message, and the end of the dialog where the page wants that.
    void refuse(const char* text, const char* caption);
    bool acceptsCount(std::int64_t count) const;
    bool acceptsDataType(int dataType) const;

    PageContext& m_context;
    const char* m_className;
    const RelocationParameters& m_parameters;
    Start m_start;
    IRelocationPage& m_page;
    WindowHandle m_window = nullptr;
    IDialogControls* m_controls = nullptr;
    // What the last search that reached the scan was for; "設定" moves that many entries.
    std::int32_t m_pendingCount = 0;
    int m_pendingDataType = 0;
};
