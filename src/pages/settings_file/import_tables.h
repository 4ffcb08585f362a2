// SPDX-License-Identifier: Apache-2.0
// The settings file (.drvs): its sections and keys in write order, the field
// each key carries, and the check an imported value must pass. Numbered
// sections ("Barcode%d", "CommandFont%d", "Paper%d") count from 1.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/spooler.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"

namespace orca::pages::import {

// Page controls.
inline constexpr int kSeparators[] = {control::kImportExportSeparator,
                                      control::kImportImportSeparator,
                                      control::kImportDescriptionSeparator};

// The printer's command language (1 ORCA, 2 ONYX), a model capability.
inline constexpr uint8_t kOrca = 1;
inline constexpr uint8_t kOnyx = 2;
inline constexpr int kRecordCount = 32;

// "Default" in a one-byte setting: passes every check.
inline constexpr int32_t kDefaultValue = 255;

// Default texts that tell a missing key from a present one.
inline constexpr std::u16string_view kMissingText = u"!!@WE#$R%T";
inline constexpr int32_t kMissingNumber = 2147483647;
// Characters read for a double or a text; a text of more is refused.
inline constexpr size_t kReadChars = 513;
inline constexpr size_t kLongestText = 256;

enum class Check : uint8_t { kNone, kRange, kCapability };

struct ItemRow {
    std::u16string_view section;
    std::u16string_view key;
    uint32_t fieldId;
    uint32_t size = 0;  // bytes of a text (44xxx) or data (45xxx) field
    Check check = Check::kNone;
    int32_t low = 0;  // range, or the capability's identifier in low
    int32_t high = 0;
};

constexpr ItemRow Range(std::u16string_view section, std::u16string_view key, uint32_t fieldId,
                        int32_t low, int32_t high) {
    return {section, key, fieldId, 0, Check::kRange, low, high};
}
constexpr ItemRow Capable(std::u16string_view section, std::u16string_view key, uint32_t fieldId,
                          uint32_t capability) {
    return {section, key, fieldId, 0, Check::kCapability, static_cast<int32_t>(capability), 0};
}

inline constexpr uint32_t kCommandSize = 1024;
inline constexpr uint32_t kNameSize = 80;
inline constexpr uint32_t kCmdFontDataSize = 524;

inline constexpr ItemRow kDriverInfo[] = {
    {u"DriverInfo", u"dwDriverName", 44000, 64},
    {u"DriverInfo", u"btCommandSet", settings::field::kCommandLanguage},
};

// Everything both languages carry, from "Option" to "EndPage".
inline constexpr ItemRow kCommonItems[] = {
    Capable(u"Option", u"btSpeed", 2000, 34007),
    Range(u"Option", u"dwCopies", 3005, 1, 32767),
    Range(u"Option", u"btSpeedUnit", 2001, 0, 2),
    Range(u"Option", u"btDarkness", 2002, 0, 30),
    Range(u"Option", u"btRote180", 2003, 0, 1),
    {u"Paper", u"iCustomerPaperHeight", 3013},
    {u"Paper", u"iCustomerPaperWidth", 3014},
    Capable(u"Advanced", u"btOperationMode", 2004, 34010),
    Capable(u"Advanced", u"btMirror", 2005, 2049),
    Capable(u"Advanced", u"btInverse", 2006, 2050),
    Capable(u"Advanced", u"btThermal", 2007, 2051),
    Capable(u"Advanced", u"btPaperType", 2008, 2052),
    {u"Advanced", u"dbAdjustTop", 5000},
    {u"Advanced", u"dbAdjustTearOff", 5001},
    {u"Other", u"btLanguage", 2014},
    Capable(u"Other", u"btDithering", 2009, 2053),
    {u"StartDoc", u"bDocStart", 2015},
    {u"StartDoc", u"bDocStartCommandLength", 33002},
    {u"StartDoc", u"cDocStartCommand", 45000, kCommandSize},
    {u"StartDoc", u"bDocStart_Data", 2017},
    {u"StartDoc", u"bDocStartCommandLength_Data", 33004},
    {u"StartDoc", u"cDocStartCommand_Data", 45002, kCommandSize},
    {u"StartPage", u"bPageStart", 2019},
    {u"StartPage", u"bPageStartCommandLength", 33006},
    {u"StartPage", u"cPageStartCommand", 45004, kCommandSize},
    {u"StartPage", u"bPageStart_Data", 2021},
    {u"StartPage", u"bPageStartCommandLength_Data", 33008},
    {u"StartPage", u"cPageStartCommand_Data", 45006, kCommandSize},
    {u"EndDoc", u"bDocEnd", 2016},
    {u"EndDoc", u"bDocEndCommandLength", 33003},
    {u"EndDoc", u"cDocEndCommand", 45001, kCommandSize},
    {u"EndDoc", u"bDocEnd_Data", 2018},
    {u"EndDoc", u"bDocEndCommandLength_Data", 33005},
    {u"EndDoc", u"cDocEndCommand_Data", 45003, kCommandSize},
    {u"EndPage", u"bPageEnd", 2020},
    {u"EndPage", u"bPageEndCommandLength", 33007},
    {u"EndPage", u"cPageEndCommand", 45005, kCommandSize},
    {u"EndPage", u"bPageEnd_Data", 2022},
    {u"EndPage", u"bPageEndCommandLength_Data", 33009},
    {u"EndPage", u"cPageEndCommand_Data", 45007, kCommandSize},
};

inline constexpr ItemRow kOrcaItems[] = {
    Range(u"Advanced", u"dwCutterGroup", 34005, 1, 999999),
    {u"Advanced", u"dbAdjustPosition", 5002},
    Capable(u"Other", u"btPause", 2010, 2054),
    Capable(u"Other", u"btBackFeed", 2011, 2073),
    Range(u"Other", u"dwInterval", 34006, 0, 999999),
    Capable(u"Other", u"btZip", 2012, 2070),
    {u"Other", u"btCancelBeforePrint", 2074},
};

inline constexpr ItemRow kOnyxItems[] = {
    Range(u"Advanced", u"dwPaperUnit", 34011, 1, 9999),
    Range(u"Other", u"btErrRePrint", 2078, 0, 1),
};

inline constexpr ItemRow kBarcodeCount{u"Barcode", u"dwBarcodeCount",
                                       settings::field::kBarcodeCount};
inline constexpr ItemRow kCmdFontCount{u"CommandFont", u"dwCMDFontCount",
                                       settings::field::kCmdFontCount};

// Keys of one barcode-font record; the section is numbered per record.
inline constexpr ItemRow kBarcodeItems[] = {
    {u"Barcode", u"Name", 44002, kNameSize},
    {u"Barcode", u"btType", 2023},
    {u"Barcode", u"btCheckDigit", 2024},
    {u"Barcode", u"btRotation", 2025},
    {u"Barcode", u"btXDimensions", 2026},
    {u"Barcode", u"dbYDimensions", 5003},
    {u"Barcode", u"btFontHeight", 2027},
    {u"Barcode", u"btHumanReadable", 2028},
    {u"Barcode", u"btPDF417NarrowWidth", 2030},
    {u"Barcode", u"btPDF417SymbolHeight", 2031},
    {u"Barcode", u"btPDF417Security", 2032},
    {u"Barcode", u"btPDF417Columns", 2033},
    {u"Barcode", u"btPDF417Rows", 2034},
    {u"Barcode", u"btMaxicodeMode", 2040},
    {u"Barcode", u"btRatio", 2029},
    {u"Barcode", u"bQRType", 2041},
    {u"Barcode", u"btQRErrorLevel", 2042},
    {u"Barcode", u"btQRMask", 2043},
};
inline constexpr ItemRow kBarcodeItemsOnyx[] = {
    {u"Barcode", u"btPDF417Truncate", 2077},
};
inline constexpr ItemRow kBarcodeItemsOrca[] = {
    {u"Barcode", u"btDatamatrixWidth", 2035},     {u"Barcode", u"btDatamatrixNoOfCellA", 2036},
    {u"Barcode", u"btDatamatrixNoOfCellB", 2037}, {u"Barcode", u"btDatamatrixECC", 2038},
    {u"Barcode", u"btDatamatrixFormatID", 2039},
};

inline constexpr ItemRow kCmdFontItems[] = {
    {u"CommandFont", u"Name", 44003, kNameSize},
    {u"CommandFont", u"btCMDPrefixType", 2044},
    {u"CommandFont", u"btCMDPostfixType", 2045},
    {u"CommandFont", u"btCMDPosition", 2046},
    {u"CommandFont", u"btCMDMergeType", 2047},
    {u"CommandFont", u"strCMDPrefixData", 45008, kCmdFontDataSize},
    {u"CommandFont", u"strCMDPostfixData", 45009, kCmdFontDataSize},
    {u"CommandFont", u"wCMDPrefixDataLength", 33010},
    {u"CommandFont", u"wCMDPostfixDataLength", 33011},
};

// The length field of each data field (45000-45009 have 33002-33011). The
// pages keep a length equal to its data up to the first zero byte, and
// whatever reads the record trusts it, so an import sets it from the data it
// stores and never takes a length key.
constexpr uint32_t LengthFieldOf(uint32_t dataField) {
    return dataField - 45000 + 33002;
}
constexpr bool IsLengthField(uint32_t fieldId) {
    return fieldId >= LengthFieldOf(45000) && fieldId <= LengthFieldOf(45009);
}

// What one command language adds: its option keys and its barcode keys.
struct LanguageItems {
    uint8_t language;
    std::span<const ItemRow> options;
    std::span<const ItemRow> barcode;
};
inline constexpr LanguageItems kLanguageItems[] = {
    {kOrca, kOrcaItems, kBarcodeItemsOrca},
    {kOnyx, kOnyxItems, kBarcodeItemsOnyx},
};

// Custom papers.
inline constexpr std::u16string_view kPaperSection = u"Paper";
inline constexpr std::u16string_view kPaperCount = u"dwCount";
inline constexpr std::u16string_view kPaperSize = u"PaperSize";
inline constexpr std::u16string_view kPaperName = u"Name";
inline constexpr size_t kPaperNameChars = 256;
// The host's orientation item, appended to "Option".
inline constexpr std::u16string_view kOptionSection = u"Option";
inline constexpr std::u16string_view kLandscape = u"btLandscape";

// The measures of a "Paper%d" section in write order, as a spooler form
// holds them (thousandths of a millimetre).
struct MeasureKey {
    std::u16string_view key;
    int32_t platform::FormInfo1::*measure;
};
inline constexpr MeasureKey kPaperMeasures[] = {
    {u"width", &platform::FormInfo1::width}, {u"height", &platform::FormInfo1::height},
    {u"left", &platform::FormInfo1::left},   {u"right", &platform::FormInfo1::right},
    {u"top", &platform::FormInfo1::top},     {u"bottom", &platform::FormInfo1::bottom},
};

// A data value that cannot be written as plain text (a zero byte, a line
// break, a byte the code page does not define) is written as this prefix and
// two hex digits per byte; so is a plain value that starts with the prefix.
inline constexpr std::u16string_view kHexPrefix = u"{hex}";

}  // namespace orca::pages::import
