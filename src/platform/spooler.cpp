// SPDX-License-Identifier: Apache-2.0
#include "platform/spooler.h"

namespace orca::platform {

bool ReadPrinterInfo2(Spooler& spooler, PrinterHandle handle, PrinterInfo2* info) {
    uint32_t needed = 0;
    if (!spooler.GetInfo2(handle, 0, nullptr, &needed) && needed == 0) {
        return false;
    }
    return spooler.GetInfo2(handle, needed, info, &needed);
}

bool ReadForm1(Spooler& spooler, PrinterHandle handle, std::u16string_view name, FormInfo1* form) {
    uint32_t needed = 0;
    if (!spooler.GetForm1(handle, name, 0, nullptr, &needed) && needed == 0) {
        return false;
    }
    return spooler.GetForm1(handle, name, needed, form, &needed);
}

}  // namespace orca::platform
