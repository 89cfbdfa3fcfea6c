#pragma once

#include "core/ui/Shell.h"

// A text document window: its class, its controls, and where they go when it is sized.
namespace text_document {

inline constexpr const char* kClassName = "TamblorTextDoc";

inline constexpr int kAddressLabel = 1;
inline constexpr int kAddressEdit = 56151;
inline constexpr int kLoadButton = 56153;
inline constexpr int kSaveButton = 56155;
inline constexpr int kTextEdit = 56156;

// Characters of the address edit that count.
inline constexpr std::size_t kAddressCharacters = 14;

DocumentWindowSpec windowSpec();

// The address edit, the two buttons and the text edit for a client area of width x height
// pixels: the buttons keep to the right edge, the text edit takes everything below the top row.
void layOut(IDialogControls& controls, int width, int height);

} // namespace text_document
