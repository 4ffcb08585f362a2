// SPDX-License-Identifier: Apache-2.0
// The printer models that drivers name: a driver lists a model map file
// (".lbpm") among its dependent files, whose "PrinterMap" section maps the
// driver's name to the display name of a printer model.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/cli/failure.h"
#include "platform/sim/environment.h"

namespace orca::host {

// The model display name the driver's map gives, else the driver's name.
std::u16string ModelOfDriver(const platform::sim::Environment& env, std::u16string_view driver);

// Whether the plug-in's model catalogue has that display name (spelled exactly).
bool IsKnownModel(std::u16string_view model);
// The catalogue's display names, for a message.
std::string KnownModels();

// Installs the driver when missing, with the plug-in and a model map among
// its dependent files; with a model, maps the driver's name to it. A model
// that would change what the driver's printers are is refused, naming them:
// every printer of a driver has the driver's model.
MaybeFailure InstallDriver(platform::sim::Environment& env, std::u16string_view driver,
                           std::u16string_view model);

// The standard papers that fit the model's paper extents (every standard
// paper for a model the plug-in does not know).
std::vector<platform::sim::Paper> PapersOfModel(std::u16string_view model);

}  // namespace orca::host
