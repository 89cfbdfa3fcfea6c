// The page's dialog template (MonsterDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_MONSTER 137
#define IDC_MONSTER_STORE_NAME 1066
#define IDC_MONSTER_NAME 1067
#define IDC_MONSTER_SELECTOR 1068
#define IDC_MONSTER_HP 1069
#define IDC_MONSTER_ATTACK 1070
#define IDC_MONSTER_DEFENCE 1071
#define IDC_MONSTER_SPEED 1072
#define IDC_MONSTER_SPECIAL_ATTACK 1073
#define IDC_MONSTER_SPECIAL_DEFENCE 1074
#define IDC_MONSTER_TYPE1 1075
#define IDC_MONSTER_TOTAL 1076
#define IDC_MONSTER_TYPE2 1077
#define IDC_MONSTER_DEX_SELECTOR 1078
#define IDC_MONSTER_CATEGORY 1079
#define IDC_MONSTER_STORE_CATEGORY 1080
#define IDC_MONSTER_DESCRIPTION_ADDRESS 1081
#define IDC_MONSTER_DESCRIPTION_SIZE 1082
#define IDC_MONSTER_STORE_DEX 1083
#define IDC_MONSTER_EVOLUTION_SLOT 1084
#define IDC_MONSTER_SAVE_DESCRIPTION 1085
#define IDC_MONSTER_EVOLUTION_METHOD 1086
#define IDC_MONSTER_DESCRIPTION 1087
#define IDC_MONSTER_HEIGHT 1088
#define IDC_MONSTER_WEIGHT 1089
#define IDC_MONSTER_EVOLUTION_LEVEL 1090
#define IDC_MONSTER_STORE_RECORD 1091
#define IDC_MONSTER_EVOLUTION_ITEM 1092
#define IDC_MONSTER_EVOLUTION_TARGET 1093
#define IDC_MONSTER_ABILITY1 1094
#define IDC_MONSTER_ABILITY2 1095
#define IDC_MONSTER_EFFORT_HP 1096
#define IDC_MONSTER_EFFORT_ATTACK 1097
#define IDC_MONSTER_EFFORT_DEFENCE 1098
#define IDC_MONSTER_EFFORT_SPEED 1099
#define IDC_MONSTER_EFFORT_SPECIAL_ATTACK 1100
#define IDC_MONSTER_EFFORT_SPECIAL_DEFENCE 1101
#define IDC_MONSTER_GENDER 1102
#define IDC_MONSTER_CATCH_RATE 1103
#define IDC_MONSTER_EGG_STEPS 1104
#define IDC_MONSTER_FRIENDSHIP 1105
#define IDC_MONSTER_BASE_EXPERIENCE 1106
#define IDC_MONSTER_COMMON_ITEM 1107
#define IDC_MONSTER_RARE_ITEM 1108
#define IDC_MONSTER_EGG_GROUP1 1109
#define IDC_MONSTER_EGG_GROUP2 1110
#define IDC_MONSTER_GROWTH_RATE 1111
#define IDC_MONSTER_LEVEL_MOVE 1112
#define IDC_MONSTER_LEVEL 1113
#define IDC_MONSTER_LEVEL_LIST 1114
#define IDC_MONSTER_LEVEL_DOWN 1115
#define IDC_MONSTER_LEVEL_UP 1116
#define IDC_MONSTER_LEVEL_STORE 1117
#define IDC_MONSTER_LEVEL_ADDRESS 1118
#define IDC_MONSTER_LEVEL_COUNT 1119
#define IDC_MONSTER_LEVEL_RELOCATE 1120
#define IDC_MONSTER_FLEE_RATE 1121
#define IDC_MONSTER_TM_HM 1125
#define IDC_MONSTER_LEVEL_SAVE 1126

#ifndef RC_INVOKED
#include <cstddef>

namespace monster_dialog {
inline constexpr int kTemplateId = IDD_MONSTER;

inline constexpr int kStoreName = IDC_MONSTER_STORE_NAME;
inline constexpr int kName = IDC_MONSTER_NAME;
inline constexpr int kMonster = IDC_MONSTER_SELECTOR;
inline constexpr int kHp = IDC_MONSTER_HP;
inline constexpr int kAttack = IDC_MONSTER_ATTACK;
inline constexpr int kDefence = IDC_MONSTER_DEFENCE;
inline constexpr int kSpeed = IDC_MONSTER_SPEED;
inline constexpr int kSpecialAttack = IDC_MONSTER_SPECIAL_ATTACK;
inline constexpr int kSpecialDefence = IDC_MONSTER_SPECIAL_DEFENCE;
inline constexpr int kType1 = IDC_MONSTER_TYPE1;
inline constexpr int kTotal = IDC_MONSTER_TOTAL;
inline constexpr int kType2 = IDC_MONSTER_TYPE2;
inline constexpr int kDex = IDC_MONSTER_DEX_SELECTOR;
inline constexpr int kCategory = IDC_MONSTER_CATEGORY;
inline constexpr int kStoreCategory = IDC_MONSTER_STORE_CATEGORY;
inline constexpr int kDescriptionAddress = IDC_MONSTER_DESCRIPTION_ADDRESS;
inline constexpr int kDescriptionSize = IDC_MONSTER_DESCRIPTION_SIZE;
inline constexpr int kStoreDex = IDC_MONSTER_STORE_DEX;
inline constexpr int kEvolutionSlot = IDC_MONSTER_EVOLUTION_SLOT;
inline constexpr int kSaveDescription = IDC_MONSTER_SAVE_DESCRIPTION;
inline constexpr int kEvolutionMethod = IDC_MONSTER_EVOLUTION_METHOD;
inline constexpr int kDescription = IDC_MONSTER_DESCRIPTION;
inline constexpr int kHeight = IDC_MONSTER_HEIGHT;
inline constexpr int kWeight = IDC_MONSTER_WEIGHT;
inline constexpr int kEvolutionLevel = IDC_MONSTER_EVOLUTION_LEVEL;
inline constexpr int kStoreRecord = IDC_MONSTER_STORE_RECORD;
inline constexpr int kEvolutionItem = IDC_MONSTER_EVOLUTION_ITEM;
inline constexpr int kEvolutionTarget = IDC_MONSTER_EVOLUTION_TARGET;
inline constexpr int kAbility1 = IDC_MONSTER_ABILITY1;
inline constexpr int kAbility2 = IDC_MONSTER_ABILITY2;
inline constexpr int kEffortHp = IDC_MONSTER_EFFORT_HP;
inline constexpr int kGender = IDC_MONSTER_GENDER;
inline constexpr int kCatchRate = IDC_MONSTER_CATCH_RATE;
inline constexpr int kEggSteps = IDC_MONSTER_EGG_STEPS;
inline constexpr int kFriendship = IDC_MONSTER_FRIENDSHIP;
inline constexpr int kBaseExperience = IDC_MONSTER_BASE_EXPERIENCE;
inline constexpr int kCommonItem = IDC_MONSTER_COMMON_ITEM;
inline constexpr int kRareItem = IDC_MONSTER_RARE_ITEM;
inline constexpr int kEggGroup1 = IDC_MONSTER_EGG_GROUP1;
inline constexpr int kEggGroup2 = IDC_MONSTER_EGG_GROUP2;
inline constexpr int kGrowthRate = IDC_MONSTER_GROWTH_RATE;
inline constexpr int kLevelMove = IDC_MONSTER_LEVEL_MOVE;
inline constexpr int kLevel = IDC_MONSTER_LEVEL;
inline constexpr int kLevelList = IDC_MONSTER_LEVEL_LIST;
inline constexpr int kLevelDown = IDC_MONSTER_LEVEL_DOWN;
inline constexpr int kLevelUp = IDC_MONSTER_LEVEL_UP;
inline constexpr int kLevelStore = IDC_MONSTER_LEVEL_STORE;
inline constexpr int kLevelAddress = IDC_MONSTER_LEVEL_ADDRESS;
inline constexpr int kLevelCount = IDC_MONSTER_LEVEL_COUNT;
inline constexpr int kLevelRelocate = IDC_MONSTER_LEVEL_RELOCATE;
inline constexpr int kFleeRate = IDC_MONSTER_FLEE_RATE;
inline constexpr int kTmHm = IDC_MONSTER_TM_HM;
inline constexpr int kLevelSave = IDC_MONSTER_LEVEL_SAVE;

// HP, attack, defence, speed, special attack, special defence: the record's order.
inline constexpr int kStatEdits[] = {kHp, kAttack, kDefence, kSpeed, kSpecialAttack, kSpecialDefence};
inline constexpr int kEffortEdits[] = {IDC_MONSTER_EFFORT_HP,
                                       IDC_MONSTER_EFFORT_ATTACK,
                                       IDC_MONSTER_EFFORT_DEFENCE,
                                       IDC_MONSTER_EFFORT_SPEED,
                                       IDC_MONSTER_EFFORT_SPECIAL_ATTACK,
                                       IDC_MONSTER_EFFORT_SPECIAL_DEFENCE};
// Every control the page enables with the base stats table; the flee rate and the tables
// configured on their own (dex, level-up lists) are enabled apart.
inline constexpr int kMonsterControls[] = {
    kMonster,       kName,           kStoreName,     kHp,          kAttack,          kDefence,         kSpeed,
    kSpecialAttack, kSpecialDefence, kTotal,         kType1,       kType2,           kEvolutionSlot,   kEvolutionMethod,
    kEvolutionItem, kEvolutionLevel, kEvolutionTarget, kAbility1,  kAbility2,        kEffortEdits[0],  kEffortEdits[1],
    kEffortEdits[2], kEffortEdits[3], kEffortEdits[4], kEffortEdits[5], kGender,      kCatchRate,       kEggSteps,
    kFriendship,    kBaseExperience, kCommonItem,    kRareItem,    kEggGroup1,       kEggGroup2,       kGrowthRate,
    kStoreRecord,   kTmHm};
inline constexpr int kDexControls[] = {kDex,          kCategory,        kStoreCategory, kDescriptionAddress,
                                       kDescriptionSize, kStoreDex,     kSaveDescription, kDescription,
                                       kHeight,       kWeight};
inline constexpr int kLevelUpControls[] = {kLevelList,    kLevel,        kLevelMove,  kLevelStore, kLevelUp,
                                           kLevelDown,    kLevelAddress, kLevelCount, kLevelSave,  kLevelRelocate};

// Name edits are read with a buffer of 28 characters, stat edits with 10, the height and
// weight with 10.
inline constexpr std::size_t kNameInputLength = 27;
inline constexpr std::size_t kNumberInputLength = 9;
// The height of the long lists' drop-downs, in pixels.
inline constexpr int kLongListDropHeight = 240;
} // namespace monster_dialog
#endif
