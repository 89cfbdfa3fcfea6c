#pragma once

#include <cstdint>
#include <span>
#include <string>

// A game-text field as UTF-8, up to its end byte.
std::string gameText(std::span<const std::uint8_t> field);
