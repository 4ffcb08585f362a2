// SPDX-License-Identifier: Apache-2.0
// The STX language's fixed setting commands and barcode characters.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orca::commands::onyx_tables {

// STX is written "\002": an octal escape stops after three digits, so a
// following letter cannot join it as it would a hex escape.

// Paper type → sensor commands.
inline constexpr std::array<std::string_view, 3> kMediaTracking = {
    "\002j24040\r",
    "\002j48000\r\002j24000\r",
    "\002j48080\r\002j24000\r",
};

// Print method → thermal transfer or direct thermal.
inline constexpr std::array<std::string_view, 2> kMediaType = {
    "\002j28080\r",
    "\002j28000\r",
};

// Operation mode (Cutter, Tear Off, Peel Off, Rewind, Tear Off and Peel Off
// unconfirmed) → mode command; Rewind and both unconfirmed modes share one.
inline constexpr std::array<std::string_view, 6> kPrintModes = {
    "\002j23000\r", "\002j23020\r", "\002j23010\r", "\002j23030\r", "\002j23030\r", "\002j23030\r",
};

// Bar width in dots → width character; width 0 is the NUL byte and never sent.
inline constexpr std::string_view kWidthCharacters{
    "\0"
    "123456789ABCDEFGHIJKLMNO",
    25};
inline constexpr uint8_t kWidestBar = 24;

// Rotation byte → field rotation digit; other values are '1'.
inline constexpr std::string_view kRotationDigits = "1432";

// Barcode letters by symbology code of the STX barcode-font catalogue, upper
// case; the field uses the lower case when no human-readable line is printed.
struct BarcodeLetters {
    char plain;
    char with_check_digit;  // check-digit byte 1
};
inline constexpr std::array<BarcodeLetters, 19> kBarcodeLetters = {{
    {'A', 'H'},  // CODE39 Regular
    {'B', 'B'},  // UPCA
    {'C', 'C'},  // UPCE
    {'D', 'J'},  // ITF25
    {'E', 'E'},  // CODE128
    {'F', 'F'},  // EAN13
    {'G', 'G'},  // EAN8
    {'A', 'H'},  // CODE39 Full ASCII
    {'I', 'I'},  // CODABAR
    {'K', 'K'},  // Industrial25
    {'L', 'L'},  // TRANSPORT
    {'M', 'M'},  // UPC2
    {'N', 'N'},  // UPC5
    {'O', 'O'},  // CODE93
    {'P', 'P'},  // POSTNET
    {'Q', 'Q'},  // UCC/EAN
    {'R', 'R'},  // Matric25(Europe)
    {'S', 'S'},  // Matric25(Japan)
    {'T', 'T'},  // POST25(China)
}};

}  // namespace orca::commands::onyx_tables
