#pragma once

#include <string>
#include <vector>

// The little the program needs of folders: a path's folder and name, the plain files of a
// folder, and removing one. Paths are in the system's narrow encoding (code page 932 on
// Windows, where a trail byte may look like a backslash).

struct PathParts {
    // With its trailing separator; empty for a bare name.
    std::string folder;
    std::string name;
};
PathParts splitPath(const std::string& path);

// The names of the plain files in a folder (no sub-folders); empty when it cannot be read.
std::vector<std::string> fileNamesIn(const std::string& folder);

bool fileExists(const std::string& path);
bool removeFile(const std::string& path);
// Puts the file from in the place of the file to, in one step: to is either as it was or
// replaced whole.
bool replaceFile(const std::string& from, const std::string& to);
