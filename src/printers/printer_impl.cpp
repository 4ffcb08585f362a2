// SPDX-License-Identifier: Apache-2.0
#include "printers/printer_impl.h"

#include "platform/platform.h"
#include "settings/byte_access.h"
#include "settings/field_ids.h"

namespace orca::printers {

CPrinterImplBase::CPrinterImplBase() {
    ApplyCapabilitySet(Language::None);
}

CPrinterImplBase::~CPrinterImplBase() {
    settings_.reset();
    if (printer_ != nullptr) {
        if (platform::Spooler* spooler = platform::Current().spooler)
            spooler->Close(printer_);
    }
    commands_.reset();
}

std::int32_t CPrinterImplBase::AccessCapability(settings::FieldId id, void* buffer, std::int32_t,
                                                bool get) {
    if (id == settings::field::kCommandLanguage) {
        if (!get)
            return settings::kNotHandled;
        std::uint8_t language = static_cast<std::uint8_t>(Commands().GetCommandLanguage());
        return settings::CopyValue(&language, id, buffer, true);
    }
    const CapabilityRow* row = FindCapability(id);
    if (row == nullptr)
        return settings::kNotHandled;
    return settings::CopyValue(capabilities_.data() + row->offset, id, buffer, get);
}

std::int32_t CPrinterImplBase::AccessCapabilityData(settings::FieldId, void*, std::int32_t,
                                                    std::int32_t, bool) {
    return settings::kNotHandled;
}

std::int32_t CPrinterImplBase::SetModelDefaults() {
    return Settings().SetDefaults(nullptr);
}

std::int32_t CPrinterImplBase::AccessValue(settings::FieldId id, void* buffer, std::int32_t index,
                                           bool get) {
    std::int32_t result = AccessCapability(id, buffer, index, get);
    if (result != settings::kNotHandled)
        return result;
    result = Settings().AccessPublicField(id, buffer, get);
    if (result != settings::kNotHandled)
        return result;
    return Settings().AccessField(id, buffer, index, get);
}

std::int32_t CPrinterImplBase::AccessBytes(settings::FieldId id, void* buffer, std::int32_t length,
                                           std::int32_t index, bool get) {
    std::int32_t result = AccessCapabilityData(id, buffer, length, index, get);
    if (result != settings::kNotHandled)
        return result;
    result = Settings().AccessPublicName(id, buffer, length, get);
    if (result != settings::kNotHandled)
        return result;
    return Settings().AccessData(id, buffer, length, index, get);
}

settings::CDevModeBase& CPrinterImplBase::Settings() const {
    if (settings_ != nullptr)
        return *settings_;
    return settings::CDevMode_Null::Instance();
}

commands::CCommandSetBase& CPrinterImplBase::Commands() const {
    if (commands_ != nullptr)
        return *commands_;
    return commands::CCommandSetBase::Fallback();
}

void CPrinterImplBase::AttachPublicRecord(std::uint8_t* record) {
    if (settings_ != nullptr)
        settings_->AttachPublicRecord(record);
}

std::int32_t CPrinterImplBase::AttachBlock(std::uint8_t* block) {
    if (settings_ != nullptr)
        return settings_->AttachBlock(block);
    return settings::CDevMode_Null::Instance().AttachBlock(block);
}

void CPrinterImplBase::AdoptPrinterHandle(platform::PrinterHandle printer) {
    printer_ = printer;
    if (settings_ != nullptr)
        settings_->SetPrinterHandle(printer);
}

void CPrinterImplBase::AdoptComponents(std::unique_ptr<commands::CCommandSetBase> commands,
                                       std::unique_ptr<settings::CDevModeBase> settings) {
    commands_ = std::move(commands);
    settings_ = std::move(settings);
    if (settings_ != nullptr)
        settings_->SetPrinterHandle(printer_);
}

void CPrinterImplBase::ApplyCapabilitySet(Language language) {
    for (const CapabilityRow& row : kCapabilityRows)
        SetCapability(row.id, row.value[static_cast<std::size_t>(language)]);
}

void CPrinterImplBase::SetCapability(settings::FieldId id, std::uint32_t value) {
    const CapabilityRow* row = FindCapability(id);
    if (row != nullptr)
        settings::StoreUnsigned(capabilities_.data() + row->offset, settings::FieldWidth(id),
                                value);
}

std::int32_t CPrinterImpl_Null::AccessCapability(settings::FieldId, void*, std::int32_t, bool) {
    return settings::kNoWidth;
}

CPrinterImpl_Null& CPrinterImpl_Null::Shared() {
    static CPrinterImpl_Null shared;
    return shared;
}

}  // namespace orca::printers
