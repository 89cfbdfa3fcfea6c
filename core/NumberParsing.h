#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The two ways the program reads a number typed or stored as text, and the way it shows an
// offset.

// Decimal as the program reads every setting and most edits: leading blanks, an optional
// sign, digits up to the first other character; no digits give 0 (so "0x100" gives 0).
// Values beyond the 32-bit range saturate.
std::int32_t parseDecimal(std::string_view text);

// Hexadecimal as typed into addresses: an optional 0x prefix, digits up to the first other
// character; no digits give 0. Values beyond 32 bits saturate.
std::uint32_t parseHex(std::string_view text);

// "0x%X": how the pages show an offset.
std::string hexText(std::uint32_t value);
