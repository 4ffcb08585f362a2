// SPDX-License-Identifier: Apache-2.0
// The stable keyword of a value a page offers: its English text, whatever
// the language the sheet shows, so that a script's values hold after a
// language switch.
#pragma once

#include <string>
#include <string_view>

namespace orca::host {

// The English text of a text the pages show in the other language (the
// same key of the same section of the plug-in's two language texts); the
// text itself when it is English or of no language text.
std::string ChoiceKeyword(std::string_view shown);

}  // namespace orca::host
