// The page's dialog template (TypeChartDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_TYPE_CHART 134
#define IDC_TYPE_CHART_LIST 1044
#define IDC_TYPE_CHART_ATTACKER 1045
#define IDC_TYPE_CHART_DEFENDER 1046
#define IDC_TYPE_CHART_MULTIPLIER 1047
#define IDC_TYPE_CHART_STORE 128
#define IDC_TYPE_CHART_REPOINT 1137

#ifndef RC_INVOKED
namespace type_chart_dialog {
inline constexpr int kTemplateId = IDD_TYPE_CHART;

inline constexpr int kList = IDC_TYPE_CHART_LIST;
inline constexpr int kAttacker = IDC_TYPE_CHART_ATTACKER;
inline constexpr int kDefender = IDC_TYPE_CHART_DEFENDER;
inline constexpr int kMultiplier = IDC_TYPE_CHART_MULTIPLIER;
inline constexpr int kStore = IDC_TYPE_CHART_STORE;
inline constexpr int kRePoint = IDC_TYPE_CHART_REPOINT;

// Enabled only while there are entries.
inline constexpr int kEditControls[] = {kAttacker, kDefender, kMultiplier, kStore, kRePoint};
// The list's columns: attacking type, defending type, multiplier (dialog units). Stops at 30
// and 60 would put a four-character type name ("ゴースト") past the next column's start.
inline constexpr int kListTabStops[] = {44, 88, 132};
} // namespace type_chart_dialog
#endif
