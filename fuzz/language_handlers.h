// SPDX-License-Identifier: Apache-2.0
// The settings handlers of both languages, wired as a printer model wires
// them, for the targets that drive settings blocks.
#pragma once

#include <array>
#include <memory>

#include "settings/barcode_font.h"
#include "settings/cmd_font.h"
#include "settings/dev_mode_language.h"

namespace orca::fuzzing {

template <typename Handler, typename Fonts>
std::unique_ptr<settings::CDevModeLanguage> MakeHandler() {
    auto handler = std::make_unique<Handler>();
    handler->AdoptFontHandlers(std::make_unique<Fonts>(handler.get()),
                               std::make_unique<settings::CCMDFontBase>(handler.get()));
    return handler;
}

// ORCA first, then ONYX; made once.
inline const std::array<std::unique_ptr<settings::CDevModeLanguage>, 2>& LanguageHandlers() {
    static const std::array<std::unique_ptr<settings::CDevModeLanguage>, 2> handlers = {
        MakeHandler<settings::CDevMode_ORCA, settings::CBarCodeFont_ORCA>(),
        MakeHandler<settings::CDevMode_ONYX, settings::CBarCodeFont_ONYX>(),
    };
    return handlers;
}

}  // namespace orca::fuzzing
