// SPDX-License-Identifier: Apache-2.0
// Making and showing a page that translates 40 controls from its language
// file, as a sheet does, with the INI parse cache against a parse per lookup.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "pages/page_context.h"
#include "pages/plugin_page.h"
#include "platform/sim/desktop.h"
#include "platform/sim/environment.h"
#include "ratio_goal.h"
#include "resources/dialog_template.h"
#include "resources/page_resources.h"
#include "resources/string_table.h"
#include "resources/window_styles.h"
#include "text/ini.h"

namespace {

using namespace orca;

constexpr size_t kControls = 40;

// The named labels, groups and buttons of the barcode-font dialog and its
// symbology pages, all of one section, laid out as one page of labels.
std::vector<resources::ControlTemplate> NamedLabels() {
    std::vector<resources::ControlTemplate> labels;
    for (int id : {124, 129, 130, 131, 132, 133}) {
        for (const auto& control : resources::FindDialogTemplate(id)->controls) {
            const bool hasText = control.className != resources::kClassEdit &&
                                 control.className != resources::kClassComboBox;
            if (hasText && !resources::ControlName(control.id).empty() &&
                labels.size() < kControls) {
                labels.push_back({control.id, resources::kClassStatic,
                                  resources::WS_CHILD | resources::WS_VISIBLE, u"", 0,
                                  static_cast<int>(labels.size()) * 5, 100, 5});
            }
        }
    }
    return labels;
}

class Context : public pages::PageContext {
public:
    std::u16string_view PrinterName() const override { return u"Label1"; }
    int CurrentLanguage() const override { return pages::kLanguageEnglish; }
    void SetCurrentLanguage(int) override {}
    platform::Window LastShownDocumentPage() const override { return last_; }
    void SetLastShownDocumentPage(platform::Window page) override { last_ = page; }
    int32_t AccessValue(uint32_t, void*, int, bool) override { return -7; }
    int32_t AccessBytes(uint32_t, void*, uint32_t, int, bool) override { return -7; }

private:
    platform::Window last_ = nullptr;
};

class LabelsPage : public pages::CPluginPage {
public:
    LabelsPage(pages::PageContext& context, const resources::DialogTemplate& dialog)
        : CPluginPage(context, &dialog, resources::kDialogBarcodeFont.section,
                      {pages::kSkipEdits}) {}
};

// A simulated host with a desktop, over a directory removed at the end.
class Host {
public:
    Host()
        : root_(std::filesystem::temp_directory_path() /
                ("orca-page-bench-" + std::to_string(std::rand()))),
          env_(std::make_unique<platform::sim::Environment>(root_)),
          install_(*env_),
          desktop_(platform::sim::AttachDesktop(*env_)) {}
    ~Host() {
        desktop_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    platform::sim::Desktop& Screen() { return *desktop_; }

private:
    std::filesystem::path root_;
    std::unique_ptr<platform::sim::Environment> env_;
    platform::sim::ScopedInstall install_;
    std::shared_ptr<platform::sim::Desktop> desktop_;
};

void ShowPage(benchmark::State& state, bool cached) {
    Host host;
    Context context;
    const std::vector<resources::ControlTemplate> labels = NamedLabels();
    if (labels.size() != kControls) {
        state.SkipWithError("fewer named controls than the page needs");
        return;
    }
    const resources::DialogTemplate dialog{900, u"Labels", 252, 218, labels};
    text::ini::SetCacheEnabled(cached);
    for (auto _ : state) {
        LabelsPage page(context, dialog);
        platform::Window sheet = host.Screen().CreateSheet(u"Label1 Printing Preferences", {});
        host.Screen().AddPage(sheet, page.Handle());
        host.Screen().OpenSheet(sheet, 0);
        benchmark::DoNotOptimize(host.Screen().Text(
            host.Screen().Child(host.Screen().CurrentPage(sheet), labels.back().id)));
        host.Screen().Destroy(sheet);
    }
    text::ini::SetCacheEnabled(true);
}

void PageShow(benchmark::State& state) {
    ShowPage(state, true);
}
void PageShow_Baseline(benchmark::State& state) {
    ShowPage(state, false);
}

BENCHMARK(PageShow);
BENCHMARK(PageShow_Baseline);

[[maybe_unused]] const bool kGoal = bench::SetGoal("PageShow", {bench::Goal::Kind::kAtLeast, 40});

}  // namespace
