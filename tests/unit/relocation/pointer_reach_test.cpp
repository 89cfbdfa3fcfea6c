// Pages whose pointers keep three bytes of an offset refuse a move their pointers cannot reach.
#include "core/TabSystem.h"
#include "pages/monster/LevelUpRelocation.h"
#include "pages/monster/MonsterPage.h"
#include "pages/trainer/TrainerPage.h"
#include "pages/trainer/TrainerRelocation.h"

#include <gtest/gtest.h>

#include <string>

TEST(PointerReach, ThreeBytePointersRefuseAMovePastTheirReach)
{
    CTabSystem tabs;
    CSolid_Value monsters(tabs);
    CTrainer_Edit trainers(tabs);
    LevelUpRelocation levelUp(monsters);
    TrainerRelocation party(trainers);
    for (IRelocationPage* page : {static_cast<IRelocationPage*>(&levelUp), static_cast<IRelocationPage*>(&party)}) {
        const char* refused = page->refusal({0x1000000, 1, 0, false});
        ASSERT_NE(refused, nullptr);
        EXPECT_EQ(std::string(refused), "移動先が0xFFFFFFより後ろなので、ポインタが届きません。");
        EXPECT_EQ(page->refusal({0xFFFFFF, 1, 0, false}), nullptr);
    }
}
