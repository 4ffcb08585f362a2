// SPDX-License-Identifier: Apache-2.0
// The Language page: the language of every page of the plug-in.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Label(control::kLanguageLabel, u"Dialog box language", 7, 9, 100),
    Separator(control::kLanguageSeparator, 7, 22, 238),
    DropList(control::kLanguageList, 110, 7, 100),
};

}  // namespace

constexpr DialogTemplate kLanguage{148, u"Language", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
