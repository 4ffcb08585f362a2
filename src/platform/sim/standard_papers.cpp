// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/standard_papers.h"

namespace orca::platform::sim {

std::span<const Paper> StandardPapers() {
    static const Paper papers[] = {
        {.number = 120, .name = u"4 x 6 in", .width = 1016, .length = 1524},
        {.number = 121, .name = u"4 x 4 in", .width = 1016, .length = 1016},
        {.number = 122, .name = u"2 x 1 in", .width = 508, .length = 254},
        {.number = 123, .name = u"100 x 150 mm", .width = 1000, .length = 1500},
        {.number = 124, .name = u"A6", .width = 1050, .length = 1480},
    };
    return papers;
}

}  // namespace orca::platform::sim
