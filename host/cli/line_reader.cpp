// SPDX-License-Identifier: Apache-2.0
#include "host/cli/line_reader.h"

#include <editline/readline.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace orca::host {

LineReader::LineReader() : terminal_(::isatty(STDIN_FILENO) != 0) {
    if (terminal_) {
        rl_outstream = stderr;
        using_history();
    }
}

LineReader::~LineReader() {
    if (terminal_)
        clear_history();
}

bool LineReader::Next(const char* prompt, std::string* line) {
    if (!terminal_)
        return static_cast<bool>(std::getline(std::cin, *line));
    char* typed = readline(prompt);
    if (typed == nullptr)
        return false;
    *line = typed;
    std::free(typed);
    if (line->find_first_not_of(" \t") != std::string::npos)
        add_history(line->c_str());
    return true;
}

}  // namespace orca::host
