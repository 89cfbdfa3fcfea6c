// The page's dialog template (ItemDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_ITEM 136
#define IDC_ITEM_POCKET 1007
#define IDC_ITEM_STORE 1053
#define IDC_ITEM_SELECTOR 1061
#define IDC_ITEM_BATTLE_USAGE 1062
#define IDC_ITEM_PRICE 1063
#define IDC_ITEM_PARAMETER 1064
#define IDC_ITEM_DESCRIPTION 1135

#ifndef RC_INVOKED
#include <cstddef>

namespace item_dialog {
inline constexpr int kTemplateId = IDD_ITEM;

inline constexpr int kSelector = IDC_ITEM_SELECTOR;
inline constexpr int kPrice = IDC_ITEM_PRICE;
inline constexpr int kParameter = IDC_ITEM_PARAMETER;
inline constexpr int kPocket = IDC_ITEM_POCKET;
inline constexpr int kBattleUsage = IDC_ITEM_BATTLE_USAGE;
inline constexpr int kDescription = IDC_ITEM_DESCRIPTION;
inline constexpr int kStore = IDC_ITEM_STORE;

// Enabled only while there is a table.
inline constexpr int kAllControls[] = {kSelector, kBattleUsage, kPocket, kStore, kPrice, kParameter, kDescription};

// A number edit is read with a buffer of 256 characters.
inline constexpr std::size_t kNumberInputLength = 255;
} // namespace item_dialog
#endif
