// SPDX-License-Identifier: Apache-2.0
// Import: the language check, the warning, each value's check, the font
// records and their counts, the custom papers, the orientation and the file
// forms a reader accepts.
#include <algorithm>
#include <string>
#include <vector>

#include "import/import_fixture.h"
#include "text/ini.h"
#include "text/utf.h"

namespace orca::importtest {
namespace {

constexpr char kRefusal[] =
    "The current printer does not support this profile.The import operation has been cancelled.";

std::string OrcaFile(std::string_view body) {
    return "[DriverInfo]\r\nbtCommandSet=1\r\n" + std::string(body);
}

// Forms of the spooler by name.
std::vector<std::u16string> FormNames(platform::sim::Environment& env) {
    std::vector<std::u16string> names;
    for (const platform::sim::Form& form : env.Forms())
        names.push_back(form.info.name);
    return names;
}

TEST_F(ImportPageTest, AFileOfTheOtherLanguageIsRefusedAndChangesNothing) {
    const std::string body =
        "[Option]\r\nbtDarkness=7\r\nbtLandscape=1\r\n"
        "[Paper]\r\ndwCount=1\r\n"
        "[Paper1]\r\nName=Custom Paper-New\r\nwidth=50000\r\nheight=30000\r\n"
        "right=50000\r\nbottom=30000\r\n";
    struct Case {
        const char16_t* model;
        const char* driverInfo;
        int filter;
        bool refused;
    };
    const Case cases[] = {
        {u"Kestrel(ORCA)", "[DriverInfo]\r\nbtCommandSet=2\r\n", kSettingsFilter, true},
        {u"Kestrel(ORCA)", "", kSettingsFilter, true},  // no language at all
        {u"Kestrel(ONYX)", "[DriverInfo]\r\nbtCommandSet=1\r\n", kOtherFilter, true},
        {u"Kestrel(ONYX)", "", kOtherFilter, true},  // an older file: ORCA
        // A file that names its language keeps it under the older files' filter.
        {u"Kestrel(ORCA)", "[DriverInfo]\r\nbtCommandSet=2\r\n", kOtherFilter, true},
        // Accepted; the later ones find the paper of the first there already.
        {u"Kestrel(ORCA)", "", kOtherFilter, false},
        {u"Kestrel(ORCA)", "[DriverInfo]\r\nbtCommandSet=1\r\n", kOtherFilter, false},
        {u"Kestrel(ONYX)", "[DriverInfo]\r\nbtCommandSet=2\r\n", kOtherFilter, false},
        {u"Kestrel(ONYX)", "[DriverInfo]\r\nbtCommandSet=2\r\n", kSettingsFilter, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.driverInfo << " filter " << c.filter);
        Open(u"Label Printer", c.model);
        const std::vector<uint8_t> before = Block();
        WriteFile(PathIn("file.drvs"), c.driverInfo + body);

        const std::vector<MessageRecord> shown = Import(PathIn("file.drvs"), c.filter);
        ASSERT_GE(shown.size(), 1u);
        EXPECT_EQ(shown[0].text,
                  u"This action will override the current settings! Are you sure you want to go "
                  u"next?");
        EXPECT_EQ(shown[0].caption, u"Warning");
        EXPECT_EQ(shown[0].type, resources::MB_OKCANCEL);
        if (c.refused) {
            ASSERT_EQ(shown.size(), 2u);
            EXPECT_EQ(shown[1].text, text::Utf8ToUtf16(kRefusal));
            EXPECT_EQ(shown[1].type, resources::MB_OK);
            EXPECT_EQ(Block(), before);
            EXPECT_EQ(Public().dmOrientation, 1);
            EXPECT_TRUE(FormNames(Env()).empty());
            EXPECT_FALSE(ApplyEnabled());
        } else {
            EXPECT_EQ(shown.size(), 1u);
            EXPECT_EQ(Get<uint8_t>(2002), 7);
            EXPECT_EQ(Public().dmOrientation, 2);
            EXPECT_EQ(FormNames(Env()), std::vector<std::u16string>{u"Custom Paper-New"});
            EXPECT_TRUE(ApplyEnabled());
        }
    }
}

TEST_F(ImportPageTest, CancellingTheWarningOpensNoDialog) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    WriteFile(PathIn("file.drvs"), OrcaFile("[Option]\r\nbtDarkness=7\r\n"));
    const std::vector<uint8_t> before = Block();
    Import(PathIn("file.drvs"), kSettingsFilter, resources::IDCANCEL);
    EXPECT_FALSE(DialogOpened());
    EXPECT_EQ(Block(), before);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(ImportPageTest, AValueThatFailsItsCheckLeavesTheSettingAsItWas) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    const uint32_t mirrors = Get<uint8_t>(2049);
    const uint32_t speeds = Get<uint32_t>(34007);
    int offered = 0;
    while (offered < 8 && (mirrors >> offered & 1) == 0)
        ++offered;
    int refused = 0;
    while (refused < 8 && (mirrors >> refused & 1) != 0)
        ++refused;
    ASSERT_LT(offered, 8) << "the model offers no mirror value";
    ASSERT_LT(refused, 8) << "the model offers every mirror value";
    int fastest = 31;
    while (fastest > 0 && (speeds >> fastest & 1) == 0)
        --fastest;

    struct Case {
        const char* section;
        const char* key;
        std::string value;
        uint32_t field;
        bool taken;
    };
    const Case cases[] = {
        {"Option", "dwCopies", "0", 3005, false},
        {"Option", "dwCopies", "32768", 3005, false},
        {"Option", "dwCopies", "255", 3005, true},
        {"Option", "btDarkness", "31", 2002, false},
        {"Option", "btDarkness", "255", 2002, true},
        {"Option", "btSpeedUnit", "2", 2001, true},
        {"Advanced", "btMirror", std::to_string(offered), 2005, true},
        {"Advanced", "btMirror", std::to_string(refused), 2005, false},
        {"Advanced", "btMirror", "255", 2005, true},
        // Beyond the mask's 32 bits: not a value the list can offer.
        {"Option", "btSpeed", std::to_string(fastest + 32), 2000, false},
        {"Option", "btSpeed", "-1", 2000, false},
        {"Other", "dwInterval", "999999", 34006, true},
        {"Other", "dwInterval", "1000000", 34006, false},
        {"Advanced", "dwCutterGroup", "0", 34005, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << "=" << c.value);
        Set<uint32_t>(c.field, 1);
        const uint32_t before = Get<uint32_t>(c.field);
        WriteFile(PathIn("check.drvs"), OrcaFile("[" + std::string(c.section) + "]\r\n" + c.key +
                                                 "=" + c.value + "\r\n"));
        Import(PathIn("check.drvs"));
        const uint32_t after = Get<uint32_t>(c.field);
        if (c.taken)
            EXPECT_EQ(static_cast<int64_t>(after), std::stoll(c.value));
        else
            EXPECT_EQ(after, before);
    }
}

TEST_F(ImportPageTest, NumbersAreReadAsTheirLeadingDigits) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    WriteFile(PathIn("numbers.drvs"),
              OrcaFile("[Advanced]\r\ndbAdjustTop=12.5mm\r\ndbAdjustTearOff=1e3\r\n"
                       "dbAdjustPosition=  -3.25\r\n[Option]\r\nbtDarkness=  12 \r\n"));
    Import(PathIn("numbers.drvs"));
    EXPECT_EQ(Get<double>(5000), 12.5);
    EXPECT_EQ(Get<double>(5001), 1.0) << "a number has no exponent";
    EXPECT_EQ(Get<double>(5002), -3.25);
    EXPECT_EQ(Get<uint8_t>(2002), 12);
}

TEST_F(ImportPageTest, AnEmptyOrUnreadableNumberLeavesEverythingAsItWas) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    const std::string fonts = std::to_string(Get<uint8_t>(2068));
    ASSERT_NE(fonts, "0");
    const std::string lines[] = {
        "[Option]\r\nbtDarkness=",
        "[Option]\r\nbtDarkness=dark",
        "[Option]\r\nbtDarkness=-",
        "[Barcode]\r\ndwBarcodeCount=\r\n[Barcode1]\r\nName=Other",
        "[Barcode]\r\ndwBarcodeCount=eight\r\n[Barcode1]\r\nName=Other",
        "[CommandFont]\r\ndwCMDFontCount=eight\r\n[CommandFont1]\r\nName=Other",
        "[Advanced]\r\ndbAdjustTop=",
        "[Advanced]\r\ndbAdjustTop=nan",
        "[Advanced]\r\ndbAdjustTop=-inf",
        "[Advanced]\r\ndbAdjustTop=infinity",
        "[Advanced]\r\ndbAdjustTop=e5",
        "[Barcode]\r\ndwBarcodeCount=" + fonts + "\r\n[Barcode1]\r\ndbYDimensions=NAN",
    };
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        const std::vector<uint8_t> before = Block();
        WriteFile(PathIn("unreadable.drvs"), OrcaFile(line + "\r\n"));
        Import(PathIn("unreadable.drvs"));
        EXPECT_EQ(Block(), before);
    }
}

TEST_F(ImportPageTest, AFileLargerThanAnyProfileIsRefusedUnread) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    const std::string settings = OrcaFile("[Option]\r\nbtDarkness=7\r\n");
    struct Case {
        uint64_t size;  // the settings, then comment lines, then a hole
        bool refused;
    };
    const Case cases[] = {
        {text::ini::kMaxFileBytes, false},
        {text::ini::kMaxFileBytes + 1, true},
        {uint64_t{2} << 40, true},  // a sparse file no memory would hold
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        const std::vector<uint8_t> before = Block();
        const uint64_t written = std::min(c.size, text::ini::kMaxFileBytes + 1);
        std::string bytes = settings + ";";
        bytes.resize(written - 2, 'x');
        WriteFile(PathIn("large.drvs"), bytes + "\r\n");
        fs::resize_file(PathIn("large.drvs"), c.size);

        const std::vector<MessageRecord> shown = Import(PathIn("large.drvs"));
        if (c.refused) {
            ASSERT_EQ(shown.size(), 2u);
            EXPECT_EQ(shown[1].text, text::Utf8ToUtf16(kRefusal));
            EXPECT_EQ(Block(), before);
        } else {
            EXPECT_EQ(shown.size(), 1u);
            EXPECT_EQ(Get<uint8_t>(2002), 7);
            Set<uint8_t>(2002, 8);  // so a refused file's 7 would show
        }
    }
}

TEST_F(ImportPageTest, FontRecordsFollowTheFilesCountWithinTheirThirtyTwo) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    const uint8_t fonts = Get<uint8_t>(2068);
    const std::u16string first = GetName(44002, 0);
    ASSERT_GT(fonts, 2);

    // Keys missing from a section leave those fields of the record alone.
    WriteFile(PathIn("three.drvs"),
              OrcaFile("[Barcode]\r\ndwBarcodeCount=3\r\n[Barcode2]\r\nName=Mine\r\nbtType=9\r\n"));
    const uint8_t secondRatio = Get<uint8_t>(2029, 1);
    Import(PathIn("three.drvs"));
    EXPECT_EQ(Get<uint8_t>(2068), 3);
    EXPECT_EQ(GetName(44002, 0), first);
    EXPECT_EQ(GetName(44002, 1), u"Mine");
    EXPECT_EQ(Get<uint8_t>(2023, 1), 9);
    EXPECT_EQ(Get<uint8_t>(2029, 1), secondRatio);

    // No "Barcode" section: the fonts stay as they are.
    WriteFile(PathIn("none.drvs"), OrcaFile("[Option]\r\nbtDarkness=3\r\n"));
    Import(PathIn("none.drvs"));
    EXPECT_EQ(Get<uint8_t>(2068), 3);

    // A count beyond 32 reads and stores 32 records, and nothing past them.
    std::string many = "[CommandFont]\r\ndwCMDFontCount=40\r\n";
    for (int i = 1; i <= 40; ++i)
        many += "[CommandFont" + std::to_string(i) + "]\r\nName=Font " + std::to_string(i) +
                "\r\nstrCMDPrefixData=^FX" + std::to_string(i) + "\r\n";
    WriteFile(PathIn("many.drvs"), OrcaFile(many));
    Import(PathIn("many.drvs"));
    EXPECT_EQ(Get<uint8_t>(2069), 32);
    EXPECT_EQ(GetName(44003, 31), u"Font 32");

    WriteFile(PathIn("zero.drvs"), OrcaFile("[CommandFont]\r\ndwCMDFontCount=0\r\n"));
    Import(PathIn("zero.drvs"));
    EXPECT_EQ(Get<uint8_t>(2069), 0);
}

TEST_F(ImportPageTest, NamesAreCutToWhatARecordHolds) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    const std::string name(60, 'N');
    WriteFile(PathIn("long.drvs"),
              OrcaFile("[Barcode]\r\ndwBarcodeCount=1\r\n[Barcode1]\r\nName=" + name + "\r\n"));
    Import(PathIn("long.drvs"));
    EXPECT_EQ(GetName(44002, 0), std::u16string(39, u'N'));
    EXPECT_EQ(GetBytes(44002, 80)[78], 0) << "the name keeps its terminator";
}

TEST_F(ImportPageTest, CommandDataComesBackByteForByteOrNotAtAll) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    const std::string long600(600, 'x');
    struct Case {
        std::string value;
        bool taken;
        std::string stored;
    };
    const Case cases[] = {
        {"{hex}5E58410D0A00FF", true, std::string("^XA\r\n\0\xFF", 7)},
        {"{hex}5e58", true, "^X"},
        {"{hex}5G", false, ""},
        {"{hex}5", false, ""},
        {"{hex}" + std::string(2050, '4'), false, ""},
        {long600, true, long600},
        {std::string(1025, 'y'), false, ""},
    };
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.substr(0, 20));
        SetBytes(45000, old, 1024);
        WriteFile(PathIn("data.drvs"),
                  OrcaFile("[StartDoc]\r\ncDocStartCommand=" + c.value + "\r\n"));
        Import(PathIn("data.drvs"));
        std::vector<uint8_t> expected =
            c.taken ? std::vector<uint8_t>(c.stored.begin(), c.stored.end()) : old;
        expected.resize(1024);
        EXPECT_EQ(GetBytes(45000, 1024), expected);
    }
}

TEST_F(ImportPageTest, CommandDataKeepsItsTerminatingZeroAndItsLengthFollowsIt) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    struct Field {
        std::string section;  // up to the data key
        const char* key;
        const char* lengthKey;
        uint32_t data;
        uint32_t length;
        uint32_t size;
    };
    const Field fields[] = {
        {"[StartDoc]", "cDocStartCommand", "bDocStartCommandLength", 45000, 33002, 1024},
        {"[CommandFont]\r\ndwCMDFontCount=1\r\n[CommandFont1]", "strCMDPrefixData",
         "wCMDPrefixDataLength", 45008, 33010, 524},
    };
    struct Case {
        std::string data;  // the data key's value, none when empty
        std::string lengthValue;
        std::string stored;  // old when empty
    };
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    for (const Field& field : fields) {
        const size_t most = field.size - 1;
        const Case cases[] = {
            {std::string(most, 'y'), "", std::string(most, 'y')},
            {std::string(field.size, 'y'), "", ""},
            {"{hex}" + std::string(2 * most, '4'), "", std::string(most, 'D')},
            {"{hex}" + std::string(2 * field.size, '4'), "", ""},
            // A length key never overrides the data's own length.
            {"abcd", "60000", "abcd"},
            {"{hex}4142004344", "5", std::string("AB\0CD", 5)},
            {"", "60000", ""},
            {"", "1", ""},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(field.key + (" " + c.data.substr(0, 16) + " " + c.lengthValue));
            SetBytes(field.data, old, field.size);
            Set<uint16_t>(field.length, 3);
            std::string body = field.section + "\r\n";
            if (!c.data.empty())
                body += field.key + ("=" + c.data) + "\r\n";
            if (!c.lengthValue.empty())
                body += field.lengthKey + ("=" + c.lengthValue) + "\r\n";
            WriteFile(PathIn("data.drvs"), OrcaFile(body));
            Import(PathIn("data.drvs"));
            std::vector<uint8_t> expected =
                c.stored.empty() ? old : std::vector<uint8_t>(c.stored.begin(), c.stored.end());
            const auto text = static_cast<uint16_t>(std::find(expected.begin(), expected.end(), 0) -
                                                    expected.begin());
            expected.resize(field.size);
            EXPECT_EQ(GetBytes(field.data, field.size), expected);
            EXPECT_EQ(Get<uint16_t>(field.length), text);
        }
    }
}

TEST_F(ImportPageTest, PapersAreAddedOnceAndThePaperSizeBecomesThePrintersPaper) {
    ASSERT_TRUE(Env().AddForm({.flags = platform::kFormUser,
                               .name = u"Custom Paper-Öl",
                               .width = 40000,
                               .height = 40000,
                               .left = 0,
                               .top = 0,
                               .right = 40000,
                               .bottom = 40000},
                              300));
    Open(u"Label Printer", u"Kestrel(ORCA)");
    WriteFile(PathIn("papers.drvs"),
              // Names compare without regard to the case of any letter (Windows-1252 text).
              OrcaFile("[Paper]\r\ndwCount=3\r\nPaperSize=custom paper-\xD1"
                       "EW\r\n"
                       "[Paper1]\r\nName=CUSTOM PAPER-\xF6L\r\nwidth=90000\r\nheight=90000\r\n"
                       "right=90000\r\nbottom=90000\r\n"
                       "[Paper3]\r\nName=Custom Paper-\xF1"
                       "ew\r\nwidth=60000\r\nheight=30000\r\n"
                       "left=1000\r\ntop=2000\r\nright=59000\r\nbottom=28000\r\n"));
    Import(PathIn("papers.drvs"));
    const std::vector<platform::sim::Form> forms = Env().Forms();
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms[0].info.width, 40000) << "the form there is kept as it was";
    EXPECT_EQ(forms[1].info, (platform::FormInfo1{.flags = platform::kFormUser,
                                                  .name = u"Custom Paper-ñew",
                                                  .width = 60000,
                                                  .height = 30000,
                                                  .left = 1000,
                                                  .top = 2000,
                                                  .right = 59000,
                                                  .bottom = 28000}));
    EXPECT_EQ(StoredPaperSize(u"Label Printer"), forms[1].number);

    // A count of 0 adds nothing and ignores the paper size.
    WriteFile(PathIn("nopapers.drvs"),
              OrcaFile("[Paper]\r\ndwCount=0\r\nPaperSize=Custom Paper-\xD6l\r\n"
                       "[Paper1]\r\nName=Custom Paper-Other\r\nwidth=60000\r\nheight=30000\r\n"));
    Import(PathIn("nopapers.drvs"));
    EXPECT_EQ(Env().Forms().size(), 2u);
    EXPECT_EQ(StoredPaperSize(u"Label Printer"), forms[1].number);
}

TEST_F(ImportPageTest, TheOrientationGoesToTheHostsItemAndTheRecord) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    const std::pair<const char*, int> cases[] = {{"1", 2}, {"7", 2}, {"0", 1}, {"-1", 1}};
    for (const auto& [value, orientation] : cases) {
        WriteFile(PathIn("turn.drvs"), OrcaFile("[Option]\r\nbtLandscape=" + std::string(value)));
        Import(PathIn("turn.drvs"));
        EXPECT_EQ(Public().dmOrientation, orientation) << value;
        EXPECT_EQ(HostItems().Orientation().Sel, orientation - 1) << value;
    }
}

TEST_F(ImportPageTest, AUtf16FileInAnyOrderWithBlankLinesIsRead) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    const std::u16string text =
        u"\r\n[Advanced]\r\n\r\nbtMirror=255\r\n[option]\r\n\r\nBTDARKNESS=9\r\nbtSpeedUnit=2\r\n"
        u"\r\n[Barcode1]\r\nName=Étiquette 标签\r\n[Barcode]\r\ndwBarcodeCount=1\r\n"
        u"[DriverInfo]\r\nbtCommandSet=1\r\n";
    WriteFile(PathIn("wide.drvs"), "\xFF\xFE" + text::Utf16ToUtf16Le(text));
    Import(PathIn("wide.drvs"));
    EXPECT_EQ(Get<uint8_t>(2005), 255);
    EXPECT_EQ(Get<uint8_t>(2002), 9);
    EXPECT_EQ(Get<uint8_t>(2001), 2);
    EXPECT_EQ(Get<uint8_t>(2068), 1);
    EXPECT_EQ(GetName(44002, 0), u"Étiquette 标签");
}

}  // namespace
}  // namespace orca::importtest
