#pragma once

#include "tools/check_settings/ContentChecks.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// One table that a page reads at an offset from Setting.ini: its keys, how many records of
// what size it takes, and which check its content gets.
struct TableSpec {
    std::string_view key{};
    // For the report: "the move table".
    std::string_view what{};
    // The key that gives the number of records; empty for tables of a fixed count.
    std::string_view countKey{};
    std::size_t fixedCount = 0;
    std::size_t recordSize = 0;
    // Bytes of the last record that the page neither reads nor writes.
    std::size_t lastRecordUnread = 0;
    ContentCheck check = nullptr;
    // What it means for the user that the table is not configured, when more than that the
    // table is neither read nor written.
    std::string_view unconfigured{};
};

// Every table the pages read, in tab order.
std::span<const TableSpec> configuredTables();

// The image page's write-out areas: "<key>" and "<key>end".
inline constexpr std::array<std::string_view, 3> kWriteAreaKeys = {"domain1", "domain2", "domain3"};

// Keys that hold a number rather than a place in the file.
struct NumberSpec {
    std::string_view key{};
    std::string_view what{};
    // What a missing key means for the user.
    std::string_view missing{};
};
inline constexpr std::array<NumberSpec, 1> kNumberKeys = {
    {{"Trainer_Pic_Num", "the highest trainer picture number",
      "it reads as -1, and the trainer page steps through no picture"}}};
