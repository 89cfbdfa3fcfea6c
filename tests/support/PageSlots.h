#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CWindowBase;

// A page's ROM slots run on files, as the session runs them.

// Setting.ini in the folder with one section of "Key=value\r\n" lines.
void writeSettings(const std::string& folder, const std::string& section, const std::string& keys);
// DataRead on the file opened for reading; false also when it cannot be opened.
bool readPage(CWindowBase& page, const std::string& romPath);
// DataWrite on the file opened for writing.
bool writePage(CWindowBase& page, const std::string& romPath);

// Byte i is i * step + start (mod 256): recognisable, so a stray write shows.
std::vector<std::uint8_t> patternBytes(std::size_t size, unsigned step, unsigned start);
void putBytes(std::vector<std::uint8_t>& rom, std::size_t at, const std::vector<std::uint8_t>& bytes);
