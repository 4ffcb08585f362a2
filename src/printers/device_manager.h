// SPDX-License-Identifier: Apache-2.0
// The device manager creates, keeps and destroys the printer objects of the
// plug-in objects. A plug-in object registers its printer once and keeps the
// entry it gets back; the entry's address is its handle. Registering resolves
// the printer's model: the driver name is mapped to a model's display name
// through the driver's model map file (".lbpm", section "PrinterMap"), the
// model catalogue creates the printer object and the printer is opened. An
// unknown model or a printer that cannot be opened gets CPrinterImpl_Null.
//
// The map of entries is touched only under the manager's lock; printer objects
// themselves have no lock.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>

#include "printers/printer_impl.h"
#include "printers/thread_locker.h"

namespace orca::printers {

// Remove() of an entry the manager does not hold.
inline constexpr std::int32_t kUnknownEntry = -1;
// ReleaseEntry() of an entry the manager does not hold.
inline constexpr std::int32_t kReleaseUnknownEntry = -4;

// The cell a plug-in object keeps: it owns one printer object.
class CDeviceEntry {
public:
    explicit CDeviceEntry(std::unique_ptr<CPrinterImplBase> printer)
        : printer_(std::move(printer)) {}

    CPrinterImplBase& Printer() const { return *printer_; }

private:
    std::unique_ptr<CPrinterImplBase> printer_;
};

class CDeviceManager {
public:
    CDeviceManager();
    // Destroys every printer object still registered (closing its printer).
    ~CDeviceManager();
    CDeviceManager(const CDeviceManager&) = delete;
    CDeviceManager& operator=(const CDeviceManager&) = delete;

    // The process's device manager, created on first use.
    static CDeviceManager& Instance();

    // Resolves the model, creates and stores the printer object; never null.
    CDeviceEntry* Register(std::u16string_view printerName, std::u16string_view driverName);
    // The entry when this manager holds it, else null.
    CDeviceEntry* Find(const CDeviceEntry* entry);
    // Destroys the entry and its printer object: kDone, or kUnknownEntry.
    std::int32_t Remove(const CDeviceEntry* entry);
    // As Remove, answering kReleaseUnknownEntry for an entry it does not hold.
    std::int32_t ReleaseEntry(const CDeviceEntry* entry);

    // The printer object of the printer's model, with the printer opened; a
    // CPrinterImpl_Null for an unknown model or a printer that cannot be opened.
    std::unique_ptr<CPrinterImplBase> ResolvePrinter(std::u16string_view printerName,
                                                     std::u16string_view driverName);

private:
    // Whether the system is 64-bit, decided once per manager from the system's
    // answers; the process has one manager, so it is decided once per process.
    bool Is64BitSystem();
    // The display name the driver's model map gives the driver, or the driver name.
    std::u16string LookupName(std::u16string_view driverName);

    CThreadLocker lock_;
    std::map<const CDeviceEntry*, std::unique_ptr<CDeviceEntry>> entries_;
    // Unknown (-1), no (0) or yes (1). Threads that ask at once may each decide,
    // and decide the same; no once-flag, whose thread-local state the C++
    // runtime would keep after an unload of the module.
    std::atomic<int> platform64_{-1};
};

}  // namespace orca::printers
