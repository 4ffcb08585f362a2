// SPDX-License-Identifier: Apache-2.0
// The Language, Dithering and Version pages on a headless desktop, each
// sheet with a context of its own as the plug-in object gives it, and the
// host's sheets shaped as a real host shapes them.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "pages/dithering/dithering_page.h"
#include "pages/language_file.h"
#include "pages/page_context.h"
#include "pages/plugin_page.h"
#include "platform/sim/desktop.h"
#include "platform/sim/desktop_driver.h"
#include "resources/page_resources.h"
#include "settings/field_ids.h"
#include "support/fake_page_context.h"
#include "support/sim_env.h"

namespace orca::pages::testing {

inline constexpr char16_t kPrinter[] = u"Label1";

inline constexpr uint32_t kDitheringField = 2009;  // btDithering

// One sheet's plug-in object as its pages see it; these tests start in Chinese.
struct SheetContext : testsupport::FakePageContext {
    SheetContext() { language = kLanguageChinese; }
};

// The host's dithering item: the choices mirrored into it.
class RecordingDitheringOption : public HostDitheringOption {
public:
    std::vector<int> mirrored;
    void MirrorDithering(int choice) override { mirrored.push_back(choice); }
};

// A page of the plug-in that these tests do not exercise, standing in its
// tab with its own template, section and title.
class StandInPage : public CPluginPage {
public:
    StandInPage(PageContext& context, const resources::PageResource& resource)
        : CPluginPage(context, resource, {}) {}
};

class LanguageTest : public testsupport::SimEnvTest {
protected:
    LanguageTest();

    platform::sim::Desktop& Screen() { return *desktop_; }
    platform::sim::DesktopDriver& Driver() { return driver_; }

    // Hands the pages to the sheet after its host tabs, in order.
    void AddPages(platform::Window sheet, const std::vector<CPluginPage*>& pages);
    std::u16string Text(platform::Window dialog, int controlId);
    bool Visible(platform::Window dialog, int controlId);
    bool Checked(platform::Window dialog, int controlId);
    bool ApplyEnabled(platform::Window sheet);

private:
    std::shared_ptr<platform::sim::Desktop> desktop_;
    platform::sim::DesktopDriver driver_;
};

}  // namespace orca::pages::testing
