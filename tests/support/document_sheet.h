// A plug-in object's document sheet as a driver host opens it on the
// headless desktop: the printer bound, the host's records sized and
// defaulted by the hooks, the common UI handed over and the plug-in's pages
// added behind the host's own tabs. Also the readings a test takes of the
// desktop's controls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/desktop.h"
#include "plugin/host_abi.h"
#include "support/host_harness.h"
#include "support/host_settings.h"

namespace orca::testsupport {

class HostDocumentSheet {
public:
    // Opens the sheet of object on the printer, on its first tab. prepare
    // may change the defaulted records before the pages are made.
    HostDocumentSheet(plugin::IPrintOemUI2* object, std::u16string_view printerName,
                      platform::sim::Desktop& desktop,
                      const std::function<void(HostDevMode&)>& prepare = {});
    HostDocumentSheet(const HostDocumentSheet&) = delete;
    HostDocumentSheet& operator=(const HostDocumentSheet&) = delete;

    // False when a hook failed.
    bool Opened() const { return opened_; }
    platform::Window Window() const { return sheet_; }
    HostDevMode& Records() { return *records_; }
    // The Apply button is enabled: a page told the sheet of a change.
    bool ApplyEnabled() const;

private:
    bool Open(plugin::IPrintOemUI2* object, std::u16string_view printerName,
              const std::function<void(HostDevMode&)>& prepare);

    platform::sim::Desktop& desktop_;
    RecordingDriverUI driverUI_;
    HostOptionItems items_;
    HostPrinter printer_;
    std::unique_ptr<HostDevMode> records_;
    plugin::OEMCUIPPARAM ui_{};
    platform::Window sheet_ = nullptr;
    bool opened_ = false;
};

using Texts = std::vector<std::u16string>;

// Readings of a control of a dialog or page.
std::u16string ControlText(platform::sim::Desktop& desktop, platform::Window dialog, int controlId);
bool ControlEnabled(platform::sim::Desktop& desktop, platform::Window dialog, int controlId);
// A list's or combo box's item texts, and the selected one ("" for none).
Texts ItemTexts(platform::sim::Desktop& desktop, platform::Window dialog, int controlId);
std::u16string SelectedItemText(platform::sim::Desktop& desktop, platform::Window dialog,
                                int controlId);
// The texts of the message boxes shown so far.
Texts MessageTexts(const platform::sim::Desktop& desktop);

}  // namespace orca::testsupport
