// SPDX-License-Identifier: Apache-2.0
// One printer as a driver host holds it while it works with the plug-in:
// the printer opened, one plug-in object bound to it, and the printer's
// settings records as the hooks give them — the block sized by the plug-in,
// its defaults, then the printer's stored settings merged in.
#pragma once

#include <memory>
#include <string>

#include "host/cli/failure.h"
#include "host/driver_host/driver_host.h"
#include "host/driver_host/host_settings.h"

namespace orca::host {

class PrinterSession {
public:
    // Opens printerName (a name the spooler knows) and reads its settings.
    static std::unique_ptr<PrinterSession> Open(const driverhost::PluginLibrary& plugin,
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
    driverhost::HostDevMode& Records() { return *records_; }
    driverhost::RecordingDriverUI& DriverInterface() { return driverUI_; }

    // Stores the records as the printer's default settings (SetPrinterW
    // level 2), as a host does when its printing defaults are applied.
    MaybeFailure StoreRecords();

private:
    explicit PrinterSession(const std::u16string& printerName)
        : name_(printerName), printer_(printerName) {}
    MaybeFailure ReadSettings(const driverhost::PluginLibrary& plugin);

    std::u16string name_;
    driverhost::RecordingDriverUI driverUI_;
    // Declared before the object, so that the object is released first.
    driverhost::HostPrinter printer_;
    driverhost::PluginObject object_;
    std::unique_ptr<driverhost::HostDevMode> records_;
};

}  // namespace orca::host
