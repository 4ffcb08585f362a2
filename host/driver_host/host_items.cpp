// SPDX-License-Identifier: Apache-2.0
// What a driver host hands the plug-in besides its records: its driver
// interface and the option items of its own document sheet. Apart from the
// library loading, so that the Windows test host hands over the same.
#include "host/driver_host/driver_host.h"

namespace orca::driverhost {

using namespace orca::plugin;

HRESULT RecordingDriverUI::QueryInterface(const IID& iid, void** out) {
    ++queries_;
    if (out == nullptr)
        return E_POINTER;
    const bool known = SameGuid(iid, kIidUnknown) ||
                       (answersDriverInterface_ && SameGuid(iid, kIidPrintOemDriverUI));
    if (!known) {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    *out = static_cast<IPrintOemDriverUI*>(this);
    return S_OK;
}

HRESULT RecordingDriverUI::DrvGetDriverSetting(void*, const char*, void*, DWORD, DWORD*, DWORD*) {
    return E_NOTIMPL;
}

HRESULT RecordingDriverUI::DrvUpgradeRegistrySetting(HANDLE, const char*, const char*) {
    return E_NOTIMPL;
}

HRESULT RecordingDriverUI::DrvUpdateUISetting(void* uiObject, void* optionItem,
                                              DWORD previousSelection, DWORD mode) {
    calls_.push_back({uiObject, optionItem, previousSelection, mode});
    return S_OK;
}

const std::array<HostOptionItems::Item, 3> HostOptionItems::kItems{{
    {u"Orientation", {u"Portrait", u"Landscape"}, DMPUB_ORIENTATION, 0, TVOT_LISTBOX},
    {u"Paper Size", {u"Letter", u"A4"}, DMPUB_FORMNAME, 0, TVOT_LISTBOX},
    {u"Dithering", {u"Halftone Dithering", u"No Dithering"}, 0, 1, TVOT_LISTBOX},
}};

HostOptionItems::HostOptionItems(bool withOrientation) : withOrientation_(withOrientation) {
    for (size_t i = 0; i < kItems.size(); ++i) {
        names_[i] = kItems[i].name;
        choiceTexts_[i] = kItems[i].choices;
        for (std::u16string& text : choiceTexts_[i]) {
            OPTPARAM& choice = choices_[i].emplace_back();
            choice.cbSize = sizeof(OPTPARAM);
            choice.pData = text.data();
        }
        OPTTYPE& type = types_[i];
        type.cbSize = sizeof(OPTTYPE);
        type.Type = kItems[i].type;
        type.Count = static_cast<WORD>(choices_[i].size());
        type.pOptParam = choices_[i].data();
        OPTITEM& item = items_[i];
        item.cbSize = sizeof(OPTITEM);
        item.Level = kItems[i].level;
        item.pName = names_[i].data();
        item.pOptType = &type;
        item.DMPubID = kItems[i].publicField;
    }
}

}  // namespace orca::driverhost
