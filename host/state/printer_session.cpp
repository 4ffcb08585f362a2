// SPDX-License-Identifier: Apache-2.0
#include "host/state/printer_session.h"

#include <algorithm>
#include <vector>

#include "host/state/record_layout.h"
#include "platform/platform.h"
#include "platform/sim/public_record.h"
#include "platform/spooler.h"
#include "settings/byte_access.h"

namespace orca::host {
namespace {

using plugin::S_OK;

Failure HookFailure(const char* hook) {
    return Failure{kExitFailure, std::string("the plug-in's ") + hook + " hook failed"};
}

// The stored settings, or a plain public record when the printer has none.
std::vector<uint8_t> StoredSettings(plugin::HANDLE printer, const std::u16string& name) {
    platform::PrinterInfo2 info;
    if (platform::ReadPrinterInfo2(*platform::Current().spooler,
                                   static_cast<platform::PrinterHandle>(printer), &info) &&
        info.devMode.size() >= kPublicRecordFixedPart)
        return info.devMode;
    return platform::sim::MakePublicRecord(name, 0, {});
}

}  // namespace

std::unique_ptr<PrinterSession> PrinterSession::Open(const driverhost::PluginLibrary& plugin,
                                                     const std::u16string& printerName,
                                                     Failure* failure) {
    std::unique_ptr<PrinterSession> session(new PrinterSession(printerName));
    if (session->Printer() == nullptr) {
        *failure = Failure{kExitFailure, "the spooler cannot open the printer"};
        return nullptr;
    }
    if (auto failed = session->ReadSettings(plugin)) {
        *failure = *failed;
        return nullptr;
    }
    return session;
}

PrinterSession::~PrinterSession() = default;

MaybeFailure PrinterSession::ReadSettings(const driverhost::PluginLibrary& plugin) {
    object_.Reset(plugin.CreateObject());
    if (!object_)
        return Failure{kExitFailure, "the plug-in made no plug-in object"};
    if (object_->PublishDriverInterface(&driverUI_) != S_OK)
        return HookFailure("PublishDriverInterface");
    plugin::OEMDMPARAM size = driverhost::DevModeParams(Printer(), nullptr, nullptr);
    if (object_->DevMode(plugin::OEMDM_SIZE, &size) != S_OK)
        return HookFailure("DevMode size");
    records_ = std::make_unique<driverhost::HostDevMode>(size.cbBufSize, name_);

    // The public part the host keeps: the stored one, sized to this block.
    const std::vector<uint8_t> stored = StoredSettings(Printer(), name_);
    const uint16_t storedPublic = settings::LoadU16(stored.data() + kDmSizeOffset);
    const uint16_t storedPrivate = settings::LoadU16(stored.data() + kDmDriverExtraOffset);
    uint8_t* own = records_->Bytes().data();
    std::copy_n(stored.begin(), std::min<size_t>(storedPublic, kPublicRecordSize), own);
    settings::StoreU16(own + kDmSizeOffset, kPublicRecordSize);
    settings::StoreU16(own + kDmDriverExtraOffset, static_cast<uint16_t>(size.cbBufSize));

    plugin::OEMDMPARAM defaults = driverhost::DevModeParams(Printer(), nullptr, records_.get());
    defaults.pPublicDMIn = records_->Public();
    if (object_->DevMode(plugin::OEMDM_DEFAULT, &defaults) != S_OK)
        return HookFailure("DevMode defaults");
    if (storedPrivate == 0 || records_->Private() == nullptr)
        return std::nullopt;

    driverhost::HostDevMode in(storedPrivate, name_);
    std::copy_n(stored.begin(), std::min<size_t>(storedPublic, kPublicRecordSize),
                in.Bytes().data());
    settings::StoreU16(in.Bytes().data() + kDmSizeOffset, kPublicRecordSize);
    std::copy_n(stored.begin() + storedPublic, storedPrivate, in.Private());
    plugin::OEMDMPARAM merge = driverhost::DevModeParams(Printer(), &in, records_.get());
    if (object_->DevMode(plugin::OEMDM_MERGE, &merge) != S_OK)
        return HookFailure("DevMode merge");
    return std::nullopt;
}

MaybeFailure PrinterSession::StoreRecords() {
    platform::Spooler& spooler = *platform::Current().spooler;
    const auto handle = static_cast<platform::PrinterHandle>(Printer());
    platform::PrinterInfo2 info;
    if (!platform::ReadPrinterInfo2(spooler, handle, &info))
        return Failure{kExitFailure, "the spooler cannot read the printer's information"};
    info.devMode.assign(records_->Bytes().begin(), records_->Bytes().end());
    if (!spooler.SetInfo2(handle, info))
        return Failure{kExitFailure, "the spooler refused the printer's new default settings"};
    return std::nullopt;
}

}  // namespace orca::host
