// The page's dialog template (MoveDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_MOVE 135
#define IDC_MOVE_POWER 1046
#define IDC_MOVE_SELECTOR 1047
#define IDC_MOVE_EFFECT 1048
#define IDC_MOVE_TYPE 1049
#define IDC_MOVE_ACCURACY 1050
#define IDC_MOVE_PP 1051
#define IDC_MOVE_EFFECT_CHANCE 1052
#define IDC_MOVE_STORE 1053
#define IDC_MOVE_RAW_1 1054
#define IDC_MOVE_RAW_4 1055
#define IDC_MOVE_RAW_2 1056
#define IDC_MOVE_RAW_5 1057
#define IDC_MOVE_RAW_3 1058
#define IDC_MOVE_RAW_6 1059
#define IDC_MOVE_STORE_RAW 1060

#ifndef RC_INVOKED
#include <cstddef>

namespace move_dialog {
inline constexpr int kTemplateId = IDD_MOVE;

inline constexpr int kSelector = IDC_MOVE_SELECTOR;
inline constexpr int kEffect = IDC_MOVE_EFFECT;
inline constexpr int kPower = IDC_MOVE_POWER;
inline constexpr int kType = IDC_MOVE_TYPE;
inline constexpr int kAccuracy = IDC_MOVE_ACCURACY;
inline constexpr int kPp = IDC_MOVE_PP;
inline constexpr int kEffectChance = IDC_MOVE_EFFECT_CHANCE;
inline constexpr int kStore = IDC_MOVE_STORE;
inline constexpr int kStoreRawBytes = IDC_MOVE_STORE_RAW;

// The edits of record bytes 0x06 to 0x0B, in byte order: the top row of the group, then the
// bottom row.
inline constexpr int kRawByteEdits[] = {IDC_MOVE_RAW_1, IDC_MOVE_RAW_2, IDC_MOVE_RAW_3,
                                        IDC_MOVE_RAW_4, IDC_MOVE_RAW_5, IDC_MOVE_RAW_6};

// Enabled only while the table is loaded.
inline constexpr int kAllControls[] = {kSelector,      kEffect,        kType,          kStore,          kPower,
                                       kAccuracy,      kPp,            kEffectChance,  IDC_MOVE_RAW_1,  IDC_MOVE_RAW_2,
                                       IDC_MOVE_RAW_3, IDC_MOVE_RAW_4, IDC_MOVE_RAW_5, IDC_MOVE_RAW_6,  kStoreRawBytes};

// A number edit is read with a buffer of 256 characters.
inline constexpr std::size_t kNumberInputLength = 255;
inline constexpr const char* kEffectListFile = "effects.ini";
} // namespace move_dialog
#endif
