// SPDX-License-Identifier: Apache-2.0
#include "host/cups/cups_client.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

extern char** environ;

namespace orca::host::cups {
namespace {

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

}  // namespace

// The program's input and output go through files in a folder of its own,
// so that no pipe can fill while the other is being read.
ClientRun RunClient(const std::vector<std::string>& command, const std::string& input) {
    ClientRun run;
    std::string folder = (std::filesystem::temp_directory_path() / "orcaui-cups-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        run.err = "cannot make a temporary folder";
        return run;
    }
    const std::filesystem::path dir(folder);
    std::ofstream(dir / "in", std::ios::binary) << input;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, (dir / "in").c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, (dir / "out").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, (dir / "err").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv;
    for (const std::string& arg : command)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int started = posix_spawnp(&child, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (started != 0) {
        run.exitCode = 127;
        run.err = command[0] + " cannot be started (is cups-client installed?)";
    } else {
        int status = 0;
        waitpid(child, &status, 0);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.out = Slurp(dir / "out");
        run.err = Slurp(dir / "err");
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return run;
}

}  // namespace orca::host::cups
