// The page's dialog template (EggMoveDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_EGG_MOVE 138
#define IDC_EGG_SET_MOVE 1004
#define IDC_EGG_SET_MONSTER 1129
#define IDC_EGG_MOVE_LIST 1130
#define IDC_EGG_MOVE_COMBO 1131
#define IDC_EGG_MONSTER_COMBO 1132
#define IDC_EGG_LINE_LIST 1133
#define IDC_EGG_NORMAL_MODE 1134
#define IDC_EGG_RAW_MODE 1135

#ifndef RC_INVOKED
namespace egg_move_dialog {
inline constexpr int kTemplateId = IDD_EGG_MOVE;

// Left: the monsters (normal mode) or every word (raw mode); right: the current monster's moves.
inline constexpr int kLineList = IDC_EGG_LINE_LIST;
inline constexpr int kMonsterCombo = IDC_EGG_MONSTER_COMBO;
inline constexpr int kSetMonster = IDC_EGG_SET_MONSTER;
inline constexpr int kMoveList = IDC_EGG_MOVE_LIST;
inline constexpr int kMoveCombo = IDC_EGG_MOVE_COMBO;
inline constexpr int kSetMove = IDC_EGG_SET_MOVE;
inline constexpr int kNormalMode = IDC_EGG_NORMAL_MODE;
inline constexpr int kRawMode = IDC_EGG_RAW_MODE;

// Enabled only while there is a table.
inline constexpr int kEditControls[] = {kLineList, kMoveList, kSetMove, kSetMonster, kMonsterCombo, kMoveCombo};
} // namespace egg_move_dialog
#endif
