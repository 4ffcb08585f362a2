// SPDX-License-Identifier: Apache-2.0
// The lines of `sheet -i`: typed at a terminal with line editing and history
// (libedit, whose BSD licence suits a host that links it), or read from a
// pipe or file as they come, without prompts. Either way the same lines.
#pragma once

#include <string>

namespace orca::host {

class LineReader {
public:
    LineReader();
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line, without its line end; false at the end of the input.
    // At a terminal the prompt goes to standard error and a line that is not
    // blank joins the history.
    bool Next(const char* prompt, std::string* line);

private:
    bool terminal_;
};

}  // namespace orca::host
