#include "core/GameFamily.h"

#include <algorithm>
#include <array>
#include <utility>

GameFamily gameFamilyOf(std::string_view gameCode)
{
    static constexpr std::array<std::pair<std::string_view, GameFamily>, 5> kCodes{{
        {"AXVJ", kFamilyRS},
        {"AXPJ", kFamilyRS},
        {"BPEJ", kFamilyEM},
        {"BPRJ", kFamilyFR},
        {"BPGJ", kFamilyFR},
    }};
    for (const auto& [code, family] : kCodes) {
        if (gameCode.find(code) != std::string_view::npos)
            return family;
    }
    return kFamilyUN;
}

std::string_view familyFolderName(GameFamily family)
{
    switch (family) {
    case kFamilyRS:
        return "RS";
    case kFamilyEM:
        return "EM";
    case kFamilyFR:
        return "FR";
    default:
        return "UN";
    }
}

std::string gameCodeText(std::span<const std::uint8_t, kGameCodeLength> bytes)
{
    return std::string(bytes.begin(), std::find(bytes.begin(), bytes.end(), std::uint8_t{0}));
}
