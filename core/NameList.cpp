#include "core/NameList.h"

#include "core/GameSettings.h"

#include <fstream>
#include <iterator>

namespace {
// The line buffer of 260 bytes holds 259 characters and the zero byte.
constexpr std::size_t kLinePieceSize = 259;
} // namespace

bool loadNameList(const std::string& programDirectory, std::string_view fileName,
                  std::vector<std::string>& entries)
{
    std::ifstream in(programFilePath(programDirectory, fileName), std::ios::binary);
    if (!in)
        return false;
    std::string contents((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    // Text mode: CR LF reads as a single line end.
    std::string text;
    text.reserve(contents.size());
    for (std::size_t i = 0; i < contents.size(); ++i) {
        if (contents[i] == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n')
            continue;
        text.push_back(contents[i]);
    }

    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t newline = text.find('\n', position);
        std::size_t pieceEnd = newline == std::string::npos ? text.size() : newline + 1;
        if (pieceEnd - position > kLinePieceSize)
            pieceEnd = position + kLinePieceSize;
        std::string piece = text.substr(position, pieceEnd - position);
        if (!piece.empty() && piece.back() == '\n')
            piece.pop_back();
        entries.push_back(std::move(piece));
        position = pieceEnd;
    }
    return true;
}

std::string nameListOpenFailedText(std::string_view fileName)
{
    std::string text = "\"";
    text.append(fileName).append("\"ファイルを開けませんでした。");
    return text;
}
