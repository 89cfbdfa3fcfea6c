#include "core/codec/GameCodec.h"

std::string_view GameCodec::decode(std::uint8_t) const
{
    return {};
}

std::string GameCodec::decodeField(std::span<const std::uint8_t>) const
{
    return {};
}

GameCodec::Unit GameCodec::classify(std::uint8_t, std::uint8_t)
{
    return Unit::OneByte;
}

std::uint8_t GameCodec::pairLookup(std::uint8_t, std::uint8_t)
{
    return 0;
}

std::uint8_t GameCodec::singleLookup(std::uint8_t)
{
    return 0;
}

bool GameCodec::encodeName(std::span<std::uint8_t>, std::string_view)
{
    return false;
}

GameCodec& gameCodec()
{
    static GameCodec codec;
    return codec;
}
