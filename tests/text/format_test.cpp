// SPDX-License-Identifier: Apache-2.0
#include "text/format.h"

#include <gtest/gtest.h>

namespace orca::text {
namespace {

TEST(Format, GrowsPastTheFirstBufferWithoutTruncating) {
    std::string long_field(1000, 'x');
    std::string out = Format("^FD%s^FS", long_field.c_str());
    EXPECT_EQ(out.size(), 1006u);
    EXPECT_EQ(out, "^FD" + long_field + "^FS");
}

TEST(Format, EndsAtTheFirstNul) {
    EXPECT_EQ(Format("%c%s", 'A', "BC"), "ABC");
    EXPECT_EQ(Format("A%cB", '\0'), "A");
}

}  // namespace
}  // namespace orca::text
