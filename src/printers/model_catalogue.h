// SPDX-License-Identifier: Apache-2.0
// The model catalogue: display name -> model factory. Names compare code unit
// by code unit, so lookup is case-sensitive. The process's catalogue holds the
// fifteen models of the model table, registered in table order before anything
// can look a name up; it is read-only afterwards and safe to share between
// threads.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "printers/printer_models.h"

namespace orca::printers {

class CModelCatalogue {
public:
    // Adds `name` unless it is registered already: the first registration wins.
    // False when the name was taken.
    bool Register(std::u16string_view name, ModelFactory factory);
    // The factory registered under exactly `name`, or null.
    ModelFactory Find(std::u16string_view name) const;
    std::size_t Size() const { return factories_.size(); }

private:
    std::map<std::u16string, ModelFactory, std::less<>> factories_;
};

// The process's catalogue of supported models.
const CModelCatalogue& ModelCatalogue();

}  // namespace orca::printers
