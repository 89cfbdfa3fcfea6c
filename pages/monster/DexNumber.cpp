#include "pages/monster/DexNumber.h"

#include <array>
#include <cstdint>

namespace dex_number {

namespace {

// Monster indexes 301 to 411, in index order.
constexpr std::array<std::uint16_t, 111> kLaterMonsters = {
    290, 291, 292, 276, 277, 285, 286, 327, 278, 279, 283, 284, 320, 321, 300, 301, 352, 343, 344, 299,
    324, 302, 339, 340, 370, 341, 342, 349, 350, 318, 319, 328, 329, 330, 296, 297, 309, 310, 322, 323,
    363, 364, 365, 331, 332, 361, 362, 337, 338, 298, 325, 326, 311, 312, 303, 307, 308, 333, 334, 360,
    355, 356, 315, 287, 288, 289, 316, 317, 357, 293, 294, 295, 366, 367, 368, 359, 353, 354, 336, 335,
    369, 304, 305, 306, 351, 313, 314, 345, 346, 347, 348, 280, 281, 282, 371, 372, 373, 374, 375, 376,
    377, 378, 379, 382, 383, 384, 380, 381, 385, 386, 358};

constexpr std::size_t kFirstLater = 301;

} // namespace

std::size_t forMonster(std::size_t monster)
{
    if (monster <= 251)
        return monster;
    if (monster <= 276)
        return 0;
    if (monster < kFirstLater)
        return monster - 25;
    if (monster - kFirstLater < kLaterMonsters.size())
        return kLaterMonsters[monster - kFirstLater];
    return 0;
}

} // namespace dex_number
