#include "pages/trainer/TrainerPictures.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <utility>

namespace {

std::string hex3(int number)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03X", static_cast<unsigned>(number));
    return digits;
}

const char* folderOf(GameFamily family)
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

} // namespace

GameFamily gameFamilyOf(const std::string& section)
{
    static constexpr std::array<std::pair<std::string_view, GameFamily>, 5> kCodes{{
        {"AXVJ", kFamilyRS},
        {"AXPJ", kFamilyRS},
        {"BPEJ", kFamilyEM},
        {"BPRJ", kFamilyFR},
        {"BPGJ", kFamilyFR},
    }};
    for (const auto& [code, family] : kCodes) {
        if (section.find(code) != std::string::npos)
            return family;
    }
    return kFamilyUN;
}

std::string trainerPicturePath(const std::string& programDirectory, GameFamily family, int number)
{
    return programDirectory + "/pics/" + folderOf(family) + "/trainer-" + hex3(number) + ".bmp";
}

std::string monsterPicturePath(const std::string& programDirectory, int number)
{
    return programDirectory + "/pics/tamblorpics/tamblor-" + hex3(number) + ".bmp";
}
