#include "tests/unit/check_settings/CheckFixture.h"

#include "core/Profile.h"
#include "tests/support/TestFiles.h"
#include "tools/fixture/FixtureRom.h"

#include <memory>
#include <stdexcept>

namespace {

std::unique_ptr<TempDir> s_folder;
std::vector<std::uint8_t> s_rom;
std::string s_settings;

std::size_t keyLine(const std::string& settings, std::string_view key)
{
    const std::string start = "\n" + std::string(key) + "=";
    const std::size_t at = settings.find(start);
    if (at == std::string::npos)
        throw std::logic_error("no key " + std::string(key) + " in the fixture's Setting.ini");
    return at + 1;
}

} // namespace

void CheckFixture::SetUpTestSuite()
{
    s_folder = std::make_unique<TempDir>();
    ASSERT_TRUE(writeFixtureSet(buildFixtureRom("BPRJ"), s_folder->path(), "fixture.gba"));
    s_rom = readBytes(romPath());
    s_settings = readText(s_folder->file("Setting.ini"));
}

void CheckFixture::TearDownTestSuite()
{
    s_folder.reset();
}

void CheckFixture::SetUp()
{
    rom = s_rom;
    settings = s_settings;
}

const std::string& CheckFixture::folder()
{
    return s_folder->path();
}

std::string CheckFixture::romPath()
{
    return s_folder->file("fixture.gba");
}

void CheckFixture::setKey(std::string_view key, std::string_view text)
{
    const std::size_t line = keyLine(settings, key);
    const std::size_t end = settings.find("\r\n", line);
    settings.replace(line, end - line, std::string(key) + "=" + std::string(text));
}

void CheckFixture::removeKey(std::string_view key)
{
    const std::size_t line = keyLine(settings, key);
    settings.erase(line, settings.find("\r\n", line) + 2 - line);
}

void CheckFixture::put(std::size_t offset, std::initializer_list<std::uint8_t> bytes)
{
    std::copy(bytes.begin(), bytes.end(), rom.begin() + static_cast<std::ptrdiff_t>(offset));
}

void CheckFixture::fill(std::size_t offset, std::size_t length, std::uint8_t value)
{
    std::fill_n(rom.begin() + static_cast<std::ptrdiff_t>(offset), length, value);
}

CheckReport CheckFixture::check() const
{
    return checkConfiguration(rom, std::make_shared<const ProfileFile>(ProfileFile::parse(settings)));
}

std::string lineStarting(const CheckReport& report, std::string_view text)
{
    for (const std::string& line : report.lines) {
        if (line.starts_with(text))
            return line;
    }
    return {};
}

std::string problemLine(const CheckReport& report, std::string_view setting)
{
    return lineStarting(report, "problem: " + std::string(setting));
}

std::string shown(const CheckReport& report)
{
    std::string text;
    for (const std::string& line : report.lines)
        text += toUtf8(line) + "\n";
    return text;
}
