#pragma once

#include <cstdint>
#include <limits>
#include <span>

// What sets one page's use of the relocation dialog apart from another's.
struct RelocationParameters {
    // Null keeps the template's title and label.
    const char* title = nullptr;
    const char* countLabel = nullptr;
    // The count edit made kNarrowCountWidth pixels wide.
    bool narrowCountEdit = false;
    // The data type row shows only with names; data types 0 to maximumDataType are accepted.
    std::span<const char* const> dataTypeNames = {};
    int maximumDataType = 0;
    std::int32_t minimumCount = 1;
    std::int32_t maximumCount = std::numeric_limits<std::int32_t>::max();
    const char* badCountText = "";
    // Bytes of 0xFF the search asks for; count is within the accepted range.
    std::int64_t (*bytesNeeded)(std::int64_t count, int dataType) = nullptr;
    const char* defaultMaximum = "10";
    // The dialog closes after "設定" also when it refused or the write-out failed.
    bool closesAfterEveryStore = false;
    // The status line after a move that copied no old entry; null for "保存しました。".
    const char* uncopiedAreaText = nullptr;
    // The write-out's names in failure messages: the new area (and the open), the pointer.
    const char* areaOperation = "";
    const char* pointerOperation = "";
    // Message boxes (caption "Error") after a failed open, area or pointer write; null for
    // none, the status line alone telling the user.
    const char* openFailedText = nullptr;
    const char* areaFailedText = nullptr;
    const char* pointerFailedText = nullptr;
};

extern const RelocationParameters kMonsterRelocation;
extern const RelocationParameters kTypeChartRelocation;
extern const RelocationParameters kTrainerRelocation;
