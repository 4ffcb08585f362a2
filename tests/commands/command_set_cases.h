// SPDX-License-Identifier: Apache-2.0
// Table-driven checks of command generators: each case names one call and the
// exact bytes it must write (or the result it must answer), and is run against
// a recording sink, without a sink, and against a failing sink.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "commands/command_set_base.h"

namespace orca::commands::testing {

// Records every write; answers the status it is told to.
struct CommandRecorder {
    std::vector<std::string> writes;
    int32_t status = 0;

    static int32_t Write(void* context, const uint8_t* bytes, uint64_t count) {
        auto* self = static_cast<CommandRecorder*>(context);
        self->writes.emplace_back(reinterpret_cast<const char*>(bytes), count);
        return self->status;
    }
};

inline constexpr int32_t kRefused = kCommandOutOfRange;

using CommandCall = std::function<int32_t(CCommandSetBase&)>;

struct CommandCase {
    std::string name;
    CommandCall call;
    int32_t result;
    std::string bytes;  // written when result is kCommandWritten
};

inline CommandCase Emits(std::string name, CommandCall call, std::string bytes) {
    return {std::move(name), std::move(call), kCommandWritten, std::move(bytes)};
}

inline CommandCase Answers(std::string name, CommandCall call, int32_t result) {
    return {std::move(name), std::move(call), result, {}};
}

// A case named by its call as written, e.g. EMITS(PrintRate(2), "^PR2,2").
#define EMITS(call, bytes)            \
    ::orca::commands::testing::Emits( \
        #call, [=](::orca::commands::CCommandSetBase& s) { return s.call; }, bytes)
#define ANSWERS(call, result)           \
    ::orca::commands::testing::Answers( \
        #call, [=](::orca::commands::CCommandSetBase& s) { return s.call; }, result)

inline const uint8_t* Bytes(const std::string& data) {
    return reinterpret_cast<const uint8_t*>(data.data());
}

inline void ExpectCases(CCommandSetBase& set, std::span<const CommandCase> cases) {
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        const bool writes = c.result == kCommandWritten;

        CommandRecorder recorder;
        set.AttachSink(&recorder, &CommandRecorder::Write);
        EXPECT_EQ(c.call(set), c.result);
        EXPECT_EQ(recorder.writes,
                  writes ? std::vector<std::string>{c.bytes} : std::vector<std::string>{});

        set.AttachSink(nullptr, nullptr);
        EXPECT_EQ(c.call(set), writes ? kCommandNoSink : c.result) << "without a sink";

        CommandRecorder failing;
        failing.status = -1;
        set.AttachSink(&failing, &CommandRecorder::Write);
        EXPECT_EQ(c.call(set), writes ? kCommandSinkFailed : c.result) << "failing sink";
        EXPECT_EQ(failing.writes.size(), writes ? 1u : 0u) << "failing sink";
    }
    set.AttachSink(nullptr, nullptr);
}

// Every emitting slot once, with arguments each language accepts.
inline std::vector<std::pair<std::string, CommandCall>> EverySlot() {
    static const std::string data = "12";
    return {
        {"ResetSyntax", [](CCommandSetBase& s) { return s.ResetSyntax(); }},
        {"LabelFormat", [](CCommandSetBase& s) { return s.LabelFormat(0); }},
        {"LabelHome", [](CCommandSetBase& s) { return s.LabelHome(); }},
        {"FieldOrigin", [](CCommandSetBase& s) { return s.FieldOrigin(1, 2); }},
        {"FieldTypeset", [](CCommandSetBase& s) { return s.FieldTypeset(1, 2); }},
        {"MediaTracking", [](CCommandSetBase& s) { return s.MediaTracking(0); }},
        {"MediaType", [](CCommandSetBase& s) { return s.MediaType(0); }},
        {"PrintMode", [](CCommandSetBase& s) { return s.PrintMode(0, 1, 1, 1); }},
        {"PrintOrientation", [](CCommandSetBase& s) { return s.PrintOrientation(0); }},
        {"LabelReverse", [](CCommandSetBase& s) { return s.LabelReverse(1, 8, 8); }},
        {"PrintMirror", [](CCommandSetBase& s) { return s.PrintMirror(1); }},
        {"PrintRate", [](CCommandSetBase& s) { return s.PrintRate('D'); }},
        {"Darkness", [](CCommandSetBase& s) { return s.Darkness(10); }},
        {"Backfeed", [](CCommandSetBase& s) { return s.Backfeed(0); }},
        {"PrintQuantity", [](CCommandSetBase& s) { return s.PrintQuantity(2, 0, 1, 1, 1, 0); }},
        {"InternationalFont", [](CCommandSetBase& s) { return s.InternationalFont(); }},
        {"DotsPerMillimetre", [](CCommandSetBase& s) { return s.DotsPerMillimetre(); }},
        {"LabelTop", [](CCommandSetBase& s) { return s.LabelTop(1.0, 203); }},
        {"TearOff", [](CCommandSetBase& s) { return s.TearOff(1.0, 203); }},
        {"LabelShift", [](CCommandSetBase& s) { return s.LabelShift(1.0, 203); }},
        {"PrintWidth", [](CCommandSetBase& s) { return s.PrintWidth(800); }},
        {"LabelLength", [](CCommandSetBase& s) { return s.LabelLength(800); }},
        {"GraphicBox", [](CCommandSetBase& s) { return s.GraphicBox(10, 3, 203); }},
        {"GraphicDownload", [](CCommandSetBase& s) { return s.GraphicDownload(8, 2, 0, 0); }},
        {"GraphicDelete", [](CCommandSetBase& s) { return s.GraphicDelete(); }},
        {"SaveSettings", [](CCommandSetBase& s) { return s.SaveSettings(); }},
        {"GraphicRecall", [](CCommandSetBase& s) { return s.GraphicRecall(); }},
        {"FieldSeparator", [](CCommandSetBase& s) { return s.FieldSeparator(); }},
        {"TextField",
         [](CCommandSetBase& s) { return s.TextField(1, 2, '0', 'N', 3, 4, 2, Bytes(data)); }},
        {"BarcodeField",
         [](CCommandSetBase& s) {
             return s.BarcodeField(1, 1, 2, 2, 3.0, 50, 0, 1, 2, Bytes(data), 0);
         }},
        {"Pdf417Field",
         [](CCommandSetBase& s) {
             return s.Pdf417Field(1, 2, 2, 6, 3, 4, 10, 0, 0, 2, Bytes(data));
         }},
        {"DatamatrixField",
         [](CCommandSetBase& s) {
             return s.DatamatrixField(1, 2, 0, 8, 200, 16, 16, 6, 2, Bytes(data));
         }},
        {"MaxicodeField",
         [](CCommandSetBase& s) { return s.MaxicodeField(1, 2, '2', 2, Bytes(data)); }},
        {"QrField",
         [](CCommandSetBase& s) { return s.QrField(1, 2, 2, 5, 'Q', 3, 2, Bytes(data)); }},
        {"CancelAll", [](CCommandSetBase& s) { return s.CancelAll(1); }},
        {"ExtJE", [](CCommandSetBase& s) { return s.ExtJE(1); }},
        {"ExtKIR", [](CCommandSetBase& s) { return s.ExtKIR(); }},
        {"ExtImageRecord", [](CCommandSetBase& s) { return s.ExtImageRecord(); }},
        {"ExtColon", [](CCommandSetBase& s) { return s.ExtColon(1); }},
        {"ExtF", [](CCommandSetBase& s) { return s.ExtF(1); }},
        {"ExtJP", [](CCommandSetBase& s) { return s.ExtJP(1); }},
    };
}

// The emitting slots that answer "not in this language" although a sink is attached.
inline std::vector<std::string> SlotsMissingFrom(CCommandSetBase& set) {
    CommandRecorder recorder;
    set.AttachSink(&recorder, &CommandRecorder::Write);
    std::vector<std::string> missing;
    for (const auto& [name, call] : EverySlot()) {
        if (call(set) == kCommandNotInLanguage)
            missing.push_back(name);
    }
    set.AttachSink(nullptr, nullptr);
    return missing;
}

}  // namespace orca::commands::testing
