// SPDX-License-Identifier: Apache-2.0
// Export: the file's layout, its language's keys, command data an INI line
// cannot carry, the chosen path's extension and the custom papers.
#include <string>
#include <utility>
#include <vector>

#include "import/import_fixture.h"

namespace orca::importtest {
namespace {

using Keys = std::vector<std::string>;

struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;

    Keys KeyNames() const {
        Keys names;
        for (const auto& [key, value] : keys)
            names.push_back(key);
        return names;
    }
    std::string Value(std::string_view key) const {
        for (const auto& [name, value] : keys) {
            if (name == key)
                return value;
        }
        return "(missing)";
    }
};

// The sections of an exported file in order; fails on a line that does not
// end with CR LF.
std::vector<Section> Sections(const std::string& bytes) {
    std::vector<Section> sections;
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t end = bytes.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a last line without CR LF";
        if (end == std::string::npos)
            break;
        const std::string line = bytes.substr(at, end - at);
        EXPECT_EQ(line.find('\n'), std::string::npos) << "a lone LF in " << line;
        if (line.starts_with("["))
            sections.push_back({line.substr(1, line.size() - 2), {}});
        else if (!sections.empty())
            sections.back().keys.emplace_back(line.substr(0, line.find('=')),
                                              line.substr(line.find('=') + 1));
        at = end + 2;
    }
    return sections;
}

const Section& Find(const std::vector<Section>& sections, std::string_view name) {
    static const Section kNone;
    for (const Section& section : sections) {
        if (section.name == name)
            return section;
    }
    ADD_FAILURE() << "no section " << name;
    return kNone;
}

Keys Tail(const Keys& keys, size_t count) {
    return Keys(keys.end() - static_cast<std::ptrdiff_t>(std::min(count, keys.size())), keys.end());
}

std::vector<uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST_F(ImportPageTest, AnExportedFileHasTheLayoutOfThePrintersLanguage) {
    struct Case {
        const char16_t* model;
        const char* language;
        Keys advancedTail;
        Keys otherTail;
        Keys barcodeTail;
    };
    const Case cases[] = {
        {u"Kestrel(ORCA)",
         "1",
         {"dbAdjustTearOff", "dwCutterGroup", "dbAdjustPosition"},
         {"btDithering", "btPause", "btBackFeed", "dwInterval", "btZip", "btCancelBeforePrint"},
         {"btQRMask", "btDatamatrixWidth", "btDatamatrixNoOfCellA", "btDatamatrixNoOfCellB",
          "btDatamatrixECC", "btDatamatrixFormatID"}},
        {u"Kestrel(ONYX)",
         "2",
         {"dbAdjustTearOff", "dwPaperUnit"},
         {"btDithering", "btErrRePrint"},
         {"btQRMask", "btPDF417Truncate"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        Open(u"Label Printer", c.model);
        Set<uint8_t>(2069, 1);  // one command font
        Export(PathIn("settings"));
        const std::string bytes = ReadFile(PathIn("settings.drvs"));
        ASSERT_FALSE(bytes.empty());
        EXPECT_FALSE(bytes.starts_with("\xFF\xFE")) << "ANSI, without a byte-order mark";

        const std::vector<Section> sections = Sections(bytes);
        std::vector<std::string> expected = {"DriverInfo", "Option",   "Paper",     "Advanced",
                                             "Other",      "StartDoc", "StartPage", "EndDoc",
                                             "EndPage",    "Barcode"};
        for (int i = 1; i <= Get<uint8_t>(2068); ++i)
            expected.push_back("Barcode" + std::to_string(i));
        expected.insert(expected.end(), {"CommandFont", "CommandFont1"});
        std::vector<std::string> names;
        for (const Section& section : sections)
            names.push_back(section.name);
        EXPECT_EQ(names, expected);

        EXPECT_EQ(Find(sections, "DriverInfo").Value("btCommandSet"), c.language);
        EXPECT_EQ(Find(sections, "DriverInfo").Value("dwDriverName"), "Label Printer");
        EXPECT_EQ(
            Find(sections, "Option").KeyNames(),
            (Keys{"btSpeed", "dwCopies", "btSpeedUnit", "btDarkness", "btRote180", "btLandscape"}));
        EXPECT_EQ(Find(sections, "Paper").KeyNames(),
                  (Keys{"iCustomerPaperHeight", "iCustomerPaperWidth", "dwCount", "PaperSize"}));
        EXPECT_EQ(Tail(Find(sections, "Advanced").KeyNames(), c.advancedTail.size()),
                  c.advancedTail);
        EXPECT_EQ(Tail(Find(sections, "Other").KeyNames(), c.otherTail.size()), c.otherTail);
        EXPECT_EQ(Tail(Find(sections, "Barcode1").KeyNames(), c.barcodeTail.size()), c.barcodeTail);
        EXPECT_EQ(Find(sections, "Barcode1").Value("dbYDimensions"), "20.000");
        EXPECT_EQ(Find(sections, "CommandFont1").KeyNames().size(), 9u);
    }
}

TEST_F(ImportPageTest, CommandDataAnIniLineCannotCarryIsWrittenAsHex) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    struct Case {
        uint32_t field;
        std::string data;
        std::string written;
    };
    const Case cases[] = {
        {45000, "^XA\r\n^XZ", "{hex}5E58410D0A5E585A"},
        {45001, std::string("A\0B", 3), "{hex}410042"},
        {45002, "^XA^FO10,10<\\x1B>", "^XA^FO10,10<\\x1B>"},
        {45003, " spaced ", "\" spaced \""},
        {45004, "{hex}41", "{hex}7B6865787D3431"},
        {45005, "caf\xE9", "caf\xE9"},
    };
    for (const Case& c : cases)
        SetBytes(c.field, Bytes(c.data), 1024);
    Export(PathIn("data.drvs"));
    const std::vector<Section> sections = Sections(ReadFile(PathIn("data.drvs")));
    const std::pair<const char*, const char*> keys[] = {
        {"StartDoc", "cDocStartCommand"},      {"EndDoc", "cDocEndCommand"},
        {"StartDoc", "cDocStartCommand_Data"}, {"EndDoc", "cDocEndCommand_Data"},
        {"StartPage", "cPageStartCommand"},    {"EndPage", "cPageEndCommand"},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(Find(sections, keys[i].first).Value(keys[i].second), cases[i].written) << i;
}

TEST_F(ImportPageTest, DrvsIsAddedUnlessThePathEndsInItExactly) {
    Open(u"Label Printer", u"Kestrel(ORCA)");
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "plain.drvs"},
        {"kept.drvs", "kept.drvs"},
        {"caps.DRVS", "caps.DRVS.drvs"},
        {"other.ini", "other.ini.drvs"},
    };
    for (const auto& [chosen, written] : cases) {
        Export(PathIn(chosen));
        EXPECT_TRUE(fs::exists(PathIn(written))) << chosen;
    }
    EXPECT_FALSE(fs::exists(PathIn("caps.DRVS")));
}

TEST_F(ImportPageTest, CustomPapersGoAsFormsAndTheStoredCustomPaperNamesThePaperSize) {
    platform::FormInfo1 big{.flags = platform::kFormUser,
                            .name = u"Custom Paper-Big",
                            .width = 100000,
                            .height = 150000,
                            .left = 1000,
                            .top = 2000,
                            .right = 99000,
                            .bottom = 148000};
    ASSERT_TRUE(Env().AddForm(big, 300));
    const std::vector<Paper> papers = {{.number = 9, .name = u"A4", .width = 2100, .length = 2970}};

    Open(u"Label Printer", u"Kestrel(ORCA)", papers, {300, u"Custom Paper-Big"});
    Export(PathIn("custom.drvs"));
    std::vector<Section> sections = Sections(ReadFile(PathIn("custom.drvs")));
    EXPECT_EQ(Find(sections, "Paper").Value("dwCount"), "1");
    EXPECT_EQ(Find(sections, "Paper").Value("PaperSize"), "Custom Paper-Big");
    const Section& paper = Find(sections, "Paper1");
    EXPECT_EQ(paper.keys,
              (std::vector<std::pair<std::string, std::string>>{{"Name", "Custom Paper-Big"},
                                                                {"width", "100000"},
                                                                {"height", "150000"},
                                                                {"left", "1000"},
                                                                {"right", "99000"},
                                                                {"top", "2000"},
                                                                {"bottom", "148000"}}));

    // Stored on a paper that is not custom: the sheet's own form name.
    Open(u"Label Printer", u"Kestrel(ORCA)", papers, {9, u"A4"});
    SetName(44001, u"Sheet Form", 0, 64);
    Export(PathIn("builtin.drvs"));
    sections = Sections(ReadFile(PathIn("builtin.drvs")));
    EXPECT_EQ(Find(sections, "Paper").Value("PaperSize"), "Sheet Form");
}

TEST_F(ImportPageTest, AKeyThatCannotBeWrittenIsReportedAndTheRestWritten) {
    // A stored name can hold a line break, which no INI line can carry.
    Open(u"Label Printer", u"Kestrel(ORCA)");
    ASSERT_GT(Get<uint8_t>(2068), 1);
    SetName(44002, u"Ship\nLabel", 1);
    const size_t before = Screen().Messages().size();
    Export(PathIn("broken.drvs"));
    const auto& messages = Screen().Messages();
    ASSERT_EQ(messages.size(), before + 1);
    EXPECT_EQ(messages.back().text,
              u"These keys could not be written to the file:\n[Barcode2] Name");
    const std::vector<Section> sections = Sections(ReadFile(PathIn("broken.drvs")));
    EXPECT_EQ(Find(sections, "Barcode2").Value("Name"), "(missing)");
    EXPECT_NE(Find(sections, "Barcode1").Value("Name"), "(missing)");
    EXPECT_EQ(Find(sections, "Barcode2").Value("btType"), std::to_string(Get<uint8_t>(2023, 1)));

    // Nothing refused: no message.
    SetName(44002, u"Ship Label", 1);
    Export(PathIn("whole.drvs"));
    EXPECT_EQ(Screen().Messages().size(), before + 1);
}

}  // namespace
}  // namespace orca::importtest
