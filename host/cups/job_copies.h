// SPDX-License-Identifier: Apache-2.0
// The job's copies, printed by the printer: each label format that sets no
// quantity of its own gets the generator's quantity command before its end.
// The job streams through: only a command's first bytes are held back when
// a chunk ends inside them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "commands/command_set_base.h"

namespace orca::host::cups {

class JobCopies {
public:
    // copies of 1 or fewer change nothing.
    JobCopies(commands::CCommandSetBase& generator, uint32_t copies);

    // Appends the next bytes of the job to out, with the quantity inserted.
    void Feed(std::string_view bytes, std::string* out);
    // The bytes still held back.
    void Finish(std::string* out);

private:
    void FeedOrca(char c, std::string* out);
    void FeedOnyx(char c, std::string* out);

    bool onyx_;
    std::string quantity_;  // the command to insert; empty: none
    std::string held_;      // the start of a command not yet whole
    bool inFormat_ = false;
    bool quantitySet_ = false;
    bool lineStart_ = true;
};

}  // namespace orca::host::cups
