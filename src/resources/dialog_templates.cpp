// SPDX-License-Identifier: Apache-2.0
#include "resources/dialog_template.h"

#include "resources/templates/all_templates.h"

namespace orca::resources {
namespace {

using namespace templates;

constexpr const DialogTemplate* kTemplates[] = {
    &kVersion,         &kOption,    &kAdvancedOrca,  &kStocks,
    &kCustomCommand,   &kTools,     &kBarcodeFont,   &kBarcodeFonts,
    &kImport,          &kBarcode1D, &kBarcodePdf417, &kBarcodeDatamatrix,
    &kBarcodeMaxicode, &kBarcodeQr, &kDithering,     &kCommandFonts,
    &kCommandFont,     &kOtherOrca, &kLanguage,      &kAdvancedOnyx,
    &kOtherOnyx,
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate* dialog : kTemplates) {
        if (dialog->id == id) {
            return dialog;
        }
    }
    return nullptr;
}

}  // namespace orca::resources
