#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Where a ROM holds its game code.
inline constexpr std::int64_t kGameCodeOffset = 0xAC;
inline constexpr std::size_t kGameCodeLength = 4;
// The cartridge header, game code included: no table lives there and nothing writes there.
inline constexpr std::int64_t kCartridgeHeaderSize = 0xC0;

// The game code as the session reads it: the four bytes up to the first zero byte.
std::string gameCodeText(std::span<const std::uint8_t, kGameCodeLength> bytes);

// The releases the program tells apart by their game code. The numbers are the ones the
// pages keep in their state.
enum GameFamily : int {
    kFamilyRS = 0, // AXVJ, AXPJ
    kFamilyEM = 1, // BPEJ
    kFamilyFR = 2, // BPRJ, BPGJ
    kFamilyUN = 500,
};

// The family of the first game code that the text contains as a substring, in the order
// AXVJ, AXPJ, BPEJ, BPRJ, BPGJ; UN when it contains none.
GameFamily gameFamilyOf(std::string_view gameCode);

// The picture folder of the family: "RS", "EM", "FR" or "UN".
std::string_view familyFolderName(GameFamily family);
