// The page's dialog template (TypeChartDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_TYPE_CHART 134

#ifndef RC_INVOKED
namespace type_chart_dialog {
inline constexpr int kTemplateId = IDD_TYPE_CHART;
} // namespace type_chart_dialog
#endif
