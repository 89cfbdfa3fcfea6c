#include "core/relocation/RelocationDialogHandler.h"

#include "core/NumberParsing.h"
#include "core/TableBuffer.h"
#include "core/relocation/RelocationDialog.h"
#include "core/ui/StatusLine.h"
#include "core/ui/WindowMessages.h"

#include <string>
#include <utility>

using namespace relocation_dialog;

namespace {
constexpr std::int32_t kFallbackMaximum = 10;
} // namespace

RelocationDialogHandler::RelocationDialogHandler(PageContext& context, const char* className,
                                                 const RelocationParameters& parameters, Start start,
                                                 IRelocationPage& page)
    : m_context(context), m_className(className), m_parameters(parameters), m_start(std::move(start)), m_page(page)
{
}

int RelocationDialogHandler::run(WindowHandle owner)
{
    IShell* shell = m_context.shell();
    return shell ? shell->runModalDialog(owner, kTemplateId, *this) : -1;
}

void RelocationDialogHandler::windowCreated(WindowHandle window, IDialogControls& controls)
{
    m_window = window;
    m_controls = &controls;
    m_pendingCount = 0;
    m_pendingDataType = 0;
    start();
}

void RelocationDialogHandler::windowDestroyed()
{
    m_window = nullptr;
    m_controls = nullptr;
}

int RelocationDialogHandler::windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    if (message != window_message::kCommand || !m_controls ||
        window_message::notifyCode(wParam) != window_message::kButtonClicked)
        return 0;
    switch (window_message::commandId(wParam)) {
    case kSearch:
        search();
        return 1;
    case kStore:
        store();
        return 1;
    case kCancel:
        m_controls->endDialog(kCancel);
        return 1;
    default:
        return 0;
    }
}

void RelocationDialogHandler::start()
{
    IDialogControls& controls = *m_controls;
    if (m_parameters.title)
        controls.setCaption(m_parameters.title);
    if (m_parameters.countLabel)
        controls.setText(kCountLabel, m_parameters.countLabel);

    const bool dataTypeShown = !m_parameters.dataTypeNames.empty();
    controls.setVisible(kDataTypeLabel, dataTypeShown);
    controls.setVisible(kDataType, dataTypeShown);
    if (dataTypeShown) {
        controls.clearItems(kDataType);
        for (const char* name : m_parameters.dataTypeNames)
            controls.addItem(kDataType, name);
        controls.setSelection(kDataType, m_start.dataType);
    }

    controls.setText(kCount, m_start.count);
    if (m_parameters.narrowCountEdit) {
        ControlRect rect = controls.controlRect(kCount);
        rect.width = kNarrowCountWidth;
        controls.moveControl(kCount, rect);
    }
    controls.setText(kMaximum, m_parameters.defaultMaximum);

    const SearchDomain domain = defaultSearchDomain(m_context.gameCode());
    controls.setText(kRangeStart, domain.start);
    controls.setText(kRangeEnd, domain.end);
    controls.setEnabled(kStore, false);
}

bool RelocationDialogHandler::acceptsCount(std::int64_t count) const
{
    return count >= m_parameters.minimumCount && count <= m_parameters.maximumCount;
}

bool RelocationDialogHandler::acceptsDataType(int dataType) const
{
    return m_parameters.dataTypeNames.empty() || (dataType >= 0 && dataType <= m_parameters.maximumDataType);
}

void RelocationDialogHandler::search()
{
    IDialogControls& controls = *m_controls;
    controls.setEnabled(kStore, false);

    const std::int64_t start = parseHex(controls.text(kRangeStart, kInputLength));
    const std::int64_t end = parseHex(controls.text(kRangeEnd, kInputLength));
    if (start >= end) {
        message("offsetがおかしいです。", "error");
        return;
    }
    const int dataType = m_parameters.dataTypeNames.empty() ? 0 : controls.selection(kDataType);
    if (!acceptsDataType(dataType)) {
        message("でーたタイプがおかしいです。", "error");
        return;
    }
    // A count whose table cannot lie inside any cartridge would ask for gigabytes once a
    // candidate were found.
    const std::int32_t count = parseDecimal(controls.text(kCount, kInputLength));
    const std::int64_t bytes = acceptsCount(count) ? m_parameters.bytesNeeded(count, dataType) : 0;
    if (bytes <= 0 || bytes > static_cast<std::int64_t>(kLargestTableBytes)) {
        message(m_parameters.badCountText, "error");
        return;
    }
    m_pendingCount = count;
    m_pendingDataType = dataType;

    std::int32_t maximum = parseDecimal(controls.text(kMaximum, kInputLength));
    if (maximum <= 0) {
        maximum = kFallbackMaximum;
        controls.setText(kMaximum, std::to_string(kFallbackMaximum));
    }

    controls.clearItems(kCandidates);
    // A range smaller than the table holds no candidate.
    if (bytes > end - start || !GbaRom_Search_Data({start, end, bytes, controls.isChecked(kStopAtFirst), maximum})) {
        message("検索できませんでした。", "error");
        return;
    }
    controls.setSelection(kCandidates, 0);
    controls.setEnabled(kStore, true);
}

bool RelocationDialogHandler::GbaRom_Search_Data(const FreeSpaceRequest& request)
{
    constexpr const char* kFailure = "%s::GbaRom_Search_Data を実行中にエラーが発生しました。%s";
    ResultOf<RomFile> file = RomFile::openForReading(m_context.romPath());
    if (!file.ok()) {
        statusPrint(m_context.statusLine(), kFailure, m_className, file.errorText().c_str());
        return false;
    }
    const FreeSpaceResult found = searchFreeSpace(*file, request);
    for (std::uint32_t candidate : found.candidates)
        m_controls->addItem(kCandidates, formatCandidate(candidate));
    if (!found.status.ok()) {
        statusPrint(m_context.statusLine(), kFailure, m_className, found.status.errorText().c_str());
        return false;
    }
    statusShow(m_context.statusLine(), "検索しました。");
    return true;
}

void RelocationDialogHandler::store()
{
    IDialogControls& controls = *m_controls;
    // Enter can still press the default button while a search has not succeeded.
    if (!controls.isEnabled(kStore))
        return;
    const int line = controls.selection(kCandidates);
    if (line == IDialogControls::kNoItem) {
        refuse("指定してください。", "error");
        return;
    }
    const std::uint32_t address = parseHex(controls.itemText(kCandidates, line));
    if (address == 0) {
        refuse("ありゃりゃ？", "?");
        return;
    }
    if (!acceptsCount(m_pendingCount) || !acceptsDataType(m_pendingDataType)) {
        refuse("まじで！？", "？？？");
        return;
    }

    const RelocationChoice choice{address, m_pendingCount, m_pendingDataType, controls.isChecked(kCopyOld)};
    if (const char* reason = m_page.refusal(choice)) {
        refuse(reason, "Error");
        return;
    }
    const WriteOutResult result = writeRelocatedTable(m_context.openRomForWriting(), m_page, choice);
    if (!result.status.ok()) {
        const bool pointer = result.step == WriteOutResult::Step::Pointer;
        statusPrint(m_context.statusLine(), "%s::%s を実行中にエラーが発生しました。%s", m_className,
                    pointer ? m_parameters.pointerOperation : m_parameters.areaOperation,
                    result.status.errorText().c_str());
        const char* box = pointer                                ? m_parameters.pointerFailedText
                          : result.step == WriteOutResult::Step::Open ? m_parameters.openFailedText
                                                                      : m_parameters.areaFailedText;
        if (box)
            message(box, "Error");
        // The pointer is written last, so nothing leads to a failed area: the candidates stay
        // for the user to pick another.
        if (m_parameters.closesAfterEveryStore)
            controls.endDialog(kCancel);
        return;
    }
    const bool areaOnly = !choice.copyOldEntries && m_parameters.uncopiedAreaText;
    statusShow(m_context.statusLine(), areaOnly ? m_parameters.uncopiedAreaText : "保存しました。");
    m_page.relocated(choice);
    controls.endDialog(kStore);
}

void RelocationDialogHandler::message(const char* text, const char* caption)
{
    if (IShell* shell = m_context.shell())
        shell->messageBox(m_window, text, caption, MessageButtons::Ok, MessageIcon::Error);
}

void RelocationDialogHandler::refuse(const char* text, const char* caption)
{
    message(text, caption);
    if (m_parameters.closesAfterEveryStore)
        m_controls->endDialog(kCancel);
}
