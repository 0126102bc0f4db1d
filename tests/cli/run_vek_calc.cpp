// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_vek_calc.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace vek::testing {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

Scratch::Scratch() {
    std::string pattern = (fs::temp_directory_path() / "vek-calc-test-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
}

Scratch::~Scratch() {
    fs::remove_all(dir_);
}

Outcome RunVekCalc(const std::vector<std::string>& args, std::vector<std::string> environment,
                   const fs::path& input) {
    Scratch scratch;
    const std::string outPath = scratch / "stdout";
    const std::string errPath = scratch / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!input.empty()) {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> argvStrings = {VEK_CALC_PATH};
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    argv.reserve(argvStrings.size() + 1);
    for (std::string& arg : argvStrings)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    envp.reserve(environment.size() + 1);
    for (std::string& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    Outcome outcome;
    if (posix_spawn(&pid, VEK_CALC_PATH, &actions, nullptr, argv.data(), envp.data()) == 0) {
        int waitStatus = 0;
        waitpid(pid, &waitStatus, 0);
        if (WIFEXITED(waitStatus)) outcome.status = WEXITSTATUS(waitStatus);
    }
    posix_spawn_file_actions_destroy(&actions);
    outcome.out = ReadFile(outPath);
    outcome.err = ReadFile(errPath);
    return outcome;
}

}  // namespace vek::testing
