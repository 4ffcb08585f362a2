// SPDX-License-Identifier: Apache-2.0
#include "host/cups/job_copies.h"

#include <gtest/gtest.h>

#include "commands/command_set_onyx.h"
#include "commands/command_set_orca.h"

namespace orca::host::cups {
namespace {

// The job fed whole and a byte at a time: where a chunk ends changes nothing.
std::string WithCopies(commands::CCommandSetBase& generator, uint32_t copies,
                       const std::string& job) {
    std::string whole;
    JobCopies once(generator, copies);
    once.Feed(job, &whole);
    once.Finish(&whole);
    std::string bytewise;
    JobCopies each(generator, copies);
    for (const char c : job)
        each.Feed(std::string_view(&c, 1), &bytewise);
    each.Finish(&bytewise);
    EXPECT_EQ(whole, bytewise) << job;
    return whole;
}

TEST(JobCopies, FormatsWithoutAQuantityOfTheirOwnGetTheCopies) {
    commands::CCommandSet_ORCA orca;
    commands::CCommandSet_ONYX onyx;
    const struct {
        commands::CCommandSetBase& generator;
        uint32_t copies;
        std::string job;
        std::string expected;
    } cases[] = {
        {orca, 1, "^XA^FDa^FS^XZ", "^XA^FDa^FS^XZ"},
        {orca, 3, "^XA^FDa^FS^XZ^XA^FDb^PQ2^FS^XZ", "^XA^FDa^FS^PQ3,0,1,Y^XZ^XA^FDb^PQ2^FS^XZ"},
        // Carets inside data, a format left open, an end without a start.
        {orca, 2, "^XA^FD^^X^FS^XZ^XZ^XA^FDopen", "^XA^FD^^X^FS^PQ2,0,1,Y^XZ^XZ^XA^FDopen"},
        {onyx, 1, "\x02L\rE\r", "\x02L\rE\r"},
        {onyx, 12,
         "\x02L\r1911A0801000010E\rE\r\x02L\rQ0002\rE\r\x02"
         "E\r",
         "\x02L\r1911A0801000010E\rQ0012\rE\r\x02L\rQ0002\rE\r\x02"
         "E\r"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(WithCopies(test.generator, test.copies, test.job), test.expected) << test.job;
}

}  // namespace
}  // namespace orca::host::cups
