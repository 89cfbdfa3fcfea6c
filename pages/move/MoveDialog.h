// The page's dialog template (MoveDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_MOVE 135

#ifndef RC_INVOKED
namespace move_dialog {
inline constexpr int kTemplateId = IDD_MOVE;
} // namespace move_dialog
#endif
