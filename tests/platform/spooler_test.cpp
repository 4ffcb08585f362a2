// SPDX-License-Identifier: Apache-2.0
// The simulated spooler's printers, stored settings, device capabilities and
// forms, reached through the spooler port as the system reaches them.
#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/process.h"
#include "platform/sim/public_record.h"
#include "platform/spooler.h"
#include "support/sim_env.h"

namespace orca::platform {
namespace {

using sim::Paper;
using sim::Printer;

class SpoolerTest : public testsupport::SimEnvTest {
protected:
    void SetUp() override {
        Env().AddPrinter(
            Printer{.name = u"Kestrel(ORCA)",
                    .driverName = u"ORCA Kestrel",
                    .portName = u"null:",
                    .settings = sim::MakePublicRecord(u"Kestrel(ORCA)", 120, u"4 x 6 in"),
                    .perUserSettingsSize = 50716,
                    .papers = {{.number = 120, .name = u"4 x 6 in", .width = 1016, .length = 1524},
                               {.number = 121, .name = u"A4", .width = 2100, .length = 2970}}});
    }

    Spooler& Spool() { return *Ports().spooler; }
    uint32_t LastError() { return Ports().process->LastError(); }

    PrinterHandle OpenKestrel() {
        PrinterHandle h = nullptr;
        EXPECT_TRUE(Spool().Open(u"Kestrel(ORCA)", &h));
        return h;
    }
};

FormInfo1 Form(std::u16string name, int32_t w, int32_t h) {
    return FormInfo1{.flags = kFormUser,
                     .name = std::move(name),
                     .width = w,
                     .height = h,
                     .left = 0,
                     .top = 0,
                     .right = w,
                     .bottom = h};
}

TEST_F(SpoolerTest, OpensByNameIgnoringCaseAndRefusesUnknownPrinters) {
    PrinterHandle h = nullptr;
    EXPECT_TRUE(Spool().Open(u"kestrel(orca)", &h));
    EXPECT_NE(h, nullptr);
    EXPECT_TRUE(Spool().Close(h));
    EXPECT_FALSE(Spool().Close(h));
    EXPECT_EQ(LastError(), kErrorInvalidHandle);

    EXPECT_FALSE(Spool().Open(u"Nobody", &h));
    EXPECT_EQ(LastError(), kErrorInvalidPrinterName);
}

TEST_F(SpoolerTest, Level2AnswersItsSizeThenReadsAndRefusesSmallBuffers) {
    const PrinterHandle h = OpenKestrel();
    uint32_t needed = 0;
    EXPECT_FALSE(Spool().GetInfo2(h, 0, nullptr, &needed));
    EXPECT_EQ(LastError(), kErrorInsufficientBuffer);
    // Fixed part, three strings with terminators, then the record.
    EXPECT_EQ(needed, kPrinterInfo2Size + 2 * (14 + 13 + 6) + sim::kPublicRecordSize);

    PrinterInfo2 info;
    EXPECT_FALSE(Spool().GetInfo2(h, needed - 1, &info, &needed));
    EXPECT_EQ(LastError(), kErrorInsufficientBuffer);
    EXPECT_TRUE(info.printerName.empty());

    ASSERT_TRUE(Spool().GetInfo2(h, needed, &info, &needed));
    EXPECT_EQ(info.printerName, u"Kestrel(ORCA)");
    EXPECT_EQ(info.driverName, u"ORCA Kestrel");
    EXPECT_EQ(info.portName, u"null:");
    EXPECT_EQ(info.devMode, sim::MakePublicRecord(u"Kestrel(ORCA)", 120, u"4 x 6 in"));

    uint32_t perUser = 0;
    EXPECT_TRUE(Spool().GetInfo9Size(h, &perUser));
    EXPECT_EQ(perUser, 50716u);
    Spool().Close(h);
}

TEST_F(SpoolerTest, StoresSettingsRecordsWhoseSizesAddUp) {
    const PrinterHandle h = OpenKestrel();
    PrinterInfo2 info;
    ASSERT_TRUE(ReadPrinterInfo2(Spool(), h, &info));

    // A public record with a 4-byte private block behind it.
    info.devMode[70] = 4;
    info.devMode.insert(info.devMode.end(), {'Z', 'O', 'R', 'V'});
    ASSERT_TRUE(Spool().SetInfo2(h, info));
    PrinterInfo2 back;
    ASSERT_TRUE(ReadPrinterInfo2(Spool(), h, &back));
    EXPECT_EQ(back.devMode, info.devMode);

    PrinterInfo2 bad = info;
    bad.devMode.pop_back();
    EXPECT_FALSE(Spool().SetInfo2(h, bad));
    EXPECT_EQ(LastError(), kErrorInvalidParameter);
    bad.devMode.assign(10, 0);
    EXPECT_FALSE(Spool().SetInfo2(h, bad));

    // No record keeps the stored one.
    EXPECT_TRUE(Spool().SetInfo2(h, PrinterInfo2{}));
    ASSERT_TRUE(ReadPrinterInfo2(Spool(), h, &back));
    EXPECT_EQ(back.devMode, info.devMode);
    Spool().Close(h);
}

TEST_F(SpoolerTest, ClosedOrForeignHandlesFailEveryCall) {
    const PrinterHandle h = OpenKestrel();
    Spool().Close(h);
    uint32_t needed = 7;
    EXPECT_FALSE(Spool().GetInfo2(h, 1000, nullptr, &needed));
    EXPECT_EQ(needed, 0u);
    EXPECT_EQ(LastError(), kErrorInvalidHandle);
    EXPECT_FALSE(Spool().GetInfo9Size(h, &needed));
    EXPECT_FALSE(Spool().AddForm1(h, Form(u"Custom Paper-X", 50000, 30000)));
    EXPECT_EQ(LastError(), kErrorInvalidHandle);
    EXPECT_EQ(Spool().StartDocument(h, DocInfo1{}), 0u);
    EXPECT_FALSE(Spool().Close(reinterpret_cast<PrinterHandle>(uintptr_t(0xdead0))));
}

TEST_F(SpoolerTest, PaperListIsBuiltInPapersThenFormsWithStableNumbers) {
    const PrinterHandle h = OpenKestrel();
    ASSERT_TRUE(Spool().AddForm1(h, Form(u"Custom Paper-A", 50000, 30000)));
    ASSERT_TRUE(Spool().AddForm1(h, Form(u"Custom Paper-B", 60100, 40099)));
    // A form named like a built-in paper is not listed twice.
    ASSERT_TRUE(Spool().AddForm1(h, Form(u"a4", 210000, 297000)));

    std::vector<std::u16string> names;
    std::vector<PaperPoint> sizes;
    std::vector<uint16_t> numbers;
    EXPECT_EQ(Spool().PaperNames(u"Kestrel(ORCA)", u"null:", nullptr), 4);
    EXPECT_EQ(Spool().PaperNames(u"Kestrel(ORCA)", u"null:", &names), 4);
    EXPECT_EQ(Spool().PaperSizes(u"Kestrel(ORCA)", u"null:", &sizes), 4);
    EXPECT_EQ(Spool().PaperNumbers(u"Kestrel(ORCA)", u"null:", &numbers), 4);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"4 x 6 in", u"A4", u"Custom Paper-A",
                                                  u"Custom Paper-B"}));
    EXPECT_EQ(sizes[2].x, 500);
    EXPECT_EQ(sizes[3].x, 601);  // thousandths to tenths of a millimetre
    EXPECT_EQ(sizes[3].y, 400);
    EXPECT_EQ(numbers[0], 120);
    EXPECT_GT(numbers[2], kUserDefinedPaper);
    EXPECT_GT(numbers[3], kUserDefinedPaper);
    EXPECT_NE(numbers[2], numbers[3]);

    // Deleting A leaves B's number; a new form does not take B's.
    const uint16_t numberOfB = numbers[3];
    ASSERT_TRUE(Spool().DeleteForm1(h, u"Custom Paper-A"));
    ASSERT_TRUE(Spool().AddForm1(h, Form(u"Custom Paper-C", 50000, 30000)));
    Spool().PaperNumbers(u"Kestrel(ORCA)", u"", &numbers);
    Spool().PaperNames(u"Kestrel(ORCA)", u"", &names);
    EXPECT_EQ(names[2], u"Custom Paper-B");
    EXPECT_EQ(numbers[2], numberOfB);
    EXPECT_NE(numbers[3], numberOfB);

    Env().AddPrinter(Printer{
        .name = u"Long",
        .driverName = u"D",
        .portName = u"null:",
        .settings = {},
        .perUserSettingsSize = 0,
        .papers = {{.number = 1, .name = std::u16string(70, u'x'), .width = 1, .length = 1}}});
    EXPECT_EQ(Spool().PaperNames(u"Long", u"", &names), 4);
    EXPECT_EQ(names[0], std::u16string(kPaperNameUnits, u'x'));

    EXPECT_EQ(Spool().PaperNames(u"Nobody", u"", &names), -1);
    EXPECT_EQ(Spool().PaperSizes(u"Nobody", u"", &sizes), -1);
    EXPECT_EQ(Spool().PaperNumbers(u"Nobody", u"", &numbers), -1);
    Spool().Close(h);
}

TEST_F(SpoolerTest, FormsAddGetSetDeleteAndEnumerate) {
    const PrinterHandle h = OpenKestrel();
    FormInfo1 form{.flags = kFormUser,
                   .name = u"Custom Paper-Label 50",
                   .width = 50000,
                   .height = 30000,
                   .left = 1000,
                   .top = 2000,
                   .right = 49000,
                   .bottom = 28000};
    ASSERT_TRUE(Spool().AddForm1(h, form));
    EXPECT_FALSE(Spool().AddForm1(h, Form(u"custom paper-label 50", 1000, 1000)));
    EXPECT_EQ(LastError(), kErrorFileExists);

    uint32_t needed = 0;
    FormInfo1 read;
    EXPECT_FALSE(Spool().GetForm1(h, u"Custom Paper-Label 50", 0, nullptr, &needed));
    EXPECT_EQ(LastError(), kErrorInsufficientBuffer);
    EXPECT_EQ(needed, kFormInfo1Size + 2 * 22);
    ASSERT_TRUE(Spool().GetForm1(h, u"Custom Paper-Label 50", needed, &read, &needed));
    EXPECT_EQ(read, form);

    FormInfo1 changed = Form(u"ignored name", 60000, 40000);
    ASSERT_TRUE(Spool().SetForm1(h, u"CUSTOM PAPER-LABEL 50", changed));
    ASSERT_TRUE(ReadForm1(Spool(), h, u"Custom Paper-Label 50", &read));
    EXPECT_EQ(read.name, u"Custom Paper-Label 50");
    EXPECT_EQ(read.width, 60000);
    EXPECT_EQ(read.bottom, 40000);

    std::vector<FormInfo1> all;
    uint32_t returned = 9;
    EXPECT_FALSE(Spool().EnumForms1(h, 0, &all, &needed, &returned));
    EXPECT_EQ(returned, 0u);
    ASSERT_TRUE(Spool().EnumForms1(h, needed, &all, &needed, &returned));
    ASSERT_EQ(returned, 1u);
    EXPECT_EQ(all[0], read);

    ASSERT_TRUE(Spool().DeleteForm1(h, u"Custom Paper-Label 50"));
    for (auto call :
         {+[](Spooler&s, PrinterHandle p) { return s.DeleteForm1(p, u"Custom Paper-Label 50"); },
          +[](Spooler&s, PrinterHandle p) {
              return s.SetForm1(p, u"Custom Paper-Label 50", Form(u"x", 10, 10));
          },
          +[](Spooler&s, PrinterHandle p) {
              FormInfo1 f;
              return ReadForm1(s, p, u"Custom Paper-Label 50", &f);
          }}) {
        EXPECT_FALSE(call(Spool(), h));
        EXPECT_EQ(LastError(), kErrorInvalidFormName);
    }
    ASSERT_TRUE(Spool().EnumForms1(h, 0, &all, &needed, &returned));
    EXPECT_EQ(returned, 0u);
    EXPECT_TRUE(all.empty());
    Spool().Close(h);
}

// Names compare with every letter folded, not only A-Z; a form deleted from
// the middle leaves each later one found under its own name, and a printer
// removed leaves the others.
TEST_F(SpoolerTest, FormsAndPrintersAreFoundByNameAfterOthersGo) {
    const PrinterHandle h = OpenKestrel();
    struct Added {
        const char16_t* name;
        const char16_t* lookup;
        int32_t width;
    };
    const Added forms[] = {{u"Étiquette", u"éTIQUETTE", 1000},
                           {u"Pallet", u"pallet", 2000},
                           {u"Bin", u"BIN", 3000},
                           {u"Shelf", u"sHELF", 4000}};
    for (const Added& f : forms)
        ASSERT_TRUE(Spool().AddForm1(h, Form(f.name, f.width, 1000)));
    EXPECT_FALSE(Spool().AddForm1(h, Form(u"éTIQUETTE", 1000, 1000)));
    EXPECT_EQ(LastError(), kErrorFileExists);
    ASSERT_TRUE(Spool().DeleteForm1(h, u"pallet"));
    for (const Added& f : {forms[0], forms[2], forms[3]}) {
        FormInfo1 read;
        ASSERT_TRUE(ReadForm1(Spool(), h, f.lookup, &read));
        EXPECT_EQ(read, Form(f.name, f.width, 1000));
    }
    FormInfo1 gone;
    EXPECT_FALSE(ReadForm1(Spool(), h, u"Pallet", &gone));

    for (const char16_t* name : {u"Dock", u"Gate"}) {
        Printer printer;
        printer.name = name;
        Env().AddPrinter(printer);
    }
    ASSERT_TRUE(Env().RemovePrinter(u"DOCK"));
    PrinterHandle gate = nullptr;
    ASSERT_TRUE(Spool().Open(u"gate", &gate));
    Spool().Close(gate);
    EXPECT_FALSE(Spool().Open(u"Dock", &gate));
    Spool().Close(h);
}

TEST_F(SpoolerTest, RefusesUnsoundFormsAndLeavesBuiltInFormsAlone) {
    const PrinterHandle h = OpenKestrel();
    struct Case {
        const char* what;
        FormInfo1 form;
    };
    const Case cases[] = {
        {"empty name", Form(u"", 1000, 1000)},
        {"name of 32 units", Form(std::u16string(32, u'n'), 1000, 1000)},
        {"built-in flag", FormInfo1{.flags = kFormBuiltin,
                                    .name = u"b",
                                    .width = 10,
                                    .height = 10,
                                    .left = 0,
                                    .top = 0,
                                    .right = 10,
                                    .bottom = 10}},
        {"zero width", Form(u"w", 0, 1000)},
        {"area past the size", FormInfo1{.flags = 0,
                                         .name = u"p",
                                         .width = 10,
                                         .height = 10,
                                         .left = 0,
                                         .top = 0,
                                         .right = 11,
                                         .bottom = 10}},
        {"empty area", FormInfo1{.flags = 0,
                                 .name = u"e",
                                 .width = 10,
                                 .height = 10,
                                 .left = 5,
                                 .top = 0,
                                 .right = 5,
                                 .bottom = 10}},
        {"negative margin", FormInfo1{.flags = 0,
                                      .name = u"n",
                                      .width = 10,
                                      .height = 10,
                                      .left = 0,
                                      .top = -1,
                                      .right = 10,
                                      .bottom = 10}},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Spool().AddForm1(h, c.form)) << c.what;
        EXPECT_EQ(LastError(), kErrorInvalidParameter) << c.what;
    }
    EXPECT_TRUE(Spool().AddForm1(h, Form(std::u16string(31, u'n'), 1000, 1000)));

    ASSERT_TRUE(Env().AddForm(FormInfo1{.flags = kFormBuiltin,
                                        .name = u"Letter",
                                        .width = 215900,
                                        .height = 279400,
                                        .left = 0,
                                        .top = 0,
                                        .right = 215900,
                                        .bottom = 279400}));
    EXPECT_FALSE(Spool().DeleteForm1(h, u"Letter"));
    EXPECT_EQ(LastError(), kErrorInvalidParameter);
    EXPECT_FALSE(Spool().SetForm1(h, u"Letter", Form(u"Letter", 1000, 1000)));
    EXPECT_EQ(LastError(), kErrorInvalidParameter);
    Spool().Close(h);
}

}  // namespace
}  // namespace orca::platform
