#pragma once

#include "core/ui/Shell.h"

#include <cstdint>
#include <optional>
#include <span>

// The portable reader of ordinary uncompressed bitmap files behind the in-memory shell.
std::optional<RgbImage> decodeBitmapPixels(std::span<const std::uint8_t> file);
