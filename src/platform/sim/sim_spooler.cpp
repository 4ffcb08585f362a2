// SPDX-License-Identifier: Apache-2.0
// Printers, stored settings, device capabilities and forms of the simulated
// spooler; its raw jobs are in sim_jobs.cpp.
#include <algorithm>

#include "platform/errors.h"
#include "platform/sim/public_record.h"
#include "platform/sim/sim_spooler.h"
#include "text/case_fold.h"
#include "text/nocase.h"

namespace orca::platform::sim {
namespace {

// Form names hold at most 31 units, like the form name of the public record.
constexpr size_t kFormNameLimit = 32;

bool Fail(uint32_t error) {
    SetThreadLastError(error);
    return false;
}

uint32_t StringBytes(std::u16string_view s) {
    return uint32_t((s.size() + 1) * sizeof(char16_t));
}

uint32_t FormBytes(const FormInfo1& form) {
    return kFormInfo1Size + StringBytes(form.name);
}

// A device capability's answer: the number of papers (-1 for an unknown
// printer), and one entry per paper when there is an output.
template <typename T, typename Entry>
int32_t AnswerCapability(const std::optional<std::vector<Paper>>& papers, std::vector<T>* output,
                         Entry entry) {
    if (!papers) {
        return -1;
    }
    if (output != nullptr) {
        output->clear();
        for (const Paper& p : *papers) {
            output->push_back(entry(p));
        }
    }
    return int32_t(papers->size());
}

uintptr_t Key(PrinterHandle handle) {
    return reinterpret_cast<uintptr_t>(handle);
}

}  // namespace

bool FormMeasuresValid(const FormInfo1& form) {
    return form.width > 0 && form.height > 0 && form.left >= 0 && form.left < form.right &&
           form.right <= form.width && form.top >= 0 && form.top < form.bottom &&
           form.bottom <= form.height;
}

OpenPrinter* SimSpooler::Lookup(PrinterHandle handle) {
    const auto it = world_.printerHandles.find(Key(handle));
    if (it == world_.printerHandles.end() ||
        world_.FindPrinter(it->second.printerName) == nullptr) {
        SetThreadLastError(kErrorInvalidHandle);
        return nullptr;
    }
    return &it->second;
}

bool SimSpooler::Open(std::u16string_view printerName, PrinterHandle* handle) {
    std::lock_guard lock(world_.mutex);
    const Printer* printer = world_.FindPrinter(printerName);
    if (printer == nullptr || handle == nullptr) {
        return Fail(printer == nullptr ? kErrorInvalidPrinterName : kErrorInvalidParameter);
    }
    const uintptr_t key = world_.NewHandle();
    world_.printerHandles[key] = OpenPrinter{.printerName = printer->name, .job = std::nullopt};
    *handle = reinterpret_cast<PrinterHandle>(key);
    return true;
}

bool SimSpooler::Close(PrinterHandle handle) {
    std::lock_guard lock(world_.mutex);
    const auto it = world_.printerHandles.find(Key(handle));
    if (it == world_.printerHandles.end()) {
        return Fail(kErrorInvalidHandle);
    }
    if (it->second.job) {
        FinishJob(it->second);
    }
    world_.printerHandles.erase(it);
    return true;
}

bool SimSpooler::GetInfo2(PrinterHandle handle, uint32_t bufferSize, PrinterInfo2* info,
                          uint32_t* needed) {
    std::lock_guard lock(world_.mutex);
    *needed = 0;
    const OpenPrinter* open = Lookup(handle);
    if (open == nullptr) {
        return false;
    }
    const Printer& p = *world_.FindPrinter(open->printerName);
    *needed = kPrinterInfo2Size + StringBytes(p.name) + StringBytes(p.driverName) +
              StringBytes(p.portName) + uint32_t(p.settings.size());
    if (bufferSize < *needed || info == nullptr) {  // no buffer is a size query
        return Fail(kErrorInsufficientBuffer);
    }
    *info = PrinterInfo2{.printerName = p.name,
                         .driverName = p.driverName,
                         .portName = p.portName,
                         .devMode = p.settings};
    return true;
}

bool SimSpooler::GetInfo9Size(PrinterHandle handle, uint32_t* needed) {
    std::lock_guard lock(world_.mutex);
    const OpenPrinter* open = Lookup(handle);
    if (open == nullptr) {
        return false;
    }
    *needed = world_.FindPrinter(open->printerName)->perUserSettingsSize;
    return true;
}

bool SimSpooler::SetInfo2(PrinterHandle handle, const PrinterInfo2& info) {
    std::lock_guard lock(world_.mutex);
    const OpenPrinter* open = Lookup(handle);
    if (open == nullptr) {
        return false;
    }
    // No record keeps the stored one, as a null record pointer does.
    if (info.devMode.empty()) {
        return true;
    }
    if (!RecordSizesConsistent(info.devMode)) {
        return Fail(kErrorInvalidParameter);
    }
    world_.FindPrinter(open->printerName)->settings = info.devMode;
    return true;
}

std::optional<std::vector<Paper>> SimSpooler::PaperList(std::u16string_view device) {
    const Printer* printer = world_.FindPrinter(device);
    if (printer == nullptr) {
        SetThreadLastError(kErrorInvalidPrinterName);
        return std::nullopt;
    }
    std::vector<Paper> papers = printer->papers;
    for (const Form& f : world_.forms.Items()) {
        const bool builtIn = std::ranges::any_of(printer->papers, [&f](const Paper& p) {
            return text::EqualsIgnoringCase(p.name, f.info.name);
        });
        if (!builtIn) {
            papers.push_back(Paper{.number = f.number,
                                   .name = f.info.name,
                                   .width = f.info.width / 100,
                                   .length = f.info.height / 100});
        }
    }
    for (Paper& p : papers) {
        p.name.resize(std::min(p.name.size(), kPaperNameUnits));
    }
    return papers;
}

int32_t SimSpooler::PaperNames(std::u16string_view device, std::u16string_view,
                               std::vector<std::u16string>* names) {
    std::lock_guard lock(world_.mutex);
    return AnswerCapability(PaperList(device), names, [](const Paper& p) { return p.name; });
}

int32_t SimSpooler::PaperSizes(std::u16string_view device, std::u16string_view,
                               std::vector<PaperPoint>* sizes) {
    std::lock_guard lock(world_.mutex);
    return AnswerCapability(PaperList(device), sizes,
                            [](const Paper& p) { return PaperPoint{.x = p.width, .y = p.length}; });
}

int32_t SimSpooler::PaperNumbers(std::u16string_view device, std::u16string_view,
                                 std::vector<uint16_t>* numbers) {
    std::lock_guard lock(world_.mutex);
    return AnswerCapability(PaperList(device), numbers, [](const Paper& p) { return p.number; });
}

bool SimSpooler::AddForm1(PrinterHandle handle, const FormInfo1& form) {
    std::lock_guard lock(world_.mutex);
    if (Lookup(handle) == nullptr) {
        return false;
    }
    if (form.name.empty() || form.name.size() >= kFormNameLimit || form.flags == kFormBuiltin ||
        form.flags > kFormPrinter || !FormMeasuresValid(form)) {
        return Fail(kErrorInvalidParameter);
    }
    if (world_.FindForm(form.name) != nullptr) {
        return Fail(kErrorFileExists);
    }
    world_.forms.Put(Form{.info = form, .number = world_.FreeFormNumber()});
    return true;
}

bool SimSpooler::GetForm1(PrinterHandle handle, std::u16string_view name, uint32_t bufferSize,
                          FormInfo1* form, uint32_t* needed) {
    std::lock_guard lock(world_.mutex);
    *needed = 0;
    if (Lookup(handle) == nullptr) {
        return false;
    }
    const Form* found = world_.FindForm(name);
    if (found == nullptr) {
        return Fail(kErrorInvalidFormName);
    }
    *needed = FormBytes(found->info);
    if (bufferSize < *needed || form == nullptr) {
        return Fail(kErrorInsufficientBuffer);
    }
    *form = found->info;
    return true;
}

bool SimSpooler::SetForm1(PrinterHandle handle, std::u16string_view name, const FormInfo1& form) {
    std::lock_guard lock(world_.mutex);
    if (Lookup(handle) == nullptr) {
        return false;
    }
    Form* found = world_.FindForm(name);
    if (found == nullptr) {
        return Fail(kErrorInvalidFormName);
    }
    if (found->info.flags == kFormBuiltin || !FormMeasuresValid(form)) {
        return Fail(kErrorInvalidParameter);
    }
    found->info = FormInfo1{.flags = found->info.flags,
                            .name = found->info.name,
                            .width = form.width,
                            .height = form.height,
                            .left = form.left,
                            .top = form.top,
                            .right = form.right,
                            .bottom = form.bottom};
    return true;
}

bool SimSpooler::DeleteForm1(PrinterHandle handle, std::u16string_view name) {
    std::lock_guard lock(world_.mutex);
    if (Lookup(handle) == nullptr) {
        return false;
    }
    const Form* found = world_.FindForm(name);
    if (found == nullptr) {
        return Fail(kErrorInvalidFormName);
    }
    if (found->info.flags == kFormBuiltin) {
        return Fail(kErrorInvalidParameter);
    }
    world_.forms.Remove(FormKey(name));
    return true;
}

bool SimSpooler::EnumForms1(PrinterHandle handle, uint32_t bufferSize,
                            std::vector<FormInfo1>* forms, uint32_t* needed, uint32_t* returned) {
    std::lock_guard lock(world_.mutex);
    *needed = 0;
    *returned = 0;
    if (Lookup(handle) == nullptr) {
        return false;
    }
    for (const Form& f : world_.forms.Items()) {
        *needed += FormBytes(f.info);
    }
    if (world_.forms.Items().empty()) {
        if (forms != nullptr) {
            forms->clear();
        }
        return true;
    }
    if (bufferSize < *needed || forms == nullptr) {
        return Fail(kErrorInsufficientBuffer);
    }
    forms->clear();
    for (const Form& f : world_.forms.Items()) {
        forms->push_back(f.info);
    }
    *returned = uint32_t(forms->size());
    return true;
}

}  // namespace orca::platform::sim
