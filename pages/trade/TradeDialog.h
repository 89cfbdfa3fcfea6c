// The page's dialog template (TradeDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_TRADE 140
#define IDC_TRADE_IV_HP 1069
#define IDC_TRADE_IV_ATTACK 1070
#define IDC_TRADE_IV_DEFENCE 1071
#define IDC_TRADE_IV_SPEED 1072
#define IDC_TRADE_IV_SP_ATTACK 1073
#define IDC_TRADE_IV_SP_DEFENCE 1074
#define IDC_TRADE_OFFERED 1146
#define IDC_TRADE_LIST 1147
#define IDC_TRADE_PARENT_NAME 1148
#define IDC_TRADE_NICKNAME 1149
#define IDC_TRADE_NATURE 1150
#define IDC_TRADE_WANTED 1151
#define IDC_TRADE_STORE_PARENT_NAME 1152
#define IDC_TRADE_STORE_NICKNAME 1153
#define IDC_TRADE_PARENT_ID 1154
#define IDC_TRADE_GENDER 1155
#define IDC_TRADE_SHINY 1156
#define IDC_TRADE_PERSONALITY 1157
#define IDC_TRADE_HELD_ITEM 1158
#define IDC_TRADE_STORE 1159
#define IDC_TRADE_ABILITY 1160

#ifndef RC_INVOKED
#include <cstddef>

namespace trade_dialog {
inline constexpr int kTemplateId = IDD_TRADE;

inline constexpr int kTradeList = IDC_TRADE_LIST;
inline constexpr int kOffered = IDC_TRADE_OFFERED;
inline constexpr int kWanted = IDC_TRADE_WANTED;
inline constexpr int kHeldItem = IDC_TRADE_HELD_ITEM;
inline constexpr int kNature = IDC_TRADE_NATURE;
inline constexpr int kNickname = IDC_TRADE_NICKNAME;
inline constexpr int kStoreNickname = IDC_TRADE_STORE_NICKNAME;
inline constexpr int kParentName = IDC_TRADE_PARENT_NAME;
inline constexpr int kStoreParentName = IDC_TRADE_STORE_PARENT_NAME;
inline constexpr int kParentId = IDC_TRADE_PARENT_ID;
inline constexpr int kPersonality = IDC_TRADE_PERSONALITY;
inline constexpr int kGender = IDC_TRADE_GENDER;
inline constexpr int kShiny = IDC_TRADE_SHINY;
inline constexpr int kAbility = IDC_TRADE_ABILITY;
inline constexpr int kStore = IDC_TRADE_STORE;

// In the record's order: HP, attack, defence, speed, special attack, special defence.
inline constexpr int kIndividualValues[] = {IDC_TRADE_IV_HP,    IDC_TRADE_IV_ATTACK,    IDC_TRADE_IV_DEFENCE,
                                            IDC_TRADE_IV_SPEED, IDC_TRADE_IV_SP_ATTACK, IDC_TRADE_IV_SP_DEFENCE};
inline constexpr int kAllControls[] = {
    kTradeList, kOffered,     kWanted, kHeldItem, kNature,  kNickname, kStoreNickname, kParentName, kStoreParentName,
    kParentId,  kPersonality, kGender, kShiny,    kAbility, kStore,
    IDC_TRADE_IV_HP,    IDC_TRADE_IV_ATTACK,    IDC_TRADE_IV_DEFENCE,
    IDC_TRADE_IV_SPEED, IDC_TRADE_IV_SP_ATTACK, IDC_TRADE_IV_SP_DEFENCE};

// Edits are read with buffers of these sizes less one.
inline constexpr std::size_t kNameInputLength = 27;
inline constexpr std::size_t kGenderInputLength = 24;
} // namespace trade_dialog
#endif
