#include "tools/read_rom/GameText.h"

#include "core/codec/GameCodec.h"
#include "tools/console/Utf8.h"

std::string gameText(std::span<const std::uint8_t> field)
{
    std::string cp932;
    for (std::uint8_t code : field) {
        if (code == GameCodec::kTerminator)
            break;
        cp932 += gameCodec().decode(code);
    }
    return toUtf8(cp932);
}
