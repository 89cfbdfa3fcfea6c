// The page's dialog template (ImageDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_IMAGE 139

#ifndef RC_INVOKED
namespace image_dialog {
inline constexpr int kTemplateId = IDD_IMAGE;
} // namespace image_dialog
#endif
