// Arbitrary bytes as a printer's stored default settings (the public record
// with whatever private data it says follows), read as the plug-in reads them
// when the host attaches no records: every public field and name, and the
// private block of both languages, which always comes back whole and sound.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "language_handlers.h"
#include "platform/sim/environment.h"
#include "settings/byte_access.h"
#include "settings/dev_mode_language.h"
#include "settings/field_map.h"

namespace {

using namespace orca::settings;
namespace sim = orca::platform::sim;

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
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
        const BlockLayout& layout = handler->Layout();
        Check(block.size() == layout.size);
        Check(LoadU32(&block[kOffsetSize]) == layout.size);
        Check(LoadU32(&block[kOffsetSignature]) == kSignature);
        Check(block[kOffsetBarcodeCount] <= kRecordCount);
        Check(block[kOffsetCmdFontCount] <= kRecordCount);
        handler->SetPrinterHandle(nullptr);
    }
    Env().GetPorts().spooler->Close(handle);
    return 0;
}
