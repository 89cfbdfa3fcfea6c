// The page's dialog template (ItemDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_ITEM 136

#ifndef RC_INVOKED
namespace item_dialog {
inline constexpr int kTemplateId = IDD_ITEM;
} // namespace item_dialog
#endif
