#include "core/NumberParsing.h"
#include "tools/check_settings/SettingValue.h"

#include <cctype>
#include <limits>

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool hasHexPrefix(std::string_view text)
{
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
           std::isxdigit(static_cast<unsigned char>(text[2]));
}

} // namespace

std::string SettingValue::shown() const
{
    return present() ? key + "=" + text : key + " (missing)";
}

SettingValue readSetting(const GameSettings& settings, std::string_view key)
{
    return {std::string(key), settings.text(key)};
}

std::optional<std::string> textProblem(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t firstDigit = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == text.size() && i > firstDigit)
        return std::nullopt;

    const std::string reads = std::to_string(parseDecimal(text));
    if (hasHexPrefix(text)) {
        const std::uint32_t meant = parseHex(text);
        std::string problem = "written in hexadecimal, but Setting.ini values are decimal: it reads as " + reads;
        if (meant <= static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()))
            problem += " (" + std::string(text) + " is " + std::to_string(meant) + " in decimal)";
        return problem;
    }
    if (i == firstDigit)
        return "not a decimal number: it reads as " + reads;
    return "reads as " + reads + ": the characters after the digits are ignored";
}
