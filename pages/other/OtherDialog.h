// The other page's dialog template (OtherDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_OTHER 132
#define IDC_OTHER_CLASS_SELECTOR 1001
#define IDC_OTHER_CLASS_NAME 1002
#define IDC_OTHER_STORE_CLASS 1003
#define IDC_OTHER_MOVE_SELECTOR 1004
#define IDC_OTHER_MOVE_NAME 1005
#define IDC_OTHER_STORE_MOVE 1006
#define IDC_OTHER_LEFT_STARTER 1121
#define IDC_OTHER_CENTER_STARTER 1122
#define IDC_OTHER_RIGHT_STARTER 1123
#define IDC_OTHER_STORE_STARTERS 1124

#ifndef RC_INVOKED
#include <cstddef>

namespace other_dialog {
inline constexpr int kTemplateId = IDD_OTHER;

inline constexpr int kClassSelector = IDC_OTHER_CLASS_SELECTOR;
inline constexpr int kClassNameEdit = IDC_OTHER_CLASS_NAME;
inline constexpr int kStoreClassName = IDC_OTHER_STORE_CLASS;
inline constexpr int kMoveSelector = IDC_OTHER_MOVE_SELECTOR;
inline constexpr int kMoveNameEdit = IDC_OTHER_MOVE_NAME;
inline constexpr int kStoreMoveName = IDC_OTHER_STORE_MOVE;
inline constexpr int kLeftStarter = IDC_OTHER_LEFT_STARTER;
inline constexpr int kCenterStarter = IDC_OTHER_CENTER_STARTER;
inline constexpr int kRightStarter = IDC_OTHER_RIGHT_STARTER;
inline constexpr int kStoreStarters = IDC_OTHER_STORE_STARTERS;

// Left, centre, right: the order of the page's starter values.
inline constexpr int kStarterCombos[] = {kLeftStarter, kCenterStarter, kRightStarter};
inline constexpr int kAllControls[] = {kClassSelector, kClassNameEdit, kStoreClassName, kMoveSelector,
                                       kMoveNameEdit,  kStoreMoveName,  kLeftStarter,    kCenterStarter,
                                       kRightStarter,  kStoreStarters};

// The height of the class and move selectors' lists.
inline constexpr int kSelectorDropHeight = 200;
// A name edit is read with a buffer of 28 characters.
inline constexpr std::size_t kNameInputLength = 27;
} // namespace other_dialog
#endif
