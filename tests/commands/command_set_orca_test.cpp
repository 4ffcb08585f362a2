// SPDX-License-Identifier: Apache-2.0
#include "commands/command_set_orca.h"

#include <gtest/gtest.h>

#include <cmath>

#include "command_set_cases.h"

namespace orca::commands::testing {
namespace {

using namespace std::string_literals;

TEST(CommandSetOrca, FixedAndSingleSettingCommands) {
    const CommandCase cases[] = {
        EMITS(ResetSyntax(),
              "\x10"
              "CT~~CD,~CC^~CT~"),
        EMITS(LabelFormat(0), "^XA"),
        EMITS(LabelFormat(1), "^XZ"),
        ANSWERS(LabelFormat(2), kCommandNotInLanguage),
        EMITS(LabelHome(), "^LH0,0"),
        EMITS(FieldOrigin(10, 20), "^FO10,20"),
        EMITS(FieldTypeset(0, 1218), "^FT0,1218"),
        EMITS(MediaTracking(0), "^MNN"),
        EMITS(MediaTracking(1), "^MNM"),
        EMITS(MediaTracking(2), "^MNW"),
        ANSWERS(MediaTracking(3), kRefused),
        ANSWERS(MediaTracking(255), kRefused),
        EMITS(MediaType(0), "^MTT"),
        EMITS(MediaType(1), "^MTD"),
        ANSWERS(MediaType(2), kRefused),
        ANSWERS(MediaType(255), kRefused),
        EMITS(PrintOrientation(0), "^PON"),
        EMITS(PrintOrientation(1), "^POI"),
        ANSWERS(PrintOrientation(2), kRefused),
        ANSWERS(PrintOrientation(255), kRefused),
        EMITS(LabelReverse(0, 812, 1218), "^LRN"),
        EMITS(LabelReverse(1, 0, 0), "^LRY"),
        ANSWERS(LabelReverse(2, 812, 1218), kRefused),
        ANSWERS(LabelReverse(255, 812, 1218), kRefused),
        EMITS(PrintMirror(0), "^PMN"),
        EMITS(PrintMirror(1), "^PMY"),
        ANSWERS(PrintMirror(2), kRefused),
        ANSWERS(PrintMirror(255), kRefused),
        ANSWERS(PrintRate(1), kRefused),
        EMITS(PrintRate(2), "^PR2,2"),
        EMITS(PrintRate(14), "^PR14,14"),
        ANSWERS(PrintRate(15), kRefused),
        ANSWERS(PrintRate(255), kRefused),
        EMITS(Darkness(0), "~SD0"),
        EMITS(Darkness(30), "~SD30"),
        ANSWERS(Darkness(31), kRefused),
        ANSWERS(Darkness(255), kRefused),
        EMITS(Backfeed(0), "~JSO"),
        EMITS(Backfeed(1), "~JSB"),
        EMITS(Backfeed(2), "~JSN"),
        EMITS(Backfeed(3), "~JSA"),
        ANSWERS(Backfeed(4), kRefused),
        ANSWERS(Backfeed(255), kRefused),
        EMITS(InternationalFont(), "^CI0"),
        EMITS(DotsPerMillimetre(), "^JMA"),
        EMITS(PrintWidth(812), "^PW812"),
        EMITS(LabelLength(812), "^LL0812"),
        EMITS(LabelLength(12345), "^LL12345"),
        EMITS(GraphicBox(10, 3, 203), "^GB79,3,40"),
        // The length × resolution product wraps at 32 bits.
        EMITS(GraphicBox(65536, 3, 65536), "^GB0,3,0"),
        EMITS(GraphicDownload(100, 10, 99, 1), "^GFA,100,100,10,:Z64:"),
        EMITS(GraphicDownload(100, 10, 99, 0), "~DG000.GRF,100,10,"),
        EMITS(GraphicDelete(), "^XA^ID000.GRF^FS^XZ"),
        EMITS(SaveSettings(), "^JUS"),
        EMITS(GraphicRecall(), "^XG000.GRF,1,1^FS"),
        EMITS(FieldSeparator(), "^FS"),
        EMITS(CancelAll(1), "~JA"),
        ANSWERS(CancelAll(0), kRefused),
        ANSWERS(CancelAll(255), kRefused),
    };
    CCommandSet_ORCA orca;
    ExpectCases(orca, cases);
}

TEST(CommandSetOrca, PrintModeLetters) {
    const CommandCase cases[] = {
        EMITS(PrintMode(0, 1, 0, 1), "^MMT"),
        EMITS(PrintMode(1, 1, 0, 1), "^MMP"),
        EMITS(PrintMode(2, 1, 0, 1), "^MMR"),
        EMITS(PrintMode(3, 1, 0, 1), "^MMA"),
        EMITS(PrintMode(5, 1, 0, 1), "^MMD"),
        EMITS(PrintMode(6, 1, 0, 1), "^MMF"),
        ANSWERS(PrintMode(7, 1, 0, 1), kRefused),
        ANSWERS(PrintMode(8, 1, 0, 1), kRefused),
        EMITS(PrintMode(9, 1, 0, 1), "^MMK"),
        ANSWERS(PrintMode(10, 1, 0, 1), kRefused),
        ANSWERS(PrintMode(255, 1, 0, 1), kRefused),
        // Cutter: a single label cuts only when it closes its group of `interval`.
        EMITS(PrintMode(4, 3, 3, 1), "^MMC"),
        EMITS(PrintMode(4, 3, 4, 1), "^MMT"),
        EMITS(PrintMode(4, 3, 0, 0), "^MMC"),
        EMITS(PrintMode(4, 3, 4, 2), "^MMC"),
        ANSWERS(PrintMode(4, 0, 3, 1), kRefused),
        EMITS(PrintMode(4, 0, 3, 2), "^MMC"),
        EMITS(PrintMode(0, 0, 3, 1), "^MMT"),
    };
    CCommandSet_ORCA orca;
    ExpectCases(orca, cases);
}

TEST(CommandSetOrca, PrintQuantityRows) {
    // Arguments: copies, operation mode, interval, pause count, counter, pause mode.
    const CommandCase cases[] = {
        EMITS(PrintQuantity(5, 0, 2, 7, 0, 0), "^PQ5,2,1,Y"),
        EMITS(PrintQuantity(5, 0, 2, 7, 0, 1), "^PQ5,2,1,Y^PP"),
        EMITS(PrintQuantity(2, 0, 2, 7, 0, 2), "^PQ2,2,1,N"),
        EMITS(PrintQuantity(5, 4, 2, 7, 0, 3), "^PQ5,2,1,N"),
        EMITS(PrintQuantity(5, 0, 2, 7, 0, 3), "^PQ5,7,1,N"),
        EMITS(PrintQuantity(5, 0x104, 2, 7, 0, 3), "^PQ5,2,1,N"),
        EMITS(PrintQuantity(5, 0, 2, 7, 0, 4), "^PQ5,0,1,Y"),
        EMITS(PrintQuantity(5, 0, 2, 7, 0, 255), "^PQ5,0,1,Y"),
        EMITS(PrintQuantity(5, 4, 0, 7, 1, 0), "^PQ5,0,1,Y"),
        // One label (copies 0 or 1): the quantity is always 1.
        EMITS(PrintQuantity(1, 4, 3, 7, 3, 0), "^PQ1,1,1,Y"),
        EMITS(PrintQuantity(1, 4, 3, 7, 4, 0), "^PQ1,0,1,Y"),
        EMITS(PrintQuantity(0, 0, 3, 7, 3, 0), "^PQ1,0,1,Y"),
        EMITS(PrintQuantity(1, 4, 3, 7, 6, 1), "^PQ1,1,1,Y^PP"),
        EMITS(PrintQuantity(1, 4, 3, 7, 4, 1), "^PQ1,0,1,Y^PP"),
        EMITS(PrintQuantity(1, 0, 3, 7, 4, 1), "^PQ1,0,1,Y^PP"),
        EMITS(PrintQuantity(1, 4, 3, 7, 4, 2), "^PQ1,0,1,N"),
        EMITS(PrintQuantity(1, 4, 3, 7, 3, 2), "^PQ1,1,1,N"),
        EMITS(PrintQuantity(1, 0, 3, 7, 4, 2), "^PQ1,1,1,N"),
        EMITS(PrintQuantity(1, 4, 3, 7, 4, 3), "^PQ1,0,1,N"),
        EMITS(PrintQuantity(1, 4, 3, 7, 6, 3), "^PQ1,1,1,N"),
        EMITS(PrintQuantity(1, 0, 3, 7, 4, 3), "^PQ1,7,1,N"),
        EMITS(PrintQuantity(1, 4, 3, 7, 3, 255), "^PQ1,0,1,Y"),
        // A cutter interval of 0 cannot be divided by; outside the cutter it is unused.
        ANSWERS(PrintQuantity(1, 4, 0, 7, 3, 0), kRefused),
        ANSWERS(PrintQuantity(0, 4, 0, 7, 3, 3), kRefused),
        EMITS(PrintQuantity(1, 0, 0, 7, 3, 2), "^PQ1,1,1,N"),
        EMITS(PrintQuantity(1, 4, 0, 7, 3, 255), "^PQ1,0,1,Y"),
    };
    CCommandSet_ORCA orca;
    ExpectCases(orca, cases);
}

TEST(CommandSetOrca, AdjustmentsInDots) {
    const CommandCase cases[] = {
        EMITS(LabelTop(1.0, 203), "^LT007"),
        EMITS(LabelTop(-1.0, 203), "^LT-007"),
        EMITS(LabelTop(0.0, 203), "^LT000"),
        EMITS(LabelTop(10.0, 203), "^LT079"),
        EMITS(LabelTop(-10.0, 203), "^LT-079"),
        EMITS(LabelTop(10.0, 600), "^LT236"),
        ANSWERS(LabelTop(10.5, 203), kRefused),
        ANSWERS(LabelTop(-10.01, 203), kRefused),
        ANSWERS(LabelTop(NAN, 203), kRefused),
        EMITS(TearOff(1.0, 300), "~TA011"),
        EMITS(TearOff(-10.0, 300), "~TA-118"),
        ANSWERS(TearOff(10.1, 300), kRefused),
        EMITS(LabelShift(2.0, 203), "^LS15"),
        EMITS(LabelShift(-2.0, 203), "^LS-15"),
        EMITS(LabelShift(999.9, 203), "^LS7991"),
        EMITS(LabelShift(-999.9, 203), "^LS-7991"),
        ANSWERS(LabelShift(1000.0, 203), kRefused),
        ANSWERS(LabelShift(NAN, 203), kRefused),
        // Too many dots for the signed field.
        ANSWERS(LabelShift(999.9, 4000000000u), kRefused),
    };
    CCommandSet_ORCA orca;
    ExpectCases(orca, cases);
}

TEST(CommandSetOrca, TextFieldsCarryTheirDataWhole) {
    const std::string data("A\0B", 3);
    const CommandCase cases[] = {
        EMITS(TextField(10, 20, 'S', 'R', 30, 40, 3, Bytes(data)),
              "^FT10,20^GSR,40,30^FH\\^FDA\0B^FS"s),
        EMITS(TextField(10, 20, '0', 'N', 30, 40, 3, Bytes(data)),
              "^FT10,20^A0N,40,30^FH\\^FDA\0B^FS"s),
        EMITS(TextField(0, 0, 'B', 'I', 5, 6, 0, nullptr), "^FT0,0^ABI,6,5^FH\\^FD^FS"),
        ANSWERS(TextField(10, 20, '\0', 'N', 30, 40, 3, Bytes(data)), kRefused),
        ANSWERS(TextField(10, 20, '0', '\0', 30, 40, 3, Bytes(data)), kRefused),
        ANSWERS(TextField(10, 20, '0', 'N', 30, 40, 3, nullptr), kRefused),
    };
    CCommandSet_ORCA orca;
    ExpectCases(orca, cases);
}

TEST(CommandSetOrca, BarcodePrefixBySymbology) {
    struct Row {
        uint8_t code;
        const char* prefix;  // with W 2, ratio 2.5, height 50, x 10, y 20, rotation B, "YN"
    };
    const Row rows[] = {
        {0, "^BY2,2.5,50^FT10,20^BEB,,Y,N^FD"},
        {1, "^BY2,2.5,50^FT10,20^B8B,,Y,N^FD"},
        {2, "^BY2,2.5,50^FT10,20^BUB,,Y,N^FD"},
        {3, "^BY2,2.5,50^FT10,20^B9B,,Y,N^FD"},
        {4, "^BY2,2.5,50^FT10,20^B2B,,Y,N^FD"},
        {5, "^BY2,2.5,50^FT10,20^B3B,N,,Y,N^FD"},
        {6, "^BY2,2.5,50^FT10,20^BCB,,Y,N^FD"},
        {7, "^BY2,2.5,50^FT10,20^BCB,,Y,N^FD"},
        {8, "^BY2,2.5,50^FT10,20^BCB,,Y,N^FD"},
        {9, "^BY2,2.5,50^FT10,20^BKB,N,,Y,N,1,1^FD"},
        {10, "^BY2,2.5,50^FT10,20^BCB,,Y,N,,A^FH\\^FD"},
        {11, "^BY2^FT10,20^BZB,50,Y,N^FD"},
        {12, "^BY2^FT10,20^BZB,50,Y,N^FD"},
        {13, "^BY2^FT10,20^BZB,50,Y,N^FD"},
        {14, "^BY2,2.5,50^FT10,20^BSB,,Y,N^FD"},
        {15, "^BY2,2.5,50^FT10,20^BAB,,Y,N^FD"},
        {19, "^BY2,2.5,50^FT10,20^BMN,A,,Y,N^FD"},
        {20, "^BY2,2.5,50^FT10,20^B3B,N,,Y,N^FD"},
        {21, "^BY2,2.5,50^FT10,20^BSB,,Y,N^FD"},
        {22, "^BY2,2.5,50^FT10,20^BSB,,Y,N^FD"},
        {23, "^BY2^FT10,20^BZB,50,Y,N^FD"},
    };
    const std::string data(
        "12\0"
        "3",
        4);
    std::vector<CommandCase> cases;
    for (const Row& row : rows) {
        const uint8_t code = row.code;
        cases.push_back(Emits(
            "code " + std::to_string(code),
            [=](CCommandSetBase& s) {
                return s.BarcodeField(code, 10, 20, 2, 2.5, 50, 1, 1, 4, Bytes(data), 1);
            },
            row.prefix + data + "^FS"));
    }
    for (uint8_t code : {16, 17, 18, 24, 25, 255}) {
        cases.push_back(Answers(
            "code " + std::to_string(code),
            [=](CCommandSetBase& s) {
                return s.BarcodeField(code, 10, 20, 2, 2.5, 50, 1, 1, 4, Bytes(data), 0);
            },
            kRefused));
    }
    CCommandSet_ORCA orca;
    ExpectCases(orca, cases);
}

TEST(CommandSetOrca, BarcodeRotationAndHumanReadableLetters) {
    const std::string data = "5";
    const CommandCase cases[] = {
        EMITS(BarcodeField(0, 1, 2, 3, 3.0, 40, 0, 0, 1, Bytes(data), 0),
              "^BY3,3.0,40^FT1,2^BEN,,N,N^FD5^FS"),
        EMITS(BarcodeField(0, 1, 2, 3, 3.0, 40, 2, 2, 1, Bytes(data), 0),
              "^BY3,3.0,40^FT1,2^BEI,,Y,Y^FD5^FS"),
        EMITS(BarcodeField(0, 1, 2, 3, 3.0, 40, 3, 3, 1, Bytes(data), 0),
              "^BY3,3.0,40^FT1,2^BER,,N,N^FD5^FS"),
        EMITS(BarcodeField(0, 1, 2, 3, 3.0, 40, 4, 255, 1, Bytes(data), 0),
              "^BY3,3.0,40^FT1,2^BEN,,N,N^FD5^FS"),
        EMITS(BarcodeField(19, 1, 2, 3, 3.0, 40, 3, 2, 1, Bytes(data), 0),
              "^BY3,3.0,40^FT1,2^BMN,A,,Y,Y^FD5^FS"),
        // A ratio that is not a number would be sent as text; POSTNET has no ratio field.
        ANSWERS(BarcodeField(0, 1, 2, 3, NAN, 40, 0, 0, 1, Bytes(data), 0), kRefused),
        ANSWERS(BarcodeField(19, 1, 2, 3, INFINITY, 40, 0, 0, 1, Bytes(data), 0), kRefused),
        EMITS(BarcodeField(11, 1, 2, 3, NAN, 40, 0, 0, 1, Bytes(data), 0),
              "^BY3^FT1,2^BZN,40,N,N^FD5^FS"),
        ANSWERS(BarcodeField(0, 1, 2, 3, 3.0, 40, 0, 0, 1, nullptr, 0), kRefused),
    };
    CCommandSet_ORCA orca;
    ExpectCases(orca, cases);
}

TEST(CommandSetOrca, TwoDimensionalFields) {
    const std::string data("Q\0R", 3);
    const CommandCase cases[] = {
        EMITS(Pdf417Field(-5, 20, 2, 6, 3, 4, 10, 1, 1, 3, Bytes(data)),
              "^BY2,6^FT-5,20^B7B,6,3,4,10,N^FH\\^FDQ\0R^FS"s),
        EMITS(Pdf417Field(0, 0, 1, 1, 0, 1, 3, 9, 0, 0, nullptr),
              "^BY1,1^FT0,0^B7N,1,0,1,3,N^FH\\^FD^FS"),
        EMITS(DatamatrixField(10, 20, 2, 8, 200, 16, 16, 6, 3, Bytes(data)),
              "^BY0,0^FT10,20^BXI,8,200,16,16,6^FH\\^FDQ\0R^FS"s),
        EMITS(DatamatrixField(10, 20, 3, 0, 0, 0, 0, 0, 3, Bytes(data)),
              "^BY0,0^FT10,20^BXR,0,0,0,0,0^FH\\^FDQ\0R^FS"s),
        EMITS(MaxicodeField(10, 20, '2', 3, Bytes(data)), "^BY0,0^FT10,20^BD2^FH\\^FDQ\0R\\04^FS"s),
        ANSWERS(MaxicodeField(10, 20, '\0', 3, Bytes(data)), kRefused),
        EMITS(QrField(10, 20, 2, 5, 'Q', 3, 3, Bytes(data)), "^FT10,20^BQN,2,5^FH\\^FDQA,Q\0R^FS"s),
        ANSWERS(QrField(10, 20, 2, 5, '\0', 3, 3, Bytes(data)), kRefused),
        ANSWERS(QrField(10, 20, 2, 5, 'Q', 3, 3, nullptr), kRefused),
    };
    CCommandSet_ORCA orca;
    ExpectCases(orca, cases);
}

}  // namespace
}  // namespace orca::commands::testing
