// The page's dialog template (EggMoveDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_EGG_MOVE 138

#ifndef RC_INVOKED
namespace egg_move_dialog {
inline constexpr int kTemplateId = IDD_EGG_MOVE;
} // namespace egg_move_dialog
#endif
