// SPDX-License-Identifier: Apache-2.0
#include "host/cups/queue_settings.h"

#include <gtest/gtest.h>

#include <sstream>

#include "commands/command_set_onyx.h"
#include "commands/command_set_orca.h"

namespace orca::host::cups {
namespace {

struct SettingsCase {
    const char* what;
    std::string ppd;  // the lines after *orcauiModel
    std::string model;
    std::string jobOptions;
    std::string expected;
};

std::string SettingsOf(const SettingsCase& test) {
    std::istringstream ppd("*orcauiModel: \"" + test.model + "\"\r\n" + test.ppd);
    QueuePpd queue;
    EXPECT_EQ(ReadQueuePpd(ppd, &queue), std::nullopt);
    SettingValues values;
    EXPECT_EQ(ResolveSettings(queue, test.jobOptions, &values), std::nullopt);
    commands::CCommandSet_ORCA orca;
    commands::CCommandSet_ONYX onyx;
    commands::CCommandSetBase& generator = queue.model->language == printers::Language::Onyx
                                               ? static_cast<commands::CCommandSetBase&>(onyx)
                                               : orca;
    return SettingsCommands(generator, values, queue.dpi);
}

TEST(QueueSettings, QueueDefaultsThenJobOptionsInThePrintersLanguage) {
    const SettingsCase cases[] = {
        {"every setting left to the printer sends nothing", "*Defaultdarkness: Default\n",
         "Kestrel(ORCA)", "", ""},
        {"the queue's defaults, in a label format of their own",
         "*Defaultdarkness: 20\n*Defaultspeed: 76\n*Defaultpaper-type: MarkSensing\n",
         "Kestrel(ORCA)", "", "^XA^MNM^PR3,3~SD20^XZ"},
        {"a job's option replaces the queue's, the last of two wins",
         "*Defaultdarkness: 20\n*Defaultspeed: 76\n", "Kestrel(ORCA)", "darkness=25 darkness=26",
         "^XA^PR3,3~SD26^XZ"},
        {"a job leaves a setting to the printer", "*Defaultdarkness: 20\n*Defaultspeed: 76\n",
         "Kestrel(ORCA)", "darkness=default", "^XA^PR3,3^XZ"},
        {"values by their text, quoted; CUPS's own options are left alone", "", "Kestrel(ORCA)",
         "job-uuid=urn:uuid:1 number-up=1 backfeed='Before Printing' operation-mode=\"Tear Off\" "
         "media-type=thermal\\ direct",
         "^XA^MTD^MMT~JSB^XZ"},
        {"adjustments in dots of the PPD's resolution, at any step within the limit",
         "*DefaultResolution: 300dpi\n*Defaulttop-adjust: -1\n", "Kestrel(ORCA)",
         "tear-off-adjust=2.25 left-adjust=-10", "^XA^LT-011~TA026^LS-118^XZ"},
        {"the model's resolution when the PPD names none", "", "Condor(300DPI)(ORCA)",
         "top-adjust=1", "^XA^LT011^XZ"},
        {"ONYX: its own records, no label format; speed by letter",
         "*Defaultoperation-mode: Cutter\n", "Heron(ONYX)",
         "speed=76 darkness=5 outpaper-adjust=-1 media-type=ThermalTransfer",
         "\x02j28080\r\x02j23000\rPF\rSF\rpF\rH05\r\x02Kf-07\r"},
        {"ONYX: the ORCA-only settings are not the queue's", "", "Heron(ONYX)",
         "backfeed=None left-adjust=1", ""},
    };
    for (const SettingsCase& test : cases)
        EXPECT_EQ(SettingsOf(test), test.expected) << test.what;
}

TEST(QueueSettings, ValuesThePrinterDoesNotHaveAreRefusedNamingThem) {
    const struct {
        std::string model;
        std::string ppd;
        std::string jobOptions;
        std::string message;
    } cases[] = {
        {"Kestrel(ORCA)", "", "darkness=31", "the printer has no darkness \"31\""},
        // Kestrel(ORCA) offers codes 0..3: 50 to 127 mm/s.
        {"Kestrel(ORCA)", "", "speed=152", "the printer has no speed \"152\""},
        {"Kestrel(ORCA)", "", "top-adjust=10.5", "the printer has no top-adjust \"10.5\""},
        {"Heron(ONYX)", "", "top-adjust=-8.5", "the printer has no top-adjust \"-8.5\""},
        {"Kestrel(ORCA)", "", "operation-mode=Applicator",
         "the printer has no operation-mode \"Applicator\""},
        {"Kestrel(ORCA)", "*Defaultdarkness: dark\n", "",
         "the queue's PPD holds no darkness \"dark\""},
    };
    for (const auto& test : cases) {
        std::istringstream ppd("*orcauiModel: \"" + test.model + "\"\n" + test.ppd);
        QueuePpd queue;
        ASSERT_EQ(ReadQueuePpd(ppd, &queue), std::nullopt);
        SettingValues values;
        EXPECT_EQ(ResolveSettings(queue, test.jobOptions, &values), test.message);
    }
}

TEST(QueueSettings, APpdOfNoModelOfOursIsRefused) {
    for (const std::string text : {"*ModelName: \"Laser\"\n", "*orcauiModel: \"Kestrel\"\n"}) {
        std::istringstream ppd(text);
        QueuePpd queue;
        const auto failed = ReadQueuePpd(ppd, &queue);
        ASSERT_TRUE(failed.has_value()) << text;
        EXPECT_NE(failed->find("names no ORCAUI printer model"), std::string::npos) << *failed;
    }
}

// The document's commands travel in the PPD escaped, over as many lines as
// they need: every byte value comes back, and a quote cannot end the value.
TEST(QueueSettings, DocumentCommandsComeBackByteForByte) {
    std::string every;
    for (int byte = 0; byte < 256; ++byte)
        every += static_cast<char>(byte);
    const std::string typed = "^XA^FD\"quoted\" <\\x1B> and <\\xZZ>^FS^XZ";
    const std::string escaped = EscapeCommands(every);
    EXPECT_EQ(escaped.find('"'), std::string::npos);
    EXPECT_EQ(UnescapeCommands(escaped), every);
    // As the Custom Command page stores them: a well-formed escape is a byte,
    // anything else stays as typed.
    EXPECT_EQ(UnescapeCommands(typed), "^XA^FD\"quoted\" \x1B and <\\xZZ>^FS^XZ");

    std::string ppd = "*orcauiModel: \"Kestrel(ORCA)\"\n*orcauiDocumentStart: \"";
    for (size_t i = 0; i < escaped.size(); i += 180)
        ppd += escaped.substr(i, 180) + "\r\n";
    ppd += "\"\n*End\n*orcauiDocumentEnd: \"" + EscapeCommands(typed) + "\"\n*Defaultdarkness: 3\n";
    std::istringstream in(ppd);
    QueuePpd queue;
    ASSERT_EQ(ReadQueuePpd(in, &queue), std::nullopt);
    EXPECT_EQ(queue.documentStart, every);
    EXPECT_EQ(queue.documentEnd, UnescapeCommands(typed));
    EXPECT_EQ(queue.defaults.at("darkness"), "3");
}

}  // namespace
}  // namespace orca::host::cups
