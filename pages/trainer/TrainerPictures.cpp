#include "pages/trainer/TrainerPictures.h"

#include <cstdio>

namespace {

std::string hex3(int number)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03X", static_cast<unsigned>(number));
    return digits;
}

} // namespace

std::string trainerPicturePath(const std::string& programDirectory, GameFamily family, int number)
{
    return programDirectory + "/pics/" + std::string(familyFolderName(family)) + "/trainer-" + hex3(number) + ".bmp";
}

std::string monsterPicturePath(const std::string& programDirectory, int number)
{
    return programDirectory + "/pics/tamblorpics/tamblor-" + hex3(number) + ".bmp";
}
