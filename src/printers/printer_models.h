// SPDX-License-Identifier: Apache-2.0
// The printer objects of the supported models. Every model is a row of the model
// table (printer_models_table.h); its class builds the components of the row's
// language, applies the language's capability set and the row's overrides, and
// writes the row's defaults after the language defaults.
#pragma once

#include <memory>

#include "printers/printer_impl.h"
#include "printers/printer_models_table.h"

namespace orca::printers {

class CPrinterModel : public CPrinterImplBase {
public:
    explicit CPrinterModel(const ModelRow& row);

    // The language defaults, then the row's defaults through AccessValue, so they
    // land in the attached private block.
    std::int32_t SetModelDefaults() override;

private:
    const ModelRow& row_;
};

template <ModelId Model>
class CPrinterOf final : public CPrinterModel {
public:
    CPrinterOf() : CPrinterModel(ModelRowOf(Model)) {}
};

using CPrinter_Kestrel_ORCA = CPrinterOf<ModelId::Kestrel_ORCA>;
using CPrinter_Condor_300DPI_ORCA = CPrinterOf<ModelId::Condor_300DPI_ORCA>;
using CPrinter_Condor_203DPI_ORCA = CPrinterOf<ModelId::Condor_203DPI_ORCA>;
using CPrinter_Kestrel_ONYX = CPrinterOf<ModelId::Kestrel_ONYX>;
using CPrinter_Heron_ONYX = CPrinterOf<ModelId::Heron_ONYX>;
using CPrinter_Osprey_ORCA = CPrinterOf<ModelId::Osprey_ORCA>;
using CPrinter_Heron_ORCA = CPrinterOf<ModelId::Heron_ORCA>;
using CPrinter_KestrelPlus_ONYX = CPrinterOf<ModelId::KestrelPlus_ONYX>;
using CPrinter_MerlinPlus_ONYX = CPrinterOf<ModelId::MerlinPlus_ONYX>;
using CPrinter_Plover_203DPI_ONYX = CPrinterOf<ModelId::Plover_203DPI_ONYX>;
using CPrinter_Plover_300DPI_ORCA = CPrinterOf<ModelId::Plover_300DPI_ORCA>;
using CPrinter_Plover_203DPI_ORCA = CPrinterOf<ModelId::Plover_203DPI_ORCA>;
using CPrinter_Egret_ORCA = CPrinterOf<ModelId::Egret_ORCA>;
using CPrinter_Ibis_ORCA = CPrinterOf<ModelId::Ibis_ORCA>;
using CPrinter_Crane_ORCA = CPrinterOf<ModelId::Crane_ORCA>;

// A model factory: creates a printer object of the model's class.
using ModelFactory = std::unique_ptr<CPrinterImplBase> (*)();

template <ModelId Model>
std::unique_ptr<CPrinterImplBase> CreatePrinter() {
    return std::make_unique<CPrinterOf<Model>>();
}

}  // namespace orca::printers
