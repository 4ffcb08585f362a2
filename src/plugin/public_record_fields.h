// SPDX-License-Identifier: Apache-2.0
// The fields of a public settings record (220 bytes, the host's layout) that
// the plug-in object changes itself, in the printer's stored settings and in
// the sheet's record.
#pragma once

#include <cstdint>

#include "pages/option_services.h"

namespace orca::plugin {

uint32_t RecordFields(const uint8_t* record);
void SetRecordFields(uint8_t* record, uint32_t fields);
int16_t RecordPaperSize(const uint8_t* record);
// dmPaperSize, dmPaperLength, dmPaperWidth and dmFormName (the name's first
// 31 units, zero-filled).
void WritePaperChoice(uint8_t* record, const pages::PaperRecord& paper);

}  // namespace orca::plugin
