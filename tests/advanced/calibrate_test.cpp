// SPDX-License-Identifier: Apache-2.0
// Calibrate sends the language's calibration command as one raw job on the
// sheet's printer; a spooler that refuses it is not reported.
#include "advanced/advanced_fixture.h"
#include "resources/control_ids.h"

namespace orca::advanced::testing {
namespace {

struct CalibrateCase {
    const char16_t* printer;
    Bytes command;
};

TEST_F(AdvancedPageTest, CalibrateSendsTheLanguagesFourBytesInOneRawJob) {
    const CalibrateCase cases[] = {
        {kOrca, {0x7E, 0x4A, 0x43, 0x0A}},  // ~JC and a line feed
        {kOnyx, {0x02, 0x4A, 0x43, 0x0D}},  // STX JC CR
    };
    for (const CalibrateCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.printer)));
        Open(c.printer);
        const size_t before = Jobs().size();
        ASSERT_TRUE(Click(control::kAdvancedCalibrateButton));
        const std::vector<platform::sim::RawJob> jobs = Jobs();
        ASSERT_EQ(jobs.size(), before + 1);
        const platform::sim::RawJob& job = jobs.back();
        EXPECT_EQ(job.printerName, c.printer);
        EXPECT_EQ(job.documentName, u"Calibrate");
        EXPECT_EQ(job.dataType, u"RAW");
        EXPECT_TRUE(job.pageStarted);
        EXPECT_EQ(job.writes, std::vector<Bytes>{c.command});
        EXPECT_FALSE(ApplyEnabled()) << "calibrating changes no setting";
    }
}

TEST_F(AdvancedPageTest, ARefusedCalibrationIsSilent) {
    Open(kRefusingOrca);
    ASSERT_TRUE(Click(control::kAdvancedCalibrateButton));
    EXPECT_TRUE(Jobs().empty());
    EXPECT_TRUE(Screen().Messages().empty());
    // The page goes on working.
    ASSERT_TRUE(Select(control::kAdvancedMirrorList, u"Enable"));
    EXPECT_EQ(Fields().Get<uint8_t>(2005), 1);
}

}  // namespace
}  // namespace orca::advanced::testing
