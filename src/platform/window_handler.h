// SPDX-License-Identifier: Apache-2.0
// What a dialog or page hears from the window system. The adapter calls the
// handler given when the window was made; every call names the handler's own
// window (self) and, for control notices, the control and its identifier.
#pragma once

#include "platform/window_types.h"

namespace orca::platform {

class WindowHandler {
public:
    virtual ~WindowHandler() = default;

    // The window and its children exist; nothing is shown yet.
    virtual void OnInit(Window self) = 0;
    // A child control reports an event.
    virtual void OnNotify(Window self, Window control, int controlId, Notification code) = 0;
    // A character typed into a child edit, before the edit sees it (backspace
    // is u'\b', Enter u'\r'); false drops it.
    virtual bool OnChar(Window self, Window control, int controlId, char16_t ch) = 0;
    // The window-shown notice: the window is being shown or hidden, or
    // someone sent the notice to make it refresh.
    virtual void OnShown(Window self, bool shown) = 0;
    // A page becomes the sheet's current page, or stops being it.
    virtual void OnActivate(Window self, bool active) = 0;
    // The sheet's Apply or OK; false keeps the sheet open.
    virtual bool OnApply(Window self) = 0;
    // Mouse over the window itself, in its client coordinates.
    virtual void OnMouse(Window self, MouseEvent event, Point at) = 0;
    // The window is going away; it and its children still exist. Last call.
    virtual void OnDestroy(Window self) = 0;
};

}  // namespace orca::platform
