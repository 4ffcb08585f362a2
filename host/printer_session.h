// One printer as a driver host holds it while it works with the plug-in:
// the printer opened, one plug-in object bound to it, and the printer's
// settings records as the hooks give them — the block sized by the plug-in,
// its defaults, then the printer's stored settings merged in.
#pragma once

#include <memory>
#include <string>

#include "failure.h"
#include "support/host_harness.h"
#include "support/host_settings.h"

namespace orca::host {

class PrinterSession {
public:
    // Opens printerName (a name the spooler knows) and reads its settings.
    static std::unique_ptr<PrinterSession> Open(const testsupport::PluginLibrary& plugin,
                                                const std::u16string& printerName,
                                                Failure* failure);
    ~PrinterSession();
    PrinterSession(const PrinterSession&) = delete;
    PrinterSession& operator=(const PrinterSession&) = delete;

    plugin::IPrintOemUI2* Object() const { return object_.get(); }
    plugin::HANDLE Printer() const { return printer_.Handle(); }
    const std::u16string& Name() const { return name_; }
    // The public record with the private block behind it; no block when the
    // plug-in does not support the printer's model.
    testsupport::HostDevMode& Records() { return *records_; }
    testsupport::RecordingDriverUI& DriverInterface() { return driverUI_; }

    // Stores the records as the printer's default settings (SetPrinterW
    // level 2), as a host does when its printing defaults are applied.
    MaybeFailure StoreRecords();

private:
    explicit PrinterSession(const std::u16string& printerName)
        : name_(printerName), printer_(printerName) {}
    MaybeFailure ReadSettings(const testsupport::PluginLibrary& plugin);

    std::u16string name_;
    testsupport::RecordingDriverUI driverUI_;
    // Declared before the object, so that the object is released first.
    testsupport::HostPrinter printer_;
    testsupport::PluginObject object_;
    std::unique_ptr<testsupport::HostDevMode> records_;
};

}  // namespace orca::host
