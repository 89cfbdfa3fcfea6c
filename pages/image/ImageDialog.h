// The page's dialog template (ImageDialog.rc) and its control ids, read by the resource
// compiler and by the code.
#pragma once

#define IDD_IMAGE 139
#define IDC_IMAGE_FRONT_ADDRESS 1136
#define IDC_IMAGE_SHOW 1137
#define IDC_IMAGE_IMPORT 1138
#define IDC_IMAGE_NORMAL_PALETTE_ADDRESS 1139
#define IDC_IMAGE_FRONT_NORMAL_VIEW 1140
#define IDC_IMAGE_NEXT 1141
#define IDC_IMAGE_PREVIOUS 1142
#define IDC_IMAGE_WRITE 1143
#define IDC_IMAGE_NORMAL_STRIP 1145
#define IDC_IMAGE_EXPORT 1146
#define IDC_IMAGE_BACK_ADDRESS 1147
#define IDC_IMAGE_SHINY_PALETTE_ADDRESS 1148
#define IDC_IMAGE_BACK_NORMAL_VIEW 1149
#define IDC_IMAGE_SHINY_STRIP 1150
#define IDC_IMAGE_FRONT_SHINY_VIEW 1151
#define IDC_IMAGE_BACK_SHINY_VIEW 1152
#define IDC_IMAGE_INDEX 1153
#define IDC_IMAGE_FRONT_SELECTED 1156
#define IDC_IMAGE_NORMAL_PALETTE_SELECTED 1157
#define IDC_IMAGE_BACK_SELECTED 1158
#define IDC_IMAGE_SHINY_PALETTE_SELECTED 1159
#define IDC_IMAGE_NO_COMPRESSION 1160
#define IDC_IMAGE_REPOINT_FRONT 1161
#define IDC_IMAGE_REPOINT_NORMAL_PALETTE 1162
#define IDC_IMAGE_REPOINT_BACK 1163
#define IDC_IMAGE_REPOINT_SHINY_PALETTE 1164
#define IDC_IMAGE_DOMAIN1 1165
#define IDC_IMAGE_DOMAIN2 1166
#define IDC_IMAGE_DOMAIN3 1167
#define IDC_IMAGE_APPEND 1168
#define IDC_IMAGE_IN_PLACE 1169

#ifndef RC_INVOKED
#include <array>
#include <cstddef>

namespace image_dialog {
inline constexpr int kTemplateId = IDD_IMAGE;

inline constexpr int kIndex = IDC_IMAGE_INDEX;
inline constexpr int kShow = IDC_IMAGE_SHOW;
inline constexpr int kPrevious = IDC_IMAGE_PREVIOUS;
inline constexpr int kNext = IDC_IMAGE_NEXT;
inline constexpr int kFrontSelected = IDC_IMAGE_FRONT_SELECTED;
inline constexpr int kNormalPaletteSelected = IDC_IMAGE_NORMAL_PALETTE_SELECTED;
inline constexpr int kBackSelected = IDC_IMAGE_BACK_SELECTED;
inline constexpr int kShinyPaletteSelected = IDC_IMAGE_SHINY_PALETTE_SELECTED;
inline constexpr int kImport = IDC_IMAGE_IMPORT;
inline constexpr int kExport = IDC_IMAGE_EXPORT;
inline constexpr int kWrite = IDC_IMAGE_WRITE;
inline constexpr int kNoCompression = IDC_IMAGE_NO_COMPRESSION;
inline constexpr int kInPlace = IDC_IMAGE_IN_PLACE;
inline constexpr int kAppend = IDC_IMAGE_APPEND;
inline constexpr int kFrontNormalView = IDC_IMAGE_FRONT_NORMAL_VIEW;
inline constexpr int kBackNormalView = IDC_IMAGE_BACK_NORMAL_VIEW;
inline constexpr int kFrontShinyView = IDC_IMAGE_FRONT_SHINY_VIEW;
inline constexpr int kBackShinyView = IDC_IMAGE_BACK_SHINY_VIEW;
inline constexpr int kNormalStrip = IDC_IMAGE_NORMAL_STRIP;
inline constexpr int kShinyStrip = IDC_IMAGE_SHINY_STRIP;

// In the order of the pointer tables: front picture, normal palette, back picture, shiny palette.
inline constexpr std::array<int, 4> kAddresses = {IDC_IMAGE_FRONT_ADDRESS, IDC_IMAGE_NORMAL_PALETTE_ADDRESS,
                                                  IDC_IMAGE_BACK_ADDRESS, IDC_IMAGE_SHINY_PALETTE_ADDRESS};
inline constexpr std::array<int, 4> kRePoints = {IDC_IMAGE_REPOINT_FRONT, IDC_IMAGE_REPOINT_NORMAL_PALETTE,
                                                 IDC_IMAGE_REPOINT_BACK, IDC_IMAGE_REPOINT_SHINY_PALETTE};
// Output modes 0 to 3.
inline constexpr std::array<int, 4> kOutputModes = {IDC_IMAGE_DOMAIN1, IDC_IMAGE_DOMAIN2, IDC_IMAGE_DOMAIN3,
                                                    IDC_IMAGE_APPEND};

// Every control the page enables and disables (the views and strips only show).
inline constexpr std::array<int, 25> kAllControls = {
    IDC_IMAGE_FRONT_ADDRESS, IDC_IMAGE_NORMAL_PALETTE_ADDRESS, IDC_IMAGE_BACK_ADDRESS, IDC_IMAGE_SHINY_PALETTE_ADDRESS,
    IDC_IMAGE_REPOINT_FRONT, IDC_IMAGE_REPOINT_NORMAL_PALETTE, IDC_IMAGE_REPOINT_BACK, IDC_IMAGE_REPOINT_SHINY_PALETTE,
    kIndex, kShow, kPrevious, kNext, kFrontSelected, kNormalPaletteSelected, kBackSelected, kShinyPaletteSelected,
    kImport, kExport, kWrite, kNoCompression, kInPlace,
    IDC_IMAGE_DOMAIN1, IDC_IMAGE_DOMAIN2, IDC_IMAGE_DOMAIN3, IDC_IMAGE_APPEND};

// Edits are read with buffers of this size less one.
inline constexpr std::size_t kNumberInputLength = 14;
} // namespace image_dialog
#endif
