#include "tests/win32/driver/RomBytes.h"

#include "tools/console/Utf8.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

long settingOffset(const std::string& settings, const std::string& section, const char* key)
{
    char value[30] = {};
    GetPrivateProfileStringA(section.c_str(), key, "", value, sizeof(value), settings.c_str());
    return value[0] ? std::strtol(value, nullptr, 10) : -1;
}

bool patch(Bytes& rom, long at, const Bytes& bytes)
{
    if (at < 0 || static_cast<std::size_t>(at) + bytes.size() > rom.size())
        return false;
    std::copy(bytes.begin(), bytes.end(), rom.begin() + at);
    return true;
}

std::string differences(const Bytes& actual, const Bytes& expected)
{
    if (actual.size() != expected.size())
        return "size " + std::to_string(actual.size()) + ", expected " + std::to_string(expected.size());
    std::string text;
    int shown = 0;
    for (std::size_t i = 0; i < actual.size() && shown < 8; ++i) {
        if (actual[i] != expected[i]) {
            char line[64];
            std::snprintf(line, sizeof(line), "%s0x%zX: %02X, expected %02X", shown ? "; " : "", i, actual[i],
                          expected[i]);
            text += line;
            ++shown;
        }
    }
    return text;
}

std::string quoted(const std::string& cp932)
{
    // Built by appending: g++ 12 warns falsely about operator+ here.
    std::string text = "\"";
    text.append(toUtf8(cp932)).append("\"");
    return text;
}

bool compareFile(Report& report, const std::string& romPath, const Bytes& expected, const std::string& what)
{
    const Bytes saved = readFile(romPath);
    return report.check(saved == expected, what, saved == expected ? "" : differences(saved, expected));
}
