// SPDX-License-Identifier: Apache-2.0
// Arbitrary bytes as a printer's stored default settings (the public record
// with whatever private data it says follows), read as the plug-in reads them
// when the host attaches no records: every public field and name, and the
// private block of both languages, which always comes back whole and sound.
// Then merged as a host merges them (host_merge.h): the private data the
// record holds is the input block, whatever the block claims, laid out as the
// input's second byte chooses.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "host_merge.h"
#include "language_handlers.h"
#include "platform/sim/environment.h"
#include "settings/byte_access.h"
#include "settings/dev_mode_language.h"
#include "settings/field_map.h"

namespace {

using namespace orca::settings;
namespace sim = orca::platform::sim;

using orca::fuzzing::Check;

// The private data behind the stored public record, as far as the bytes go.
std::span<const uint8_t> StoredPrivate(std::span<const uint8_t> stored) {
    if (stored.size() < kOffsetDmDriverExtra + 2)
        return {};
    const size_t start = std::min<size_t>(LoadU16(&stored[kOffsetDmSize]), stored.size());
    const size_t extra = LoadU16(&stored[kOffsetDmDriverExtra]);
    return stored.subspan(start, std::min(extra, stored.size() - start));
}

// One environment for the run, over a root of its own.
sim::Environment& Env() {
    static sim::Environment* env = [] {
        char root[] = "/tmp/orca-fuzz-XXXXXX";
        auto* made = new sim::Environment(::mkdtemp(root));
        sim::Install(made);
        return made;
    }();
    return *env;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sim::Printer printer;
    printer.name = u"Label";
    printer.driverName = u"Label driver";
    printer.settings.assign(data, data + size);
    // Large enough that the stored block counts, unless the input's first byte says not.
    printer.perUserSettingsSize = size > 0 && data[0] == 0 ? 0 : 60000;
    Env().AddPrinter(printer);
    orca::platform::PrinterHandle handle = nullptr;
    Check(Env().GetPorts().spooler->Open(u"Label", &handle));

    // The host's public record: the stored one as far as it goes.
    std::vector<uint8_t> publicIn(kPublicRecordSize, 0);
    std::copy_n(data, std::min<size_t>(size, kPublicRecordSize), publicIn.begin());
    for (const auto& handler : orca::fuzzing::LanguageHandlers()) {
        handler->SetPrinterHandle(handle);
        for (const FieldRow& row : kPublicFields) {
            uint32_t value = 0;
            const int32_t read = handler->AccessPublicField(row.id, &value, true);
            Check(read == kDone || read == kNotAttached);
        }
        for (const DataRow& row : kPublicNames) {
            std::vector<uint8_t> name(row.size + 2, 0xEE);
            const int32_t read =
                handler->AccessPublicName(row.id, name.data(), int32_t(row.size), true);
            Check(name[row.size] == 0xEE && name[row.size + 1] == 0xEE);
            Check(read == kDone || read == kNotAttached || read >= 0);
        }
        std::vector<uint8_t> block;
        Check(handler->ReadStoredBlock(block) == kDone);
        orca::fuzzing::CheckValid(block, handler->Layout());
        handler->SetPrinterHandle(nullptr);

        orca::fuzzing::MergeAsHost(*handler, publicIn, StoredPrivate({data, size}),
                                   size > 1 ? data[1] : 0);
    }
    Env().GetPorts().spooler->Close(handle);
    return 0;
}
