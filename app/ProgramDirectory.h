#pragma once

#include <string>

// The folder of the program file itself (without a trailing separator), where Setting.ini, the
// name lists and the pictures live whatever the current folder is; the current folder when the
// system cannot name the program file.
std::string programDirectory();
