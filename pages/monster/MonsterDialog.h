// The page's dialog template (MonsterDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_MONSTER 137

#ifndef RC_INVOKED
namespace monster_dialog {
inline constexpr int kTemplateId = IDD_MONSTER;
} // namespace monster_dialog
#endif
