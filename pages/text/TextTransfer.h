#pragma once

#include "core/Result.h"
#include "core/RomFile.h"
#include "core/codec/GameCodec.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// One game text read from, or written to, the ROM file at a file offset, each in one open of
// the file. Failures carry the system's text.

// A text is read up to this many bytes; one without 0xFF in them counts as this long.
inline constexpr std::int32_t kTextReadLimit = 300;

struct LoadedText {
    // Every byte decoded up to and including the end byte.
    std::string display;
    // The bytes before the end byte: what a save may write over, plus the end byte.
    std::int32_t allowedBytes = 0;
};

// Fails when the file cannot be read, or ends before the text's end byte and the read limit.
ResultOf<LoadedText> loadText(const std::string& romPath, std::uint32_t offset, const GameCodec& codec);

// Into the ROM opened for writing; a file that did not open fails as it did. Bytes that would run
// past the end of the file are refused with the end-of-file text and nothing is written: a
// mistyped address must not grow the ROM file.
Result writeText(ResultOf<RomFile> file, std::uint32_t offset, std::span<const std::uint8_t> bytes);
