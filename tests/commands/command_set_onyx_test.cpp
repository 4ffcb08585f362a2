// SPDX-License-Identifier: Apache-2.0
#include "commands/command_set_onyx.h"

#include <gtest/gtest.h>

#include <cmath>

#include "command_set_cases.h"

namespace orca::commands::testing {
namespace {

using namespace std::string_literals;

// STX is written "\002" (an octal escape ends after three digits, so a
// following letter or digit stays a character of its own).
TEST(CommandSetOnyx, FixedAndSingleSettingCommands) {
    const CommandCase cases[] = {
        EMITS(ResetSyntax(), "\002KIS\r\001D\r\002N\r\002A1\r"),
        EMITS(MediaTracking(0), "\002j24040\r"),
        EMITS(MediaTracking(1), "\002j48000\r\002j24000\r"),
        EMITS(MediaTracking(2), "\002j48080\r\002j24000\r"),
        ANSWERS(MediaTracking(3), kRefused),
        ANSWERS(MediaTracking(255), kRefused),
        EMITS(MediaType(0), "\002j28080\r"),
        EMITS(MediaType(1), "\002j28000\r"),
        ANSWERS(MediaType(2), kRefused),
        ANSWERS(MediaType(255), kRefused),
        // Interval, counter and copies do not matter here, not even an interval of 0.
        EMITS(PrintMode(0, 0, 7, 1), "\002j23000\r"),
        EMITS(PrintMode(1, 3, 7, 1), "\002j23020\r"),
        EMITS(PrintMode(2, 3, 7, 1), "\002j23010\r"),
        EMITS(PrintMode(3, 3, 7, 1), "\002j23030\r"),
        EMITS(PrintMode(4, 0, 7, 1), "\002j23030\r"),
        EMITS(PrintMode(5, 3, 7, 1), "\002j23030\r"),
        ANSWERS(PrintMode(6, 3, 7, 1), kRefused),
        ANSWERS(PrintMode(255, 3, 7, 1), kRefused),
        EMITS(PrintOrientation(0), "\002u0\r"),
        EMITS(PrintOrientation(255), "\002u255\r"),
        EMITS(LabelReverse(1, 812, 1218), "\rA1\r1X1100000000000l08121218\r"),
        ANSWERS(LabelReverse(0, 812, 1218), kRefused),
        ANSWERS(LabelReverse(255, 812, 1218), kRefused),
        EMITS(PrintMirror(1), "\002l\r"),
        ANSWERS(PrintMirror(0), kRefused),
        ANSWERS(PrintMirror(255), kRefused),
        ANSWERS(PrintRate('@'), kRefused),
        EMITS(PrintRate('A'), "PA\rSA\rpA\r"),
        EMITS(PrintRate('T'), "PT\rST\rpT\r"),
        ANSWERS(PrintRate('U'), kRefused),
        ANSWERS(PrintRate(255), kRefused),
        EMITS(Darkness(0), "H00\r"),
        EMITS(Darkness(5), "H05\r"),
        EMITS(Darkness(30), "H30\r"),
        ANSWERS(Darkness(31), kRefused),
        ANSWERS(Darkness(255), kRefused),
        EMITS(PrintQuantity(12, 4, 0, 7, 3, 255), "Q0012\r"),
        EMITS(PrintQuantity(0, 0, 0, 0, 0, 0), "Q0000\r"),
        EMITS(PrintWidth(812), "\002Kw0812\r"),
        EMITS(LabelLength(1218), "\002c1218\r"),
        EMITS(SaveSettings(), "\002L\r"),
        EMITS(GraphicRecall(), "\xFF\x0F\rE\r"),
        EMITS(ExtJE(0), "\002JE0\r"),
        EMITS(ExtJE(255), "\002JE255\r"),
        EMITS(ExtKIR(), "\002H\r\002KIR\r"),
        EMITS(ExtImageRecord(), "A2\r1Y1199900000000\r\0\0\0\0"s),
        EMITS(ExtColon(7), ":0007\r"),
        EMITS(ExtF(0), "\002f000\r"),
        EMITS(ExtF(999), "\002f999\r"),
        ANSWERS(ExtF(1000), kRefused),
        EMITS(ExtJP(0), "\002JP000\r"),
        EMITS(ExtJP(999), "\002JP999\r"),
        ANSWERS(ExtJP(1000), kRefused),
    };
    CCommandSet_ONYX onyx;
    ExpectCases(onyx, cases);
}

TEST(CommandSetOnyx, AdjustmentsInDots) {
    const CommandCase cases[] = {
        EMITS(LabelTop(8.0, 300), "\002JY0094\r"), EMITS(LabelTop(-8.0, 300), "\002JY-0094\r"),
        EMITS(LabelTop(0.0, 300), "\002JY0000\r"), ANSWERS(LabelTop(8.5, 300), kRefused),
        ANSWERS(LabelTop(-8.01, 300), kRefused),   ANSWERS(LabelTop(NAN, 300), kRefused),
        EMITS(TearOff(1.0, 203), "\002Kf07\r"),    EMITS(TearOff(-1.0, 203), "\002Kf-07\r"),
        EMITS(TearOff(8.0, 600), "\002Kf188\r"),   ANSWERS(TearOff(8.1, 203), kRefused),
        ANSWERS(TearOff(-9.0, 203), kRefused),
    };
    CCommandSet_ONYX onyx;
    ExpectCases(onyx, cases);
}

TEST(CommandSetOnyx, TextFieldRecords) {
    const std::string data("A\0B", 3);
    // Record: orientation, font digit, height and width multipliers, size, row, column.
    const CommandCase cases[] = {
        EMITS(TextField(10, 20, 3, '1', 2, 4, 3, Bytes(data)), "134200000200010A\0B\r"s),
        EMITS(TextField(10, 20, 8, '4', 8, 8, 3, Bytes(data)), "488800000200010A\0B\r"s),
        EMITS(TextField(10, 20, 9, '2', 9, 9, 3, Bytes(data)), "298800000200010A\0B\r"s),
        EMITS(TextField(10, 20, 12, '3', 1, 1, 3, Bytes(data)), "391100300200010A\0B\r"s),
        EMITS(TextField(0, 0, 0, '1', 0, 0, 0, nullptr), "100000000000000\r"),
        ANSWERS(TextField(10, 20, 3, '\0', 2, 4, 3, Bytes(data)), kRefused),
        ANSWERS(TextField(10, 20, 3, '1', 2, 4, 3, nullptr), kRefused),
    };
    CCommandSet_ONYX onyx;
    ExpectCases(onyx, cases);
}

TEST(CommandSetOnyx, BarcodeLettersBySymbology) {
    const char letters[] = "ABCDEFGAIKLMNOPQRST";
    const char with_check_digit[] = "HBCJEFGHIKLMNOPQRST";
    const std::string data("1\0002", 3);
    std::vector<CommandCase> cases;
    for (uint8_t code = 0; code < 19; ++code) {
        for (uint8_t check : {0, 1}) {
            const char letter = check == 1 ? with_check_digit[code] : letters[code];
            const std::string label =
                "code " + std::to_string(code) + " check " + std::to_string(check);
            // W 2 × ratio 3.0: wide '6', narrow '2'; rotation 1 → '4'.
            cases.push_back(Emits(
                label + " readable",
                [=](CCommandSetBase& s) {
                    return s.BarcodeField(code, 10, 20, 2, 3.0, 50, 1, 1, 3, Bytes(data), check);
                },
                std::string{'4', letter} + "6205000200010" + data + "\r"));
            cases.push_back(Emits(
                label + " plain",
                [=](CCommandSetBase& s) {
                    return s.BarcodeField(code, 10, 20, 2, 3.0, 50, 1, 0, 3, Bytes(data), check);
                },
                std::string{'4', static_cast<char>(letter - 'A' + 'a')} + "6205000200010" + data +
                    "\r"));
        }
    }
    for (uint8_t code : {19, 255}) {
        cases.push_back(Answers(
            "code " + std::to_string(code),
            [=](CCommandSetBase& s) {
                return s.BarcodeField(code, 10, 20, 2, 3.0, 50, 1, 1, 3, Bytes(data), 0);
            },
            kRefused));
    }
    CCommandSet_ONYX onyx;
    ExpectCases(onyx, cases);
}

TEST(CommandSetOnyx, BarcodeWidthsRotationAndHeight) {
    const std::string data = "7";
    // Arguments: code, x, y, module width, ratio, height, rotation, human readable, data, check.
    const CommandCase cases[] = {
        EMITS(BarcodeField(5, 1, 2, 10, 3.0, 50, 0, 1, 1, Bytes(data), 0), "1FOA050000200017\r"),
        EMITS(BarcodeField(5, 1, 2, 1, 18.6, 50, 2, 1, 1, Bytes(data), 0), "3FJ1050000200017\r"),
        EMITS(BarcodeField(5, 1, 2, 24, 1.0, 999, 3, 1, 1, Bytes(data), 0), "2FOO999000200017\r"),
        EMITS(BarcodeField(5, 1, 2, 25, 1.0, 1000, 4, 1, 1, Bytes(data), 0), "1FOO999000200017\r"),
        // 128 × 2 rounds to 256 dots: still the widest bar, not the width of its low byte.
        EMITS(BarcodeField(5, 1, 2, 128, 2.0, 0, 0, 1, 1, Bytes(data), 0), "1FOO000000200017\r"),
        EMITS(BarcodeField(5, 1, 2, 1, 0.5, 0, 0, 1, 1, Bytes(data), 0), "1F11000000200017\r"),
        // A zero-width bar would put a NUL into the record and cut it short.
        ANSWERS(BarcodeField(5, 1, 2, 0, 3.0, 50, 0, 1, 1, Bytes(data), 0), kRefused),
        ANSWERS(BarcodeField(5, 1, 2, 1, 0.4, 50, 0, 1, 1, Bytes(data), 0), kRefused),
        ANSWERS(BarcodeField(5, 1, 2, 2, -3.0, 50, 0, 1, 1, Bytes(data), 0), kRefused),
        ANSWERS(BarcodeField(5, 1, 2, 2, NAN, 50, 0, 1, 1, Bytes(data), 0), kRefused),
        ANSWERS(BarcodeField(5, 1, 2, 2, 3.0, 50, 0, 1, 1, nullptr, 0), kRefused),
    };
    CCommandSet_ONYX onyx;
    ExpectCases(onyx, cases);
}

TEST(CommandSetOnyx, TwoDimensionalFields) {
    const std::string data("Q\0R", 3);
    const std::string ten = "0123456789";
    const CommandCase cases[] = {
        // Rotation digit, module and row width characters, row height, row, column,
        // truncation, security, "00", rows, columns, data length.
        EMITS(Pdf417Field(10, 20, 3, 30, 2, 5, 12, 1, 1, 3, Bytes(data)),
              "4Z3O02400200010T20012050003Q\0R\r"s),
        EMITS(Pdf417Field(-5, 20, 24, 1, 0, 1, 3, 3, 0, 3, Bytes(data)),
              "2ZO10010020-005F00003010003Q\0R\r"s),
        ANSWERS(Pdf417Field(10, 20, 0, 6, 2, 5, 12, 1, 1, 3, Bytes(data)), kRefused),
        ANSWERS(Pdf417Field(10, 20, 3, 0, 2, 5, 12, 1, 1, 3, Bytes(data)), kRefused),
        EMITS(MaxicodeField(10, 20, '2', 3, Bytes(data)), "1u7700000200010Q\0R\004\r"s),
        EMITS(MaxicodeField(10, 20, '\0', 3, Bytes(data)), "1u7700000200010Q\0R\004\r"s),
        EMITS(QrField(10, 20, 2, 5, 'M', 3, 10, Bytes(ten)),
              "1v000000020001005200014M3A,0123456789\r"),
        EMITS(QrField(10, 20, 2, 5, 'M', 9, 10, Bytes(ten)),
              "1v000000020001005200013MA,0123456789\r"),
        EMITS(QrField(10, 20, 1, 30, 'H', 0, 3, Bytes(data)), "1v000000020001024100007H0A,Q\0R\r"s),
        ANSWERS(QrField(10, 20, 2, 5, '\0', 3, 3, Bytes(data)), kRefused),
    };
    CCommandSet_ONYX onyx;
    ExpectCases(onyx, cases);
}

}  // namespace
}  // namespace orca::commands::testing
