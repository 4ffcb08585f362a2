#include "plugin/page_factory.h"

#include "pages/document/dithering_page.h"
#include "pages/document/language_page.h"
#include "pages/printer/version_page.h"
#include "plugin/oem_ui.h"

namespace orca::plugin {

namespace {

template <typename Page>
std::unique_ptr<pages::CPluginPage> Create(COemUI& ui) {
    return std::make_unique<Page>(ui);
}

std::unique_ptr<pages::CPluginPage> CreateDithering(COemUI& ui) {
    return std::make_unique<pages::CDocPage_Dithering>(ui, ui);
}

// One row per page switch whose pages exist.
constexpr std::array<PageCreatorRow, 3> kPageCreators{{
    {2062, CreateDithering, nullptr},
    {2063, Create<pages::CDocPage_Language>, nullptr},
    {2064, Create<pages::CProperty_Version>, Create<pages::CProperty_VersionOEM>},
}};

}  // namespace

const PageCreatorRow* FindPageCreators(settings::FieldId pageSwitch) {
    for (const PageCreatorRow& row : kPageCreators) {
        if (row.pageSwitch == pageSwitch)
            return &row;
    }
    return nullptr;
}

std::unique_ptr<pages::CPluginPage> CreateSwitchedPage(const PageCreatorRow& row,
                                                       uint8_t switchValue, COemUI& ui) {
    const PageCreator creator = switchValue == 1 ? row.forOne : row.forOther;
    return creator != nullptr ? creator(ui) : nullptr;
}

}  // namespace orca::plugin
