#pragma once

#include <string>

// The game family decides which folder the trainer pictures come from.
enum GameFamily : int {
    kFamilyRS = 0,
    kFamilyEM = 1,
    kFamilyFR = 2,
    kFamilyUN = 500,
};

// The family of the first game code the section name contains, in the order AXVJ, AXPJ,
// BPEJ, BPRJ, BPGJ; UN when it contains none.
GameFamily gameFamilyOf(const std::string& section);

// "<dir>/pics/<family>/trainer-%03X.bmp" and "<dir>/pics/tamblorpics/tamblor-%03X.bmp".
std::string trainerPicturePath(const std::string& programDirectory, GameFamily family, int number);
std::string monsterPicturePath(const std::string& programDirectory, int number);
