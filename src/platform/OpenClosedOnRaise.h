#pragma once

#include "FileLayer.h"
#include "RunTimeError.h"

namespace quorvex {

// Runs `open` through `call`, which may raise after the open was done: the caller's events can
// raise while a wrapping layer waits for the call. An open that succeeded then is one the
// caller will never know of, so the file is closed again through `closer` instead of being
// left to hold it, and the call's failure is raised on.
template <typename Call, typename Open>
void openClosedOnRaise(FileLayer& closer, int number, Call call, Open open) {
    bool opened = false;
    try {
        call([&] {
            open();
            opened = true;
        });
    } catch (...) {
        if (opened) {
            try {
                closer.close(number);
            } catch (const RunTimeError&) {
                // Nothing was read or written through the file, so a failed close loses nothing.
            }
        }
        throw;
    }
}

}  // namespace quorvex
