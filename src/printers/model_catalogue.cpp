// SPDX-License-Identifier: Apache-2.0
#include "printers/model_catalogue.h"

#include <utility>

namespace orca::printers {
namespace {

template <std::size_t... Index>
void RegisterModels(CModelCatalogue& catalogue, std::index_sequence<Index...>) {
    (catalogue.Register(kModelTable[Index].displayName,
                        &CreatePrinter<static_cast<ModelId>(Index)>),
     ...);
}

// Fills the catalogue while the module loads, before any hook can look a name up.
[[maybe_unused]] const CModelCatalogue& loadedCatalogue = ModelCatalogue();

}  // namespace

bool CModelCatalogue::Register(std::u16string_view name, ModelFactory factory) {
    return factories_.try_emplace(std::u16string(name), factory).second;
}

ModelFactory CModelCatalogue::Find(std::u16string_view name) const {
    const auto found = factories_.find(name);
    return found != factories_.end() ? found->second : nullptr;
}

const CModelCatalogue& ModelCatalogue() {
    static const CModelCatalogue catalogue = [] {
        CModelCatalogue models;
        RegisterModels(models, std::make_index_sequence<kModelCount>());
        return models;
    }();
    return catalogue;
}

}  // namespace orca::printers
