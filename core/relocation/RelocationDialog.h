// The relocation dialog's template (RelocationDialog.rc) and its control ids, read by the
// resource compiler and by the code.
#pragma once

#define IDD_RELOCATION 133
#define IDC_RELOCATION_COUNT_LABEL 1126
#define IDC_RELOCATION_COUNT 1044
#define IDC_RELOCATION_DATA_TYPE_LABEL 1127
#define IDC_RELOCATION_DATA_TYPE 1045
#define IDC_RELOCATION_STOP_AT_FIRST 1046
#define IDC_RELOCATION_RANGE_START 1047
#define IDC_RELOCATION_RANGE_END 1048
#define IDC_RELOCATION_CANDIDATES 1049
#define IDC_RELOCATION_COPY_OLD 1050
#define IDC_RELOCATION_SEARCH 1051
#define IDC_RELOCATION_MAXIMUM 1052

#ifndef RC_INVOKED
#include <cstddef>

namespace relocation_dialog {
inline constexpr int kTemplateId = IDD_RELOCATION;

inline constexpr int kCountLabel = IDC_RELOCATION_COUNT_LABEL;
inline constexpr int kCount = IDC_RELOCATION_COUNT;
inline constexpr int kDataTypeLabel = IDC_RELOCATION_DATA_TYPE_LABEL;
inline constexpr int kDataType = IDC_RELOCATION_DATA_TYPE;
inline constexpr int kStopAtFirst = IDC_RELOCATION_STOP_AT_FIRST;
inline constexpr int kRangeStart = IDC_RELOCATION_RANGE_START;
inline constexpr int kRangeEnd = IDC_RELOCATION_RANGE_END;
inline constexpr int kCandidates = IDC_RELOCATION_CANDIDATES;
inline constexpr int kCopyOld = IDC_RELOCATION_COPY_OLD;
inline constexpr int kSearch = IDC_RELOCATION_SEARCH;
inline constexpr int kMaximum = IDC_RELOCATION_MAXIMUM;
inline constexpr int kStore = 1;  // IDOK, "設定"
inline constexpr int kCancel = 2; // IDCANCEL

// The range ends are read with a buffer of 15 characters; the numbers likewise.
inline constexpr std::size_t kInputLength = 14;
// The count edit's width once a page narrows it, in pixels.
inline constexpr int kNarrowCountWidth = 50;
} // namespace relocation_dialog
#endif
