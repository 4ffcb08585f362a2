// SPDX-License-Identifier: Apache-2.0
// Records a hook hands in only for the length of the call. The printer object
// keeps the sheet's records (those of the last CommonUIProp) for its pages;
// other hooks attach theirs while they run and then give the sheet's back, so
// no page ever writes into a record the host has since freed.
#pragma once

#include <cstdint>

#include "printers/printer_impl.h"

namespace orca::plugin {

class ScopedRecords {
public:
    // A null block keeps the block attached before.
    ScopedRecords(printers::CPrinterImplBase& printer, uint8_t* publicRecord, uint8_t* block)
        : printer_(printer),
          publicBefore_(printer.Settings().PublicRecord()),
          blockBefore_(printer.Settings().Block()) {
        printer_.AttachPublicRecord(publicRecord);
        if (block != nullptr)
            printer_.AttachBlock(block);
    }
    ~ScopedRecords() {
        printer_.AttachPublicRecord(publicBefore_);
        printer_.AttachBlock(blockBefore_);
    }
    ScopedRecords(const ScopedRecords&) = delete;
    ScopedRecords& operator=(const ScopedRecords&) = delete;

private:
    printers::CPrinterImplBase& printer_;
    uint8_t* publicBefore_;
    uint8_t* blockBefore_;
};

}  // namespace orca::plugin
