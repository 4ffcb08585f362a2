// SPDX-License-Identifier: Apache-2.0
#include "commands/command_set_orca.h"

#include <cmath>

#include "commands/command_tables_orca.h"
#include "text/format.h"

namespace orca::commands {

namespace {

using namespace orca_tables;
using text::Format;

constexpr std::string_view kFieldEnd = "^FS";

std::optional<std::string> WithLetter(const LetterCommand& command, uint8_t code) {
    if (code >= command.letters.size())
        return std::nullopt;
    std::string text(command.prefix);
    text += command.letters[code];
    return text;
}

char RotationLetter(uint8_t rotation) {
    return rotation < kRotationLetters.size() ? kRotationLetters[rotation] : 'N';
}

std::string_view HumanReadableLetters(uint8_t choice) {
    return choice < kHumanReadableLetters.size() ? kHumanReadableLetters[choice] : "NN";
}

}  // namespace

int32_t CCommandSet_ORCA::ResetSyntax() {
    return Send("\020CT~~CD,~CC^~CT~");
}

int32_t CCommandSet_ORCA::LabelFormat(uint8_t selector) {
    if (selector >= kLabelFormats.size())
        return kCommandNotInLanguage;
    return Send(kLabelFormats[selector]);
}

int32_t CCommandSet_ORCA::LabelHome() {
    return Send("^LH0,0");
}

int32_t CCommandSet_ORCA::FieldOrigin(uint32_t x, uint32_t y) {
    return Send(Format("^FO%d,%d", AsDecimal(x), AsDecimal(y)));
}

int32_t CCommandSet_ORCA::FieldTypeset(uint32_t x, uint32_t y) {
    return Send(Format("^FT%d,%d", AsDecimal(x), AsDecimal(y)));
}

int32_t CCommandSet_ORCA::MediaTracking(uint8_t paper_type) {
    return SendIfAccepted(WithLetter(kMediaTracking, paper_type));
}

int32_t CCommandSet_ORCA::MediaType(uint8_t print_method) {
    return SendIfAccepted(WithLetter(kMediaType, print_method));
}

int32_t CCommandSet_ORCA::PrintMode(uint8_t operation_mode, uint32_t interval, uint32_t counter,
                                    uint32_t copies) {
    if (operation_mode >= kOperationModeLetters.size() ||
        kOperationModeLetters[operation_mode] == kNoMode)
        return kCommandOutOfRange;
    char letter = kOperationModeLetters[operation_mode];
    if (operation_mode == kCutterMode && copies < 2) {
        if (interval == 0)
            return kCommandOutOfRange;
        if (counter % interval != 0)
            letter = kCutterHoldLetter;
    }
    return Send(std::string("^MM") + letter);
}

int32_t CCommandSet_ORCA::PrintOrientation(uint8_t flag) {
    return SendIfAccepted(WithLetter(kPrintOrientation, flag));
}

int32_t CCommandSet_ORCA::LabelReverse(uint8_t flag, uint32_t /*label_width*/,
                                       uint32_t /*label_height*/) {
    return SendIfAccepted(WithLetter(kLabelReverse, flag));
}

int32_t CCommandSet_ORCA::PrintMirror(uint8_t flag) {
    return SendIfAccepted(WithLetter(kPrintMirror, flag));
}

int32_t CCommandSet_ORCA::PrintRate(uint8_t speed) {
    if (speed < 2 || speed > 14)
        return kCommandOutOfRange;
    return Send(Format("^PR%d,%d", speed, speed));
}

int32_t CCommandSet_ORCA::Darkness(uint8_t darkness) {
    if (darkness > 30)
        return kCommandOutOfRange;
    return Send(Format("~SD%d", darkness));
}

int32_t CCommandSet_ORCA::Backfeed(uint8_t mode) {
    return SendIfAccepted(WithLetter(kBackfeed, mode));
}

int32_t CCommandSet_ORCA::PrintQuantity(uint32_t copies, uint32_t operation_mode, uint32_t interval,
                                        uint32_t pause_count, uint32_t counter,
                                        uint8_t pause_mode) {
    const uint32_t quantity = copies >= 2 ? copies : 1;
    if (pause_mode >= kPauseRows.size())
        return Send(Format("^PQ%d,0,1,Y", AsDecimal(quantity)));
    const PauseRow& row = kPauseRows[pause_mode];
    const bool cutter = static_cast<uint8_t>(operation_mode) == kCutterMode;

    uint32_t second;
    if (row.pause_count_outside_cutter && !cutter) {
        second = pause_count;
    } else if (copies >= 2) {
        second = interval;
    } else if (cutter) {
        if (interval == 0)
            return kCommandOutOfRange;
        second = counter % interval == 0 ? 1 : 0;  // 1 when the label closes its cut group
    } else {
        second = row.single_label_field;
    }
    return Send(Format("^PQ%d,%d,1,%.*s", AsDecimal(quantity), AsDecimal(second),
                       static_cast<int>(row.tail.size()), row.tail.data()));
}

int32_t CCommandSet_ORCA::InternationalFont() {
    return Send("^CI0");
}

int32_t CCommandSet_ORCA::DotsPerMillimetre() {
    return Send("^JMA");
}

int32_t CCommandSet_ORCA::LabelTop(double mm, uint32_t dpi) {
    return SendAdjustment(mm, dpi, 10.0, "^LT", 3, "");
}

int32_t CCommandSet_ORCA::TearOff(double mm, uint32_t dpi) {
    return SendAdjustment(mm, dpi, 10.0, "~TA", 3, "");
}

int32_t CCommandSet_ORCA::LabelShift(double mm, uint32_t dpi) {
    if (!(mm >= -999.9 && mm <= 999.9))
        return kCommandOutOfRange;
    const std::optional<int> dots = DotsOf(mm, dpi);
    if (!dots)
        return kCommandOutOfRange;
    return Send(Format("^LS%d", *dots));
}

int32_t CCommandSet_ORCA::PrintWidth(uint32_t dots) {
    return Send(Format("^PW%d", AsDecimal(dots)));
}

int32_t CCommandSet_ORCA::LabelLength(uint32_t dots) {
    return Send(Format("^LL%04d", AsDecimal(dots)));
}

int32_t CCommandSet_ORCA::GraphicBox(uint32_t length_mm, uint32_t height_dots, uint32_t dpi) {
    // The product wraps at 32 bits like the unsigned fields it is made of.
    const double length_dots = static_cast<uint32_t>(length_mm * dpi) / 25.4;
    return Send(Format("^GB%d,%d,%d", static_cast<int>(length_dots), AsDecimal(height_dots),
                       static_cast<int>((length_dots + 1.0) * 0.5)));
}

int32_t CCommandSet_ORCA::GraphicDownload(uint32_t total_bytes, uint32_t bytes_per_row,
                                          uint32_t /*unused*/, uint8_t compressed) {
    const int total = AsDecimal(total_bytes);
    const int per_row = AsDecimal(bytes_per_row);
    if (compressed != 0)
        return Send(Format("^GFA,%d,%d,%d,:Z64:", total, total, per_row));
    return Send(Format("~DG000.GRF,%d,%d,", total, per_row));
}

int32_t CCommandSet_ORCA::GraphicDelete() {
    return Send("^XA^ID000.GRF^FS^XZ");
}

int32_t CCommandSet_ORCA::SaveSettings() {
    return Send("^JUS");
}

int32_t CCommandSet_ORCA::GraphicRecall() {
    return Send("^XG000.GRF,1,1^FS");
}

int32_t CCommandSet_ORCA::FieldSeparator() {
    return Send(kFieldEnd);
}

int32_t CCommandSet_ORCA::TextField(uint32_t x, uint32_t y, char font, char orientation,
                                    uint32_t width, uint32_t height, uint32_t length,
                                    const uint8_t* data) {
    // A NUL character would end the formatted prefix early and corrupt the field.
    if (font == '\0' || orientation == '\0')
        return kCommandOutOfRange;
    const char command = font == 'S' ? 'G' : 'A';
    return SendField(Format("^FT%d,%d^%c%c%c,%d,%d^FH\\^FD", AsDecimal(x), AsDecimal(y), command,
                            font, orientation, AsDecimal(height), AsDecimal(width)),
                     length, data, kFieldEnd);
}

int32_t CCommandSet_ORCA::BarcodeField(uint8_t code, uint32_t x, uint32_t y, uint8_t module_width,
                                       double ratio, uint32_t height, uint8_t rotation,
                                       uint8_t human_readable, uint32_t length, const uint8_t* data,
                                       uint8_t /*check_digit*/) {
    if (code >= kBarcodePrefixes.size())
        return kCommandOutOfRange;
    const BarcodePrefix& prefix = kBarcodePrefixes[code];
    const char o = RotationLetter(rotation);
    const std::string_view hr = HumanReadableLetters(human_readable);
    const int w = module_width;
    const int h = AsDecimal(height);
    const int fx = AsDecimal(x);
    const int fy = AsDecimal(y);
    std::string text;
    switch (prefix.arguments) {
        case BarcodeArguments::kNone:
            return kCommandOutOfRange;
        case BarcodeArguments::kRatio:
            if (!std::isfinite(ratio))
                return kCommandOutOfRange;
            text = Format(prefix.format, w, ratio, h, fx, fy, o, hr[0], hr[1]);
            break;
        case BarcodeArguments::kRatioFixedRotation:
            if (!std::isfinite(ratio))
                return kCommandOutOfRange;
            text = Format(prefix.format, w, ratio, h, fx, fy, hr[0], hr[1]);
            break;
        case BarcodeArguments::kHeightAfterRotation:
            text = Format(prefix.format, w, fx, fy, o, h, hr[0], hr[1]);
            break;
    }
    return SendField(std::move(text), length, data, kFieldEnd);
}

int32_t CCommandSet_ORCA::Pdf417Field(int32_t x, uint32_t y, uint8_t module_width,
                                      uint8_t row_height, uint8_t security, uint8_t columns,
                                      uint8_t rows, uint8_t rotation, uint8_t /*truncate*/,
                                      uint32_t length, const uint8_t* data) {
    return SendField(
        Format("^BY%d,%d^FT%d,%d^B7%c,%d,%d,%d,%d,N^FH\\^FD", module_width, row_height, x,
               AsDecimal(y), RotationLetter(rotation), row_height, security, columns, rows),
        length, data, kFieldEnd);
}

int32_t CCommandSet_ORCA::DatamatrixField(uint32_t x, uint32_t y, uint8_t rotation,
                                          uint8_t element_height, uint8_t quality, uint8_t columns,
                                          uint8_t rows, uint8_t format_id, uint32_t length,
                                          const uint8_t* data) {
    return SendField(
        Format("^BY0,0^FT%d,%d^BX%c,%d,%d,%d,%d,%d^FH\\^FD", AsDecimal(x), AsDecimal(y),
               RotationLetter(rotation), element_height, quality, columns, rows, format_id),
        length, data, kFieldEnd);
}

int32_t CCommandSet_ORCA::MaxicodeField(uint32_t x, uint32_t y, char mode, uint32_t length,
                                        const uint8_t* data) {
    if (mode == '\0')
        return kCommandOutOfRange;
    return SendField(Format("^BY0,0^FT%d,%d^BD%c^FH\\^FD", AsDecimal(x), AsDecimal(y), mode),
                     length, data, "\\04^FS");
}

int32_t CCommandSet_ORCA::QrField(uint32_t x, uint32_t y, uint8_t model, uint8_t magnification,
                                  char error_correction, uint8_t /*mask*/, uint32_t length,
                                  const uint8_t* data) {
    if (error_correction == '\0')
        return kCommandOutOfRange;
    return SendField(Format("^FT%d,%d^BQN,%d,%d^FH\\^FD%cA,", AsDecimal(x), AsDecimal(y), model,
                            magnification, error_correction),
                     length, data, kFieldEnd);
}

int32_t CCommandSet_ORCA::CancelAll(uint8_t flag) {
    if (flag != 1)
        return kCommandOutOfRange;
    return Send("~JA");
}

}  // namespace orca::commands
