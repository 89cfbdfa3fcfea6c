#pragma once

#include "core/GameFamily.h"

#include <string>

// "<dir>/pics/<family folder>/trainer-%03X.bmp" and "<dir>/pics/tamblorpics/tamblor-%03X.bmp".
std::string trainerPicturePath(const std::string& programDirectory, GameFamily family, int number);
std::string monsterPicturePath(const std::string& programDirectory, int number);
