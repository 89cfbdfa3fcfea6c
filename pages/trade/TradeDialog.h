// The page's dialog template (TradeDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_TRADE 140

#ifndef RC_INVOKED
namespace trade_dialog {
inline constexpr int kTemplateId = IDD_TRADE;
} // namespace trade_dialog
#endif
