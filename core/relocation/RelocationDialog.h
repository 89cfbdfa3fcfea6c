// The relocation dialog's template (RelocationDialog.rc) and its control ids, read by the
// resource compiler and by the code.
#pragma once

#define IDD_RELOCATION 133

#ifndef RC_INVOKED
namespace relocation_dialog {
inline constexpr int kTemplateId = IDD_RELOCATION;
} // namespace relocation_dialog
#endif
