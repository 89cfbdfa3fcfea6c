#include "core/ReadMessages.h"

#include <algorithm>

namespace {

constexpr const char* kOpenARom = "GBAのROMファイル(*.gba)を開いてください。";
constexpr const char* kFindSettingsCommand = "「ファイル」→「ROMの表を探してSetting.iniを作成...」";

bool isLetterOrDigit(std::uint8_t byte)
{
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

} // namespace

bool looksLikeGameCode(std::span<const std::uint8_t, kGameCodeLength> bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), isLetterOrDigit);
}

std::string tooShortForRomText(std::int64_t fileSize)
{
    return "GBAのROMではありません。ファイルが" + std::to_string(fileSize) + "バイトしかなく、カートリッジヘッダー(" +
           std::to_string(kCartridgeHeaderSize) + "バイト)に足りません。" + kOpenARom;
}

std::string noGameCodeText(std::int64_t fileSize)
{
    return "GBAのROMではありません。" + std::to_string(fileSize) +
           "バイトのファイルですが、0xACにゲームコード(英数字4文字)がありません。" + kOpenARom;
}

// The path goes last: a status line shows what to do before a long path.
std::string missingSettingsText(const std::string& settingsPath)
{
    return std::string("Setting.iniが見つかりません。") + kFindSettingsCommand +
           "で作るか、Setting.iniを置いてください(探した場所: " + settingsPath + ")。";
}

std::string missingSectionText(const std::string& gameCode, const std::string& settingsPath)
{
    return "ゲームコード[" + gameCode + "]の節がSetting.iniにありません。" + kFindSettingsCommand +
           "で作り、check_settingsで確かめてください(" + settingsPath + ")。";
}
