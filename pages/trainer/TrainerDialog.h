// The page's dialog template (TrainerDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#include "core/ui/FrameCommands.h"

#define IDD_TRAINER 131
#define IDC_TRAINER_DOUBLE_BATTLE 1000
#define IDC_TRAINER_LIST 1004
#define IDC_TRAINER_SEARCH_TEXT 1005
#define IDC_TRAINER_SEARCH_FORWARD 1006
#define IDC_TRAINER_SEARCH_BACKWARD 1007
#define IDC_TRAINER_CLASS 1008
#define IDC_TRAINER_NAME 1009
#define IDC_TRAINER_CHECK_1 1010
#define IDC_TRAINER_CHECK_2 1011
#define IDC_TRAINER_CHECK_3 1012
#define IDC_TRAINER_CHECK_4 1013
#define IDC_TRAINER_DATA_TYPE 1015
#define IDC_TRAINER_PICTURE_PREVIOUS 1016
#define IDC_TRAINER_PICTURE_NEXT 1017
#define IDC_TRAINER_STORE 1018
#define IDC_TRAINER_PARTY_COUNT 1019
#define IDC_TRAINER_PARTY_OFFSET 1020
#define IDC_TRAINER_ITEM_2 1022
#define IDC_TRAINER_ITEM_1 1023
#define IDC_TRAINER_ITEM_4 1024
#define IDC_TRAINER_ITEM_3 1025
#define IDC_TRAINER_MEMBERS 1026
#define IDC_TRAINER_MEMBER_LEVEL 1027
#define IDC_TRAINER_MONSTER_PREVIOUS 1028
#define IDC_TRAINER_MONSTER_NEXT 1029
#define IDC_TRAINER_MONSTER_PICTURE 1030
#define IDC_TRAINER_PICTURE 1031
#define IDC_TRAINER_MOVE_2 1032
#define IDC_TRAINER_MOVE_1 1033
#define IDC_TRAINER_MOVE_4 1034
#define IDC_TRAINER_MOVE_3 1035
#define IDC_TRAINER_MONSTER 1036
#define IDC_TRAINER_HELD_ITEM 1037
#define IDC_TRAINER_UNCLEAR_LEVEL 1038
#define IDC_TRAINER_STORE_MEMBER 1039
#define IDC_TRAINER_WRITE_PARTY 1040
#define IDC_TRAINER_PICTURE_NUMBER 1041
#define IDC_TRAINER_BATTLE_SOUND 1042
#define IDC_TRAINER_RELOCATE_PARTY 1043

#ifndef RC_INVOKED
#include <cstddef>

namespace trainer_dialog {
inline constexpr int kTemplateId = IDD_TRAINER;

inline constexpr int kTrainerList = IDC_TRAINER_LIST;
inline constexpr int kSearchText = IDC_TRAINER_SEARCH_TEXT;
inline constexpr int kSearchForward = IDC_TRAINER_SEARCH_FORWARD;
inline constexpr int kSearchBackward = IDC_TRAINER_SEARCH_BACKWARD;
inline constexpr int kRelocateParty = IDC_TRAINER_RELOCATE_PARTY;
inline constexpr int kName = IDC_TRAINER_NAME;
inline constexpr int kPartyCount = IDC_TRAINER_PARTY_COUNT;
inline constexpr int kPartyOffset = IDC_TRAINER_PARTY_OFFSET;
inline constexpr int kBattleSound = IDC_TRAINER_BATTLE_SOUND;
inline constexpr int kClass = IDC_TRAINER_CLASS;
inline constexpr int kPicture = IDC_TRAINER_PICTURE;
inline constexpr int kPictureNumber = IDC_TRAINER_PICTURE_NUMBER;
inline constexpr int kPicturePrevious = IDC_TRAINER_PICTURE_PREVIOUS;
inline constexpr int kPictureNext = IDC_TRAINER_PICTURE_NEXT;
inline constexpr int kStore = IDC_TRAINER_STORE;
inline constexpr int kDoubleBattle = IDC_TRAINER_DOUBLE_BATTLE;
inline constexpr int kDataType = IDC_TRAINER_DATA_TYPE;
inline constexpr int kMembers = IDC_TRAINER_MEMBERS;
inline constexpr int kMemberLevel = IDC_TRAINER_MEMBER_LEVEL;
inline constexpr int kUnclearLevel = IDC_TRAINER_UNCLEAR_LEVEL;
inline constexpr int kMonster = IDC_TRAINER_MONSTER;
inline constexpr int kMonsterPicture = IDC_TRAINER_MONSTER_PICTURE;
inline constexpr int kMonsterPrevious = IDC_TRAINER_MONSTER_PREVIOUS;
inline constexpr int kMonsterNext = IDC_TRAINER_MONSTER_NEXT;
inline constexpr int kHeldItem = IDC_TRAINER_HELD_ITEM;
inline constexpr int kStoreMember = IDC_TRAINER_STORE_MEMBER;
inline constexpr int kWriteParty = IDC_TRAINER_WRITE_PARTY;

// Bits 0 to 3 of the battle check byte.
inline constexpr int kBattleChecks[] = {IDC_TRAINER_CHECK_1, IDC_TRAINER_CHECK_2, IDC_TRAINER_CHECK_3,
                                        IDC_TRAINER_CHECK_4};
// Items 1 to 4 of the record: top left, top right, bottom left, bottom right.
inline constexpr int kItems[] = {IDC_TRAINER_ITEM_1, IDC_TRAINER_ITEM_2, IDC_TRAINER_ITEM_3, IDC_TRAINER_ITEM_4};
// Moves 1 to 4 of a member, laid out as the items are.
inline constexpr int kMoves[] = {IDC_TRAINER_MOVE_1, IDC_TRAINER_MOVE_2, IDC_TRAINER_MOVE_3, IDC_TRAINER_MOVE_4};

inline constexpr int kAllControls[] = {
    kTrainerList,  kSearchText,       kSearchForward,   kSearchBackward,     kRelocateParty,     kName,
    kPartyCount,   kPartyOffset,      kBattleSound,     kClass,              kPicturePrevious,   kPictureNext,
    kStore,        kDoubleBattle,     kDataType,        kMembers,            kMemberLevel,       kUnclearLevel,
    kMonster,      kMonsterPrevious,  kMonsterNext,     kHeldItem,           kStoreMember,       kWriteParty,
    kPictureNumber, IDC_TRAINER_CHECK_1, IDC_TRAINER_CHECK_2, IDC_TRAINER_CHECK_3, IDC_TRAINER_CHECK_4,
    IDC_TRAINER_ITEM_1, IDC_TRAINER_ITEM_2, IDC_TRAINER_ITEM_3, IDC_TRAINER_ITEM_4,
    IDC_TRAINER_MOVE_1, IDC_TRAINER_MOVE_2, IDC_TRAINER_MOVE_3, IDC_TRAINER_MOVE_4};

// The menu items the page owns (menu "設定", submenu "トレーナーエディター").
inline constexpr int kHideMonsterPicturesCommand = IDM_HIDE_MONSTER_BMP;
inline constexpr int kHideTrainerPicturesCommand = IDM_HIDE_TRAINER_BMP;
inline constexpr int kChangePartyCommand = IDM_CHANGE_PARTY;

// Edits are read with buffers of these sizes less one.
inline constexpr std::size_t kSearchInputLength = 49;
inline constexpr std::size_t kTextInputLength = 14;
} // namespace trainer_dialog
#endif
