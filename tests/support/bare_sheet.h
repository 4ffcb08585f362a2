// SPDX-License-Identifier: Apache-2.0
// A document sheet's settings without a host: a printer object of a real
// model over records of its own, each between guard bytes that nothing may
// touch, and the printer's papers as the spooler lists them. Header-only, for
// the fuzz targets and benchmarks that drive the settings file directly,
// with the environment they run in.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "pages/option_services.h"
#include "pages/page_context.h"
#include "platform/platform.h"
#include "platform/sim/environment.h"
#include "printers/model_catalogue.h"
#include "printers/printer_impl.h"
#include "settings/field_map.h"

namespace orca::testsupport {

// A simulated environment of its own below the temporary directory, installed
// while it lives, with one printer (no driver, no papers) opened.
class BareEnvironment {
public:
    explicit BareEnvironment(std::u16string printerName, std::string_view purpose)
        : root_(std::filesystem::temp_directory_path() /
                ("orca-" + std::string(purpose) + "-" + std::to_string(::getpid()))),
          env_((std::filesystem::create_directories(root_), root_)),
          install_(env_) {
        platform::sim::Printer printer;
        printer.name = std::move(printerName);
        env_.AddPrinter(printer);
        platform::Current().spooler->Open(printer.name, &handle_);
    }
    ~BareEnvironment() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    BareEnvironment(const BareEnvironment&) = delete;
    BareEnvironment& operator=(const BareEnvironment&) = delete;

    platform::sim::Environment& Env() { return env_; }
    std::filesystem::path Path(std::string_view name) const { return root_ / name; }
    platform::PrinterHandle Printer() const { return handle_; }

private:
    std::filesystem::path root_;
    platform::sim::Environment env_;
    platform::sim::ScopedInstall install_;
    platform::PrinterHandle handle_ = nullptr;
};

class BareSheet : public pages::PageContext, public pages::OptionServices {
public:
    static constexpr size_t kGuard = 64;
    static constexpr uint8_t kGuardByte = 0xA5;

    // model: a model of the catalogue; printer: the spooler's name of the
    // printer whose papers the sheet lists.
    BareSheet(std::u16string_view model, std::u16string printer)
        : printer_(printers::ModelCatalogue().Find(model)()),
          name_(std::move(printer)),
          public_(settings::kPublicRecordSize + 2 * kGuard, kGuardByte),
          block_(printer_->Settings().GetPrivateSize() + 2 * kGuard, kGuardByte) {
        // memset, as a fuzz build's coverage counters would slow a byte loop.
        std::memset(public_.data() + kGuard, 0, public_.size() - 2 * kGuard);
        std::memset(block_.data() + kGuard, 0, block_.size() - 2 * kGuard);
        printer_->AttachPublicRecord(public_.data() + kGuard);
        printer_->AttachBlock(block_.data() + kGuard);
        printer_->SetModelDefaults();
    }

    // Both records with their guards.
    std::vector<uint8_t> Records() const {
        std::vector<uint8_t> bytes = public_;
        bytes.insert(bytes.end(), block_.begin(), block_.end());
        return bytes;
    }
    bool GuardsIntact() const {
        for (const std::vector<uint8_t>* record : {&public_, &block_}) {
            for (size_t i = 0; i < kGuard; ++i) {
                if ((*record)[i] != kGuardByte || (*record)[record->size() - 1 - i] != kGuardByte)
                    return false;
            }
        }
        return true;
    }

    // PageContext.
    std::u16string_view PrinterName() const override { return name_; }
    int CurrentLanguage() const override { return 1; }
    void SetCurrentLanguage(int) override {}
    platform::Window LastShownDocumentPage() const override { return nullptr; }
    void SetLastShownDocumentPage(platform::Window) override {}
    int32_t AccessValue(uint32_t fieldId, void* buffer, int index, bool get) override {
        return printer_->AccessValue(fieldId, buffer, index, get);
    }
    int32_t AccessBytes(uint32_t fieldId, void* buffer, uint32_t length, int index,
                        bool get) override {
        return printer_->AccessBytes(fieldId, buffer, static_cast<int32_t>(length), index, get);
    }

    // OptionServices: the papers by name only; choices are accepted and not kept.
    void BuildPaperList(std::vector<pages::PaperRecord>& list, bool) override {
        list.clear();
        std::vector<std::u16string> names;
        platform::Current().spooler->PaperNames(name_, u"", &names);
        for (std::u16string& name : names)
            list.push_back({.name = std::move(name)});
    }
    int ApplyPaperToPrinter(const pages::PaperRecord&) override { return 1; }
    int SyncOrientation(int index, bool) override { return index; }
    int StoredPaperSize() override { return -1; }
    std::u16string HostFormName() override { return {}; }

private:
    std::unique_ptr<printers::CPrinterImplBase> printer_;
    std::u16string name_;
    std::vector<uint8_t> public_;
    std::vector<uint8_t> block_;
};

}  // namespace orca::testsupport
