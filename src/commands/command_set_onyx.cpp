// SPDX-License-Identifier: Apache-2.0
#include "commands/command_set_onyx.h"

#include <algorithm>
#include <cmath>

#include "commands/command_tables_onyx.h"
#include "text/format.h"

namespace orca::commands {

namespace {

using namespace onyx_tables;
using namespace std::string_view_literals;
using text::Format;

constexpr std::string_view kRecordEnd = "\r";

template <size_t N>
std::optional<std::string_view> Row(const std::array<std::string_view, N>& rows, uint8_t code) {
    if (code >= rows.size())
        return std::nullopt;
    return rows[code];
}

char RotationDigit(uint8_t rotation) {
    return rotation < kRotationDigits.size() ? kRotationDigits[rotation] : '1';
}

// Width 0 would put a NUL byte into the command and end it there; wider
// bars than the table holds print at its widest.
std::optional<char> WidthCharacter(uint32_t dots) {
    if (dots == 0)
        return std::nullopt;
    return kWidthCharacters[std::min<uint32_t>(dots, kWidestBar)];
}

// The wide bar: module width × ratio, rounded half up.
std::optional<char> WideCharacter(uint8_t module_width, double ratio) {
    const double dots = std::trunc(module_width * ratio + 0.5);
    if (!(dots >= 1))
        return std::nullopt;
    return WidthCharacter(dots >= kWidestBar ? kWidestBar : static_cast<uint32_t>(dots));
}

}  // namespace

int32_t CCommandSet_ONYX::ResetSyntax() {
    return Send("\002KIS\r\001D\r\002N\r\002A1\r");
}

int32_t CCommandSet_ONYX::MediaTracking(uint8_t paper_type) {
    return SendIfAccepted(Row(kMediaTracking, paper_type));
}

int32_t CCommandSet_ONYX::MediaType(uint8_t print_method) {
    return SendIfAccepted(Row(kMediaType, print_method));
}

int32_t CCommandSet_ONYX::PrintMode(uint8_t operation_mode, uint32_t /*interval*/,
                                    uint32_t /*counter*/, uint32_t /*copies*/) {
    return SendIfAccepted(Row(kPrintModes, operation_mode));
}

int32_t CCommandSet_ONYX::PrintOrientation(uint8_t flag) {
    return Send(Format("\002u%d\r", flag));
}

int32_t CCommandSet_ONYX::LabelReverse(uint8_t flag, uint32_t label_width, uint32_t label_height) {
    if (flag != 1)
        return kCommandOutOfRange;
    return Send(Format("\rA1\r1X1100000000000l%04d%04d\r", AsDecimal(label_width),
                       AsDecimal(label_height)));
}

int32_t CCommandSet_ONYX::PrintMirror(uint8_t flag) {
    if (flag != 1)
        return kCommandOutOfRange;
    return Send("\002l\r");
}

int32_t CCommandSet_ONYX::PrintRate(uint8_t speed) {
    if (speed < 'A' || speed > 'T')
        return kCommandOutOfRange;
    return Send(Format("P%c\rS%c\rp%c\r", speed, speed, speed));
}

int32_t CCommandSet_ONYX::Darkness(uint8_t darkness) {
    if (darkness > 30)
        return kCommandOutOfRange;
    return Send(Format("H%02d\r", darkness));
}

int32_t CCommandSet_ONYX::PrintQuantity(uint32_t copies, uint32_t /*operation_mode*/,
                                        uint32_t /*interval*/, uint32_t /*pause_count*/,
                                        uint32_t /*counter*/, uint8_t /*pause_mode*/) {
    return Send(Format("Q%04d\r", AsDecimal(copies)));
}

int32_t CCommandSet_ONYX::LabelTop(double mm, uint32_t dpi) {
    return SendAdjustment(mm, dpi, 8.0, "\002JY", 4, "\r");
}

int32_t CCommandSet_ONYX::TearOff(double mm, uint32_t dpi) {
    return SendAdjustment(mm, dpi, 8.0, "\002Kf", 2, "\r");
}

int32_t CCommandSet_ONYX::PrintWidth(uint32_t dots) {
    return Send(Format("\002Kw%04d\r", AsDecimal(dots)));
}

int32_t CCommandSet_ONYX::LabelLength(uint32_t dots) {
    return Send(Format("\002c%04d\r", AsDecimal(dots)));
}

int32_t CCommandSet_ONYX::SaveSettings() {
    return Send("\002L\r");
}

int32_t CCommandSet_ONYX::GraphicRecall() {
    return Send("\xFF\x0F\rE\r");
}

int32_t CCommandSet_ONYX::TextField(uint32_t x, uint32_t y, char font, char orientation,
                                    uint32_t width, uint32_t height, uint32_t length,
                                    const uint8_t* data) {
    // A NUL orientation would end the formatted record before it starts.
    if (orientation == '\0')
        return kCommandOutOfRange;
    // Fonts 0 to 8 are built in; from 9 on the font is 9 with a size field.
    const int font_number = static_cast<uint8_t>(font);
    const int font_digit = std::min(font_number, 9);
    const int size_field = font_number < 9 ? 0 : font_number - 9;
    return SendField(
        Format("%c%d%d%d%03d%04d%04d", orientation, font_digit, height < 9 ? AsDecimal(height) : 8,
               width < 9 ? AsDecimal(width) : 8, size_field, AsDecimal(y), AsDecimal(x)),
        length, data, kRecordEnd);
}

int32_t CCommandSet_ONYX::BarcodeField(uint8_t code, uint32_t x, uint32_t y, uint8_t module_width,
                                       double ratio, uint32_t height, uint8_t rotation,
                                       uint8_t human_readable, uint32_t length, const uint8_t* data,
                                       uint8_t check_digit) {
    const std::optional<char> wide = WideCharacter(module_width, ratio);
    const std::optional<char> narrow = WidthCharacter(module_width);
    if (code >= kBarcodeLetters.size() || !wide || !narrow)
        return kCommandOutOfRange;
    const BarcodeLetters& letters = kBarcodeLetters[code];
    char letter = check_digit == 1 ? letters.with_check_digit : letters.plain;
    if (human_readable == 0)
        letter = static_cast<char>(letter - 'A' + 'a');
    return SendField(Format("%c%c%c%c%03d%04d%04d", RotationDigit(rotation), letter, *wide, *narrow,
                            AsDecimal(std::min<uint32_t>(height, 999)), AsDecimal(y), AsDecimal(x)),
                     length, data, kRecordEnd);
}

int32_t CCommandSet_ONYX::Pdf417Field(int32_t x, uint32_t y, uint8_t module_width,
                                      uint8_t row_height, uint8_t security, uint8_t columns,
                                      uint8_t rows, uint8_t rotation, uint8_t truncate,
                                      uint32_t length, const uint8_t* data) {
    const std::optional<char> module = WidthCharacter(module_width);
    const std::optional<char> row = WidthCharacter(row_height);
    if (!module || !row)
        return kCommandOutOfRange;
    return SendField(Format("%cZ%c%c%03d%04d%04d%c%d00%02d%02d%04d", RotationDigit(rotation),
                            *module, *row, std::min<int>(row_height, kWidestBar), AsDecimal(y), x,
                            truncate > 0 ? 'T' : 'F', security, rows, columns, AsDecimal(length)),
                     length, data, kRecordEnd);
}

int32_t CCommandSet_ONYX::MaxicodeField(uint32_t x, uint32_t y, char /*mode*/, uint32_t length,
                                        const uint8_t* data) {
    return SendField(Format("1u77000%04d%04d", AsDecimal(y), AsDecimal(x)), length, data, "\004\r");
}

int32_t CCommandSet_ONYX::QrField(uint32_t x, uint32_t y, uint8_t model, uint8_t magnification,
                                  char error_correction, uint8_t mask, uint32_t length,
                                  const uint8_t* data) {
    if (error_correction == '\0')
        return kCommandOutOfRange;
    const int size = std::min<int>(magnification, kWidestBar);
    // The length field counts the data and the mode characters that precede it.
    std::string prefix =
        mask == 9 ? Format("1v00000%04d%04d%02d%d0%04d%cA,", AsDecimal(y), AsDecimal(x), size,
                           model, AsDecimal(length + 3), error_correction)
                  : Format("1v00000%04d%04d%02d%d0%04d%c%dA,", AsDecimal(y), AsDecimal(x), size,
                           model, AsDecimal(length + 4), error_correction, mask);
    return SendField(std::move(prefix), length, data, kRecordEnd);
}

int32_t CCommandSet_ONYX::ExtJE(uint8_t value) {
    return Send(Format("\002JE%d\r", value));
}

int32_t CCommandSet_ONYX::ExtKIR() {
    return Send("\002H\r\002KIR\r");
}

int32_t CCommandSet_ONYX::ExtImageRecord() {
    // The record carries four NUL bytes after its text.
    return Send("A2\r1Y1199900000000\r\0\0\0\0"sv);
}

int32_t CCommandSet_ONYX::ExtColon(uint32_t value) {
    return Send(Format(":%04d\r", AsDecimal(value)));
}

int32_t CCommandSet_ONYX::ExtF(uint32_t value) {
    if (value > 999)
        return kCommandOutOfRange;
    return Send(Format("\002f%03d\r", AsDecimal(value)));
}

int32_t CCommandSet_ONYX::ExtJP(uint32_t value) {
    if (value > 999)
        return kCommandOutOfRange;
    return Send(Format("\002JP%03d\r", AsDecimal(value)));
}

}  // namespace orca::commands
