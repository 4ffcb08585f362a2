// SPDX-License-Identifier: Apache-2.0
// Which of a printer's property sheets: its printing preferences (the
// document sheet) or its properties (the printer sheet).
#pragma once

namespace orca::host {

enum class SheetKind { kDocument, kPrinter };

}  // namespace orca::host
