// SPDX-License-Identifier: Apache-2.0
// Every dialog template of the module, one object per template.
#pragma once

#include "resources/dialog_template.h"

namespace orca::resources::templates {

extern const DialogTemplate kOption;
extern const DialogTemplate kAdvancedOrca;
extern const DialogTemplate kAdvancedOnyx;
extern const DialogTemplate kOtherOrca;
extern const DialogTemplate kOtherOnyx;
extern const DialogTemplate kTools;
extern const DialogTemplate kBarcodeFonts;
extern const DialogTemplate kCommandFonts;
extern const DialogTemplate kBarcodeFont;
extern const DialogTemplate kBarcode1D;
extern const DialogTemplate kBarcodePdf417;
extern const DialogTemplate kBarcodeDatamatrix;
extern const DialogTemplate kBarcodeMaxicode;
extern const DialogTemplate kBarcodeQr;
extern const DialogTemplate kDithering;
extern const DialogTemplate kCommandFont;
extern const DialogTemplate kCustomCommand;
extern const DialogTemplate kImport;
extern const DialogTemplate kLanguage;
extern const DialogTemplate kStocks;
extern const DialogTemplate kVersion;

}  // namespace orca::resources::templates
