// SPDX-License-Identifier: Apache-2.0
// What the Option page asks of the plug-in object besides the settings: the
// printer's papers, making one of them the printer's paper, and the host's
// own orientation and form items.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orca::pages {

// One paper of the printer's paper list; sizes and margins in tenths of a
// millimetre, the margins from the spooler form of the same name.
struct PaperRecord {
    std::u16string name;
    int32_t width = 0;
    int32_t length = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    uint16_t paperId = 0;  // the platform's paper number; 256 is the user-defined paper

    friend bool operator==(const PaperRecord&, const PaperRecord&) = default;
};

class OptionServices {
public:
    virtual ~OptionServices() = default;

    // The printer's papers in the spooler's order (only the "Custom Paper-"
    // ones when customOnly).
    virtual void BuildPaperList(std::vector<PaperRecord>& list, bool customOnly) = 0;
    // Makes paper the printer's default paper and the sheet's paper: 1 when
    // it changed, 0 when nothing was written.
    virtual int ApplyPaperToPrinter(const PaperRecord& paper) = 0;
    // Selects index in the host's orientation item when apply is set (and
    // tells the host); answers the item's selection before (0 without one).
    virtual int SyncOrientation(int index, bool apply) = 0;
    // The paper size of the printer's stored default settings record, or -1
    // when it cannot be read.
    virtual int StoredPaperSize() = 0;
    // The form name selected in the host's own form item; empty without one.
    virtual std::u16string HostFormName() = 0;
};

}  // namespace orca::pages
