// SPDX-License-Identifier: Apache-2.0
// COemUI: the printer's papers for the Option, Stocks and settings-file pages,
// and the paper choice written into the printer's and the sheet's records.
#include "platform/platform.h"
#include "plugin/oem_ui.h"
#include "plugin/public_record_fields.h"
#include "settings/field_map.h"
#include "text/nocase.h"

namespace orca::plugin {

namespace {

constexpr std::u16string_view kCustomPaperPrefix = u"Custom Paper-";
// A paper record keeps at most this many units of a name.
constexpr size_t kPaperNameLimit = 255;

// Margins from the spooler form of the paper's name; 0 without the form.
void ReadFormMargins(platform::PrinterHandle printer, pages::PaperRecord& paper) {
    platform::FormInfo1 form;
    if (!platform::ReadForm1(*platform::Current().spooler, printer, paper.name, &form))
        return;
    // Forms measure in thousandths of a millimetre.
    paper.left = form.left / 100;
    paper.top = form.top / 100;
    paper.right = paper.width - form.right / 100;
    paper.bottom = paper.length - form.bottom / 100;
}

// The printer's stored settings with a whole public record, or false.
bool ReadStoredSettings(platform::PrinterHandle printer, platform::PrinterInfo2& info) {
    return platform::ReadPrinterInfo2(*platform::Current().spooler, printer, &info) &&
           info.devMode.size() >= settings::kPublicRecordSize;
}

}  // namespace

void COemUI::BuildPaperList(std::vector<pages::PaperRecord>& list, bool customOnly) {
    list.clear();
    platform::Spooler& spooler = *platform::Current().spooler;
    platform::PrinterInfo2 info;
    if (!platform::ReadPrinterInfo2(spooler, printer_, &info))
        return;
    std::vector<std::u16string> names;
    if (spooler.PaperNames(info.printerName, info.portName, &names) <= 0)
        return;
    std::vector<platform::PaperPoint> sizes;
    std::vector<uint16_t> numbers;
    spooler.PaperSizes(info.printerName, info.portName, &sizes);
    spooler.PaperNumbers(info.printerName, info.portName, &numbers);
    for (size_t i = 0; i < names.size(); ++i) {
        // The spooler matches form names without letter case, so a form
        // named "custom paper-x" is a custom paper too.
        if (customOnly && text::FindNoCase(names[i], kCustomPaperPrefix) == std::u16string::npos)
            continue;
        pages::PaperRecord paper;
        paper.name = names[i].substr(0, kPaperNameLimit);
        if (i < sizes.size()) {
            paper.width = sizes[i].x;
            paper.length = sizes[i].y;
        }
        if (i < numbers.size())
            paper.paperId = numbers[i];
        ReadFormMargins(printer_, paper);
        list.push_back(std::move(paper));
    }
}

int COemUI::ApplyPaperToPrinter(const pages::PaperRecord& paper) {
    platform::PrinterInfo2 info;
    if (!ReadStoredSettings(printer_, info))
        return 0;
    uint8_t* stored = info.devMode.data();
    if (static_cast<uint16_t>(RecordPaperSize(stored)) == paper.paperId)
        return 0;
    WritePaperChoice(stored, paper);
    // The user-defined paper is given by its length and width; every paper
    // choice is named by its paper size.
    uint32_t fields = RecordFields(stored) | DM_PAPERSIZE;
    if (paper.paperId == platform::kUserDefinedPaper)
        fields |= DM_PAPERLENGTH | DM_PAPERWIDTH;
    SetRecordFields(stored, fields);
    if (!platform::Current().spooler->SetInfo2(printer_, info))
        return 0;
    if (uint8_t* sheetRecord = Printer().Settings().PublicRecord(); sheetRecord != nullptr) {
        WritePaperChoice(sheetRecord, paper);
        SetRecordFields(sheetRecord, fields);
    }
    return 1;
}

int COemUI::StoredPaperSize() {
    platform::PrinterInfo2 info;
    if (!ReadStoredSettings(printer_, info))
        return -1;
    return RecordPaperSize(info.devMode.data());
}

}  // namespace orca::plugin
