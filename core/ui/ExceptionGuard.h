#pragma once

#include "core/ui/StatusLine.h"

#include <exception>

// Runs one message's handling so that no exception leaves a window or dialog procedure: it
// is reported on the status line and the message counts as handled with the fallback result.
template <typename Result, typename Handler>
Result guardedCall(IStatusLine* status, Result fallback, Handler&& handler)
{
    try {
        return handler();
    } catch (const std::exception& error) {
        statusPrint(status, "処理中に例外が発生しました。%s", error.what());
    } catch (...) {
        statusPrint(status, "処理中に例外が発生しました。");
    }
    return fallback;
}
