// SPDX-License-Identifier: Apache-2.0
// The Option page's data: its controls, the fields it edits, the speed
// tables of both command languages, the copies limits and the orientation
// previews.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "pages/option_services.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"

namespace orca::pages::option {

// Fields and model capabilities.

// The spinner's range, whatever the language's limit.
inline constexpr int kSpinnerLow = 1;
inline constexpr int kSpinnerHigh = 32767;

// Units of btSpeedUnit, for the speed list and the size display.
enum Unit : uint8_t { kUnitCm = 0, kUnitMm = 1, kUnitInch = 2 };
inline constexpr int kUnitCount = 3;

// A unit's item and how a measure in tenths of a millimetre shows in it:
// divided by tenthsPerUnit, for inches first rounded to hundredths.
struct UnitRow {
    std::u16string_view text;
    Unit unit;
    double tenthsPerUnit;
    bool roundedToHundredths;
};
inline constexpr UnitRow kUnits[kUnitCount] = {
    {u"cm", kUnitCm, 100.0, false},
    {u"mm", kUnitMm, 10.0, false},
    {u"inch", kUnitInch, 254.0, true},
};

// A speed code and its text in cm/s, mm/s and inch/s. A first row of code 0
// is the "Default" entry, shown with the page's "Default" text.
struct SpeedRow {
    uint32_t code;
    std::array<std::u16string_view, kUnitCount> texts;
};

inline constexpr SpeedRow kOrcaSpeeds[] = {
    {1, {u"5", u"50", u"2"}},         {2, {u"7.6", u"76", u"3"}},
    {4, {u"10.1", u"101", u"4"}},     {8, {u"12.7", u"127", u"5"}},
    {16, {u"15.2", u"152", u"6"}},    {32, {u"17.8", u"178", u"7"}},
    {64, {u"20.3", u"203", u"8"}},    {128, {u"22.9", u"229", u"9"}},
    {256, {u"25.4", u"254", u"10"}},  {512, {u"27.9", u"279", u"11"}},
    {1024, {u"30.5", u"305", u"12"}},
};

inline constexpr SpeedRow kOnyxSpeeds[] = {
    {0, {}},
    {1, {u"1.3", u"13", u"0.5"}},
    {2, {u"2.5", u"25", u"1"}},
    {4, {u"3.8", u"38", u"1.5"}},
    {8, {u"5.1", u"51", u"2"}},
    {16, {u"6.3", u"63", u"2.5"}},
    {32, {u"7.6", u"76", u"3"}},
    {64, {u"8.9", u"89", u"3.5"}},
    {128, {u"10.2", u"102", u"4"}},
    {256, {u"11.4", u"114", u"4.5"}},
    {512, {u"12.7", u"127", u"5"}},
    {1024, {u"14.0", u"140", u"5.5"}},
    {2048, {u"15.2", u"152", u"6"}},
    {4096, {u"16.5", u"165", u"6.5"}},
    {8192, {u"17.8", u"178", u"7"}},
    {16384, {u"19.1", u"191", u"7.5"}},
    {32768, {u"20.3", u"203", u"8"}},
    {0x10000, {u"21.6", u"216", u"8.5"}},
    {0x20000, {u"22.7", u"227", u"9"}},
    {0x40000, {u"24.1", u"241", u"9.5"}},
    {0x80000, {u"25.4", u"254", u"10"}},
};

// What the command language decides on the page.
struct LanguageLists {
    uint8_t language;
    std::span<const SpeedRow> speeds;
    int copiesLimit;
    // The darkness list starts with "Default" (stored as 255), so position
    // p > 0 stores p - 1.
    bool darknessDefault;
};

inline constexpr LanguageLists kLanguageLists[] = {
    {1, kOrcaSpeeds, 32767, false},
    {2, kOnyxSpeeds, 9999, true},
};

// Items of the orientation and rotation lists: (text, value). The
// orientation items are re-labelled from the language file by their values.
struct FixedItem {
    std::u16string_view text;
    int value;
};
inline constexpr FixedItem kOrientationItems[] = {{u"Portrait", 0}, {u"Landscape", 1}};
inline constexpr FixedItem kRotationItems[] = {{u"0", 0}, {u"180", 1}};

// The orientation preview: the picture shown for orientation (0 portrait,
// 1 landscape) and rotation (0, 1 for 180 degrees); the others are hidden.
inline constexpr int kPreviews[2][2] = {
    {control::kOptionPortraitPicture, control::kOptionPortrait180Picture},
    {control::kOptionLandscapePicture, control::kOptionLandscape180Picture}};

// The size display: the edit that shows each measure of the selected stock.
struct SizeEdit {
    int controlId;
    int32_t PaperRecord::*measure;
};
inline constexpr SizeEdit kSizeEdits[] = {
    {control::kOptionWidthEdit, &PaperRecord::width},
    {control::kOptionHeightEdit, &PaperRecord::length},
    {control::kOptionLeftEdit, &PaperRecord::left},
    {control::kOptionRightEdit, &PaperRecord::right},
    {control::kOptionTopEdit, &PaperRecord::top},
    {control::kOptionBottomEdit, &PaperRecord::bottom},
};

}  // namespace orca::pages::option
