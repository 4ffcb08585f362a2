// SPDX-License-Identifier: Apache-2.0
#include "commands/command_set_base.h"

#include <gtest/gtest.h>

#include "command_set_cases.h"
#include "commands/command_set_onyx.h"
#include "commands/command_set_orca.h"

namespace orca::commands::testing {
namespace {

TEST(CommandSetBase, FallbackSpeaksNoLanguageAndWritesNothing) {
    CCommandSetBase& fallback = CCommandSetBase::Fallback();
    EXPECT_EQ(&fallback, &CCommandSetBase::Fallback());
    EXPECT_EQ(fallback.GetCommandLanguage(), kCommandLanguageNone);
    EXPECT_EQ(fallback.GetCommandSetCode(), 0);

    CommandRecorder recorder;
    fallback.AttachSink(&recorder, &CommandRecorder::Write);
    for (const auto& [name, call] : EverySlot())
        EXPECT_EQ(call(fallback), kCommandNotInLanguage) << name;
    fallback.AttachSink(nullptr, nullptr);
    EXPECT_TRUE(recorder.writes.empty());
}

TEST(CommandSetBase, EachLanguageNamesItselfAndLeavesItsMissingSlotsToTheBase) {
    CCommandSet_ORCA orca;
    EXPECT_EQ(orca.GetCommandLanguage(), kCommandLanguageOrca);
    EXPECT_EQ(orca.GetCommandSetCode(), 92);
    EXPECT_EQ(SlotsMissingFrom(orca), (std::vector<std::string>{"ExtJE", "ExtKIR", "ExtImageRecord",
                                                                "ExtColon", "ExtF", "ExtJP"}));

    CCommandSet_ONYX onyx;
    EXPECT_EQ(onyx.GetCommandLanguage(), kCommandLanguageOnyx);
    EXPECT_EQ(onyx.GetCommandSetCode(), 136);
    EXPECT_EQ(
        SlotsMissingFrom(onyx),
        (std::vector<std::string>{"LabelFormat", "LabelHome", "FieldOrigin", "FieldTypeset",
                                  "Backfeed", "InternationalFont", "DotsPerMillimetre",
                                  "LabelShift", "GraphicBox", "GraphicDownload", "GraphicDelete",
                                  "FieldSeparator", "DatamatrixField", "CancelAll"}));
}

TEST(CommandSetBase, HalfAttachedSinkCountsAsNoSink) {
    CCommandSet_ORCA orca;
    CommandRecorder recorder;
    orca.AttachSink(nullptr, &CommandRecorder::Write);
    EXPECT_EQ(orca.LabelHome(), kCommandNoSink);
    orca.AttachSink(&recorder, nullptr);
    EXPECT_EQ(orca.LabelHome(), kCommandNoSink);
    EXPECT_TRUE(recorder.writes.empty());
}

}  // namespace
}  // namespace orca::commands::testing
