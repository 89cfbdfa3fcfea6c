#pragma once

#include "tools/check_settings/SettingsCheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The fixture set, written once by the fixture builder into a temporary folder and read
// back; each test changes its own copy of the ROM bytes and of Setting.ini and checks it.
class CheckFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // The folder and ROM path of the set as written.
    static const std::string& folder();
    static std::string romPath();

    // Replaces the value of key in the copy of Setting.ini (the key must be there).
    void setKey(std::string_view key, std::string_view text);
    void removeKey(std::string_view key);
    void put(std::size_t offset, std::initializer_list<std::uint8_t> bytes);
    void fill(std::size_t offset, std::size_t length, std::uint8_t value);

    CheckReport check() const;

    std::vector<std::uint8_t> rom;
    std::string settings;
};

// The first problem line that begins with "problem: <setting>", or empty.
std::string problemLine(const CheckReport& report, std::string_view setting);
// The first line that begins with text, or empty.
std::string lineStarting(const CheckReport& report, std::string_view text);
// The whole report, for a failing expectation's message.
std::string shown(const CheckReport& report);
