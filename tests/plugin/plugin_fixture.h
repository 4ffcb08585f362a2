// SPDX-License-Identifier: Apache-2.0
// A simulated host environment with printers of each kind, and the plug-in
// loaded into it the way a driver host loads it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/driver_host/driver_host.h"
#include "host/driver_host/host_settings.h"
#include "pages/page_context.h"
#include "platform/platform.h"
#include "platform/process.h"
#include "platform/sim/public_record.h"
#include "settings/field_map.h"
#include "support/sim_env.h"

namespace orca::plugin {

inline constexpr char16_t kOrcaPrinter[] = u"Shipping ORCA";
inline constexpr char16_t kOnyxPrinter[] = u"Shipping ONYX";
inline constexpr char16_t kUnknownPrinter[] = u"Office Laser";

inline constexpr uint32_t kOrcaBlockSize = 50496;
inline constexpr uint32_t kOnyxBlockSize = 50464;

// Where a field of the public record lies.
inline uint32_t PublicOffset(settings::FieldId id) {
    if (const auto* row = settings::FindRow<settings::FieldRow>(settings::kPublicFields, id))
        return row->offset;
    return settings::FindRow<settings::DataRow>(settings::kPublicNames, id)->offset;
}

// Where a field of a language's block lies.
inline uint32_t OptionOffset(const settings::BlockLayout& layout, settings::FieldId id) {
    return settings::FindRow(layout.fields, id)->offset;
}

inline constexpr settings::FieldId kFieldsId = 34009;  // dmFields
inline constexpr settings::FieldId kSpeedId = 2000;    // btSpeed

// The environment and the loaded library, no plug-in object yet.
class PluginLibraryTest : public testsupport::SimEnvTest {
protected:
    void SetUp() override {
        AddPrinter(kOrcaPrinter, u"Kestrel(ORCA)");
        AddPrinter(kOnyxPrinter, u"Kestrel(ONYX)");
        AddPrinter(kUnknownPrinter, u"Generic Laser Driver");
        library_ = std::make_unique<driverhost::PluginLibrary>(ORCAUI_PATH);
        ASSERT_TRUE(library_->Loaded()) << library_->Error();
    }

    void TearDown() override { library_.reset(); }

    // A printer whose stored settings are a plain public record on paper 9.
    void AddPrinter(std::u16string name, std::u16string driver,
                    std::vector<platform::sim::Paper> papers = {}) {
        platform::sim::Printer printer;
        printer.settings = platform::sim::MakePublicRecord(name, 9, u"A4");
        printer.name = std::move(name);
        printer.driverName = std::move(driver);
        printer.papers = std::move(papers);
        Env().AddPrinter(std::move(printer));
    }

    // The printer as the simulated spooler keeps it now.
    platform::sim::Printer StoredPrinter(std::u16string_view name) {
        for (platform::sim::Printer& printer : Env().Printers()) {
            if (printer.name == name)
                return printer;
        }
        ADD_FAILURE() << "no printer of that name";
        return {};
    }

    // The host runs in the shell's process (fonts may be created and
    // deleted) or in an application's.
    void SetHostProcess(bool shell) {
        platform::sim::SystemFacts facts = Env().Facts();
        facts.processName = shell ? u"explorer.exe" : u"winword.exe";
        Env().SetFacts(facts);
    }

    driverhost::PluginLibrary& Library() { return *library_; }

    static void ClearLastError() { platform::Current().process->SetLastError(0); }
    static uint32_t LastError() { return platform::Current().process->LastError(); }

private:
    std::unique_ptr<driverhost::PluginLibrary> library_;
};

// One plug-in object made by the host, released after the test.
class PluginTest : public PluginLibraryTest {
protected:
    void SetUp() override {
        PluginLibraryTest::SetUp();
        object_.Reset(Library().CreateObject());
        ASSERT_TRUE(object_);
    }

    void TearDown() override {
        object_.Reset();
        PluginLibraryTest::TearDown();
    }

    IPrintOemUI2* Object() { return object_.get(); }
    // The plug-in object seen through an interface it offers its pages,
    // found in its type information as a caller outside the library finds it.
    template <typename Interface>
    static Interface* As(IPrintOemUI2* object) {
        auto* found = dynamic_cast<Interface*>(object);
        EXPECT_NE(found, nullptr);
        return found;
    }
    pages::PageContext& Context() { return *As<pages::PageContext>(Object()); }

    // The private block size the plug-in asks for on that printer.
    static DWORD PrivateSize(IPrintOemUI2* object, HANDLE printer) {
        OEMDMPARAM params = driverhost::DevModeParams(printer, nullptr, nullptr);
        EXPECT_EQ(object->DevMode(OEMDM_SIZE, &params), S_OK);
        return params.cbBufSize;
    }

    // Binds the object to printer and gives the host's records their defaults.
    void Defaults(HANDLE printer, driverhost::HostDevMode& records) {
        OEMDMPARAM params = driverhost::DevModeParams(printer, nullptr, &records);
        params.pPublicDMIn = records.Public();
        ASSERT_EQ(Object()->DevMode(OEMDM_DEFAULT, &params), S_OK);
    }

private:
    driverhost::PluginObject object_;
};

}  // namespace orca::plugin
