#pragma once

#include "core/GameSettings.h"
#include "core/NumberParsing.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One key of the game's section, as written and as the program reads it.
struct SettingValue {
    std::string key;
    // At most 29 characters, as the program's buffer holds it; empty when the key is missing.
    std::string text;

    bool present() const { return !text.empty(); }
    // The decimal rule every page applies.
    std::int32_t value() const { return parseDecimal(text); }
    // "AttackTable=0x200000", or "AttackTable (missing)".
    std::string shown() const;
};

SettingValue readSetting(const GameSettings& settings, std::string_view key);

// What is wrong with a value's text, or nothing when it is a plain decimal number. The
// program reads "0x200000" as 0 and "100abc" as 100 without a word; this says so.
std::optional<std::string> textProblem(std::string_view text);
