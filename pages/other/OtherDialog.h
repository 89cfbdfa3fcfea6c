#pragma once

#include <cstddef>

// The controls of the other page's dialog template.
namespace other_dialog {
inline constexpr int kTemplateId = 132;

inline constexpr int kClassSelector = 1001;
inline constexpr int kClassNameEdit = 1002;
inline constexpr int kStoreClassName = 1003;
inline constexpr int kMoveSelector = 1004;
inline constexpr int kMoveNameEdit = 1005;
inline constexpr int kStoreMoveName = 1006;
inline constexpr int kLeftStarter = 1121;
inline constexpr int kCenterStarter = 1122;
inline constexpr int kRightStarter = 1123;
inline constexpr int kStoreStarters = 1124;

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
