// SPDX-License-Identifier: Apache-2.0
#include "host/driver_host/host_settings.h"

#include <algorithm>
#include <new>

namespace orca::driverhost {

using plugin::DEVMODEW;

HostDevMode::HostDevMode(uint32_t privateSize, std::u16string_view deviceName, uint8_t fill)
    : bytes_(sizeof(DEVMODEW) + privateSize, fill) {
    auto* record = new (bytes_.data()) DEVMODEW{};
    const size_t units = std::min(deviceName.size(), std::size(record->dmDeviceName) - 1);
    std::copy_n(deviceName.begin(), units, record->dmDeviceName);
    record->dmSize = sizeof(DEVMODEW);
    record->dmDriverExtra = static_cast<plugin::WORD>(privateSize);
}

BackToBackRecords::BackToBackRecords(bool apart, uint32_t gap, uint32_t held, uint32_t outSize)
    : apartRecord_(apart ? sizeof(DEVMODEW) : 0),
      record_(apart ? &apartRecord_ : &bytes_),
      held_(held),
      outSize_(outSize) {
    const size_t before = apart ? 0 : sizeof(DEVMODEW) + gap;
    bytes_.assign(before + held + outSize, 0);
    auto* record = new (record_->data()) DEVMODEW{};
    record->dmSize = sizeof(DEVMODEW);
    record->dmDriverExtra = static_cast<plugin::WORD>(apart ? held : gap + held);
    privateIn_ = bytes_.data() + before;
}

plugin::OEMDMPARAM BackToBackRecords::Params(plugin::HANDLE printer, DEVMODEW* publicOut) {
    plugin::OEMDMPARAM params{};
    params.cbSize = sizeof(params);
    params.hPrinter = printer;
    params.pPublicDMIn = PublicIn();
    params.pOEMDMIn = PrivateIn();
    params.pPublicDMOut = publicOut;
    params.pOEMDMOut = PrivateOut().data();
    params.cbBufSize = outSize_;
    return params;
}

plugin::OEMDMPARAM DevModeParams(plugin::HANDLE printer, HostDevMode* in, HostDevMode* out) {
    plugin::OEMDMPARAM params{};
    params.cbSize = sizeof(params);
    params.hPrinter = printer;
    if (in != nullptr) {
        params.pPublicDMIn = in->Public();
        params.pOEMDMIn = in->Private();
    }
    if (out != nullptr) {
        params.pPublicDMOut = out->Public();
        params.pOEMDMOut = out->Private();
        params.cbBufSize = out->PrivateSize();
    }
    return params;
}

bool DefaultRecords(plugin::IPrintOemUI2* object, plugin::HANDLE printer,
                    std::u16string_view deviceName, std::unique_ptr<HostDevMode>* records) {
    plugin::OEMDMPARAM size = DevModeParams(printer, nullptr, nullptr);
    if (object->DevMode(plugin::OEMDM_SIZE, &size) != plugin::S_OK) {
        return false;
    }
    *records = std::make_unique<HostDevMode>(size.cbBufSize, deviceName);
    plugin::OEMDMPARAM defaults = DevModeParams(printer, nullptr, records->get());
    defaults.pPublicDMIn = (*records)->Public();
    return object->DevMode(plugin::OEMDM_DEFAULT, &defaults) == plugin::S_OK;
}

plugin::OEMCUIPPARAM CommonUIParams(plugin::HANDLE printer, HostDevMode& records,
                                    plugin::OPTITEM* items, plugin::DWORD itemCount) {
    plugin::OEMCUIPPARAM params{};
    params.cbSize = sizeof(params);
    params.poemuiobj = HostUIObject();
    params.hPrinter = printer;
    params.pPublicDM = records.Public();
    params.pOEMDM = records.Private();
    params.pDrvOptItems = items;
    params.cDrvOptItems = itemCount;
    return params;
}

plugin::OEMUIOBJ* HostUIObject() {
    static int uiObject = 0;
    return reinterpret_cast<plugin::OEMUIOBJ*>(&uiObject);
}

}  // namespace orca::driverhost
