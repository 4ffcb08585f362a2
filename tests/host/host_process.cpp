// SPDX-License-Identifier: Apache-2.0
#include "host_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

extern char** environ;

namespace orca::hosttest {
namespace {

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Environment(const std::map<std::string, std::string>& changes) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string variable = *entry;
        if (!changes.contains(variable.substr(0, variable.find('='))))
            variables.push_back(variable);
    }
    for (const auto& [name, value] : changes) {
        if (!value.empty())
            variables.push_back(name + "=" + value);
    }
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

HostRun RunHost(const HostCall& call, const std::filesystem::path& scratch,
                const std::filesystem::path& program) {
    const std::filesystem::path input = scratch / "stdin.txt";
    const std::filesystem::path out = scratch / "stdout.txt";
    const std::filesystem::path err = scratch / "stderr.txt";
    std::ofstream(input, std::ios::binary) << call.input;

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string binary = program.empty() ? ORCAUI_HOST_PATH : program.string();
    std::vector<std::string> args{binary};
    args.insert(args.end(), call.args.begin(), call.args.end());
    std::vector<std::string> variables = Environment(call.environment);
    std::vector<char*> argv = Pointers(args);
    std::vector<char*> envp = Pointers(variables);

    HostRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, binary.c_str(), &files, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&files);
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
}

}  // namespace orca::hosttest
