// SPDX-License-Identifier: Apache-2.0
#include "host/driver_host/host_sheets.h"

#include "resources/window_styles.h"

namespace orca::driverhost {

const std::vector<std::u16string>& HostDocumentTabs() {
    static const std::vector<std::u16string> tabs{u"Layout", u"Paper/Quality"};
    return tabs;
}

const std::vector<std::u16string>& HostPrinterTabs() {
    static const std::vector<std::u16string> tabs{
        u"General",          u"Sharing",  u"Ports",          u"Advanced",
        u"Color Management", u"Security", u"Device Settings"};
    return tabs;
}

platform::Window CreateDocumentSheet(platform::sim::Desktop& desktop,
                                     std::u16string_view printerName) {
    return desktop.CreateSheet(std::u16string(printerName) + u" Printing Preferences",
                               HostDocumentTabs());
}

platform::Window CreatePrinterSheet(platform::sim::Desktop& desktop,
                                    std::u16string_view printerName, bool inCurrentProcess) {
    return desktop.CreateSheet(std::u16string(printerName) + u" Properties", HostPrinterTabs(),
                               inCurrentProcess);
}

std::vector<std::u16string> TabTitles(platform::sim::Desktop& desktop, platform::Window sheet) {
    const platform::Window tabs = desktop.Child(sheet, resources::kSheetTabControlId);
    std::vector<std::u16string> titles;
    for (int i = 0; i < desktop.TabCount(tabs); ++i) {
        titles.push_back(desktop.TabText(tabs, i));
    }
    return titles;
}

std::vector<std::u16string> Joined(std::vector<std::u16string> first,
                                   const std::vector<std::u16string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

}  // namespace orca::driverhost
