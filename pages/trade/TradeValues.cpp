#include "pages/trade/TradeValues.h"

namespace trade_values {

std::uint32_t withNature(std::uint32_t pv, int nature)
{
    if (nature < 0 || nature >= kNatureCount)
        return pv;
    for (std::uint32_t i = 0; i <= 0xFFFE; ++i) {
        std::uint32_t candidate = i << 8 | genderValue(pv);
        if (trade_values::nature(candidate) == nature)
            return candidate;
    }
    return pv;
}

} // namespace trade_values
