// SPDX-License-Identifier: Apache-2.0
// The caret language's choice letters, barcode prefixes and quantity rows.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orca::commands::orca_tables {

// A command whose last letter is chosen by the setting's code.
struct LetterCommand {
    std::string_view prefix;
    std::string_view letters;  // index = code
};

inline constexpr LetterCommand kMediaTracking{"^MN", "NMW"};
inline constexpr LetterCommand kMediaType{"^MT", "TD"};
inline constexpr LetterCommand kPrintOrientation{"^PO", "NI"};
inline constexpr LetterCommand kLabelReverse{"^LR", "NY"};
inline constexpr LetterCommand kPrintMirror{"^PM", "NY"};
inline constexpr LetterCommand kBackfeed{"~JS", "OBNA"};

inline constexpr std::array<std::string_view, 2> kLabelFormats = {"^XA", "^XZ"};

// Operation mode → letter after "^MM"; NUL marks a mode without a letter.
inline constexpr char kNoMode = '\0';
inline constexpr uint8_t kCutterMode = 4;
inline constexpr std::string_view kOperationModeLetters{"TPRACDF\0\0K", 10};
// A cutter label that does not close its cut group is torn off instead.
inline constexpr char kCutterHoldLetter = 'T';

// One row per pause mode of "^PQ<quantity>,<second field>,1,<tail>".
struct PauseRow {
    std::string_view tail;
    // The second field of a single label outside the cutter mode.
    uint32_t single_label_field;
    // Outside the cutter mode the second field carries the pause count.
    bool pause_count_outside_cutter;
};
inline constexpr std::array<PauseRow, 4> kPauseRows = {{
    {"Y", 0, false},     // None
    {"Y^PP", 0, false},  // After Job
    {"N", 1, false},     // After Label
    {"N", 0, true},      // After Interval
}};

// Rotation byte → field orientation letter; other values are 'N'.
inline constexpr std::string_view kRotationLetters = "NBIR";

// Human-readable choice → (interpretation line, line above); other values are "NN".
inline constexpr std::array<std::string_view, 3> kHumanReadableLetters = {"NN", "YN", "YY"};

// Which arguments follow a barcode prefix format.
enum class BarcodeArguments {
    kNone,                 // the code has a slot of its own or no symbology
    kRatio,                // W, r, h, x, y, o, f, g
    kRatioFixedRotation,   // W, r, h, x, y, f, g
    kHeightAfterRotation,  // W, x, y, o, h, f, g
};

struct BarcodePrefix {
    const char* format;
    BarcodeArguments arguments;
};

// Indexed by the symbology code of the caret barcode-font catalogue.
inline constexpr std::array<BarcodePrefix, 24> kBarcodePrefixes = {{
    {"^BY%d,%.1f,%d^FT%d,%d^BE%c,,%c,%c^FD", BarcodeArguments::kRatio},                // EAN13
    {"^BY%d,%.1f,%d^FT%d,%d^B8%c,,%c,%c^FD", BarcodeArguments::kRatio},                // EAN8
    {"^BY%d,%.1f,%d^FT%d,%d^BU%c,,%c,%c^FD", BarcodeArguments::kRatio},                // UPCA
    {"^BY%d,%.1f,%d^FT%d,%d^B9%c,,%c,%c^FD", BarcodeArguments::kRatio},                // UPCE
    {"^BY%d,%.1f,%d^FT%d,%d^B2%c,,%c,%c^FD", BarcodeArguments::kRatio},                // I2OF5
    {"^BY%d,%.1f,%d^FT%d,%d^B3%c,N,,%c,%c^FD", BarcodeArguments::kRatio},              // CODE39
    {"^BY%d,%.1f,%d^FT%d,%d^BC%c,,%c,%c^FD", BarcodeArguments::kRatio},                // CODE128A
    {"^BY%d,%.1f,%d^FT%d,%d^BC%c,,%c,%c^FD", BarcodeArguments::kRatio},                // CODE128B
    {"^BY%d,%.1f,%d^FT%d,%d^BC%c,,%c,%c^FD", BarcodeArguments::kRatio},                // CODE128C
    {"^BY%d,%.1f,%d^FT%d,%d^BK%c,N,,%c,%c,1,1^FD", BarcodeArguments::kRatio},          // CODABAR
    {"^BY%d,%.1f,%d^FT%d,%d^BC%c,,%c,%c,,A^FH\\^FD", BarcodeArguments::kRatio},        // CODE128
    {"^BY%d^FT%d,%d^BZ%c,%d,%c,%c^FD", BarcodeArguments::kHeightAfterRotation},        // POSTNET32
    {"^BY%d^FT%d,%d^BZ%c,%d,%c,%c^FD", BarcodeArguments::kHeightAfterRotation},        // POSTNET37
    {"^BY%d^FT%d,%d^BZ%c,%d,%c,%c^FD", BarcodeArguments::kHeightAfterRotation},        // POSTNET52
    {"^BY%d,%.1f,%d^FT%d,%d^BS%c,,%c,%c^FD", BarcodeArguments::kRatio},                // BOOKLAND
    {"^BY%d,%.1f,%d^FT%d,%d^BA%c,,%c,%c^FD", BarcodeArguments::kRatio},                // CODE93
    {nullptr, BarcodeArguments::kNone},                                                // PDF417
    {nullptr, BarcodeArguments::kNone},                                                // DATAMATRIX
    {nullptr, BarcodeArguments::kNone},                                                // MAXICODE
    {"^BY%d,%.1f,%d^FT%d,%d^BMN,A,,%c,%c^FD", BarcodeArguments::kRatioFixedRotation},  // MSI
    {"^BY%d,%.1f,%d^FT%d,%d^B3%c,N,,%c,%c^FD", BarcodeArguments::kRatio},              // CODE39EXT
    {"^BY%d,%.1f,%d^FT%d,%d^BS%c,,%c,%c^FD", BarcodeArguments::kRatio},                // BOOKLAND5
    {"^BY%d,%.1f,%d^FT%d,%d^BS%c,,%c,%c^FD", BarcodeArguments::kRatio},                // BOOKLAND2
    {"^BY%d^FT%d,%d^BZ%c,%d,%c,%c^FD", BarcodeArguments::kHeightAfterRotation},        // POSTNET62
}};

}  // namespace orca::commands::orca_tables
