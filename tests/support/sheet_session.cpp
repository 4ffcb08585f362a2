// SPDX-License-Identifier: Apache-2.0
#include "support/sheet_session.h"

namespace orca::testsupport {

SheetSession::SheetSession(platform::sim::Environment& env, driverhost::PluginLibrary& library,
                           std::u16string_view printerName, const SheetOpening& opening)
    : desktop_(platform::sim::AttachDesktop(env)), driver_(*desktop_) {
    object_.Reset(library.CreateObject());
    if (object_) {
        sheet_ = std::make_unique<PluginSheet>(object_.get(), printerName, *desktop_, opening);
    }
}

}  // namespace orca::testsupport
