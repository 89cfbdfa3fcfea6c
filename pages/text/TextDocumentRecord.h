#pragma once

#include "core/ui/PageHost.h"

#include <cstdint>

// What the text editor keeps of one open document window.
struct HWND_DATA {
    WindowHandle window = nullptr;
    // The "DocNo" of the caption.
    std::int32_t documentNumber = 0;
    // Bytes of the loaded text before its end byte; 0 until the first load.
    std::int32_t allowedBytes = 0;
};
