// SPDX-License-Identifier: Apache-2.0
#include "printers/printer_models.h"

#include <array>

#include "commands/command_set_onyx.h"
#include "commands/command_set_orca.h"
#include "settings/barcode_font.h"
#include "settings/byte_access.h"
#include "settings/cmd_font.h"
#include "settings/dev_mode_language.h"
#include "settings/field_ids.h"

namespace orca::printers {
namespace {

// The components every model of a language shares.
struct LanguageComponents {
    std::unique_ptr<commands::CCommandSetBase> (*commands)();
    std::unique_ptr<settings::CDevModeBase> (*settings)();
    std::unique_ptr<settings::CBarCodeFontBase> (*barcodeFonts)(settings::CDevModeBase* owner);
};

template <typename Made, typename Base, typename... Args>
std::unique_ptr<Base> Make(Args... args) {
    return std::make_unique<Made>(args...);
}

constexpr LanguageComponents kOrcaComponents{
    Make<commands::CCommandSet_ORCA, commands::CCommandSetBase>,
    Make<settings::CDevMode_ORCA, settings::CDevModeBase>,
    Make<settings::CBarCodeFont_ORCA, settings::CBarCodeFontBase, settings::CDevModeBase*>,
};

constexpr LanguageComponents kOnyxComponents{
    Make<commands::CCommandSet_ONYX, commands::CCommandSetBase>,
    Make<settings::CDevMode_ONYX, settings::CDevModeBase>,
    Make<settings::CBarCodeFont_ONYX, settings::CBarCodeFontBase, settings::CDevModeBase*>,
};

const LanguageComponents& ComponentsOf(Language language) {
    return language == Language::Onyx ? kOnyxComponents : kOrcaComponents;
}

}  // namespace

CPrinterModel::CPrinterModel(const ModelRow& row) : row_(row) {
    const LanguageComponents& components = ComponentsOf(row.language);
    std::unique_ptr<commands::CCommandSetBase> commands = components.commands();
    std::unique_ptr<settings::CDevModeBase> settings = components.settings();
    std::unique_ptr<settings::CBarCodeFontBase> barcodeFonts =
        row.plainBarcodeCatalogue ? std::make_unique<settings::CBarCodeFontBase>(settings.get())
                                  : components.barcodeFonts(settings.get());
    settings->AdoptFontHandlers(std::move(barcodeFonts),
                                std::make_unique<settings::CCMDFontBase>(settings.get()));
    AdoptComponents(std::move(commands), std::move(settings));

    ApplyCapabilitySet(row.language);
    SetCapability(settings::field::kSpeedList, row.speedList);
    if (const std::optional<PaperExtents>& extents = row.paperExtents) {
        SetCapability(settings::field::kLongestPaper, static_cast<std::uint16_t>(extents->longest));
        SetCapability(settings::field::kWidestPaper, static_cast<std::uint16_t>(extents->widest));
        SetCapability(settings::field::kShortestPaper,
                      static_cast<std::uint16_t>(extents->shortest));
        SetCapability(settings::field::kNarrowestPaper,
                      static_cast<std::uint16_t>(extents->narrowest));
    }
    for (const FieldValue& value : row.overrides)
        SetCapability(value.id, value.value);
}

std::int32_t CPrinterModel::SetModelDefaults() {
    const std::int32_t result = CPrinterImplBase::SetModelDefaults();
    if (result != settings::kDone)
        return result;
    for (const FieldValue& value : row_.defaults) {
        std::array<std::uint8_t, 8> bytes{};
        settings::StoreUnsigned(bytes.data(), settings::FieldWidth(value.id), value.value);
        AccessValue(value.id, bytes.data(), 0, false);
    }
    return result;
}

}  // namespace orca::printers
