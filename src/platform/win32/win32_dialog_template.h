// SPDX-License-Identifier: Apache-2.0
// In-memory extended dialog templates built from the template data, so that
// the system's dialog manager makes every page and dialog without a resource
// compiler.
#pragma once

#include <cstdint>
#include <vector>

#include "resources/bitmaps.h"
#include "resources/dialog_template.h"

namespace orca::platform::win32 {

// The dialog's own style bits for each way a template is shown.
enum class DialogKind { kPage, kModal, kChild };

// A DLGTEMPLATEEX with its items, DWORD-aligned as the dialog manager needs
// it (the vector's storage is aligned for any scalar). Pictures get no
// template text: their bitmaps are embedded, not module resources, and are
// set once the dialog exists.
std::vector<uint32_t> BuildDialogTemplate(const resources::DialogTemplate& dialog, DialogKind kind);

// The embedded bitmap a picture control names with "#id", or nullptr.
const resources::BitmapResource* PictureBitmap(const resources::ControlTemplate& control);

}  // namespace orca::platform::win32
