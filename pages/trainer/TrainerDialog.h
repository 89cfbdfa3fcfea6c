// The page's dialog template (TrainerDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_TRAINER 131

#ifndef RC_INVOKED
namespace trainer_dialog {
inline constexpr int kTemplateId = IDD_TRAINER;
} // namespace trainer_dialog
#endif
