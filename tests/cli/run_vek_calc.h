// SPDX-License-Identifier: GPL-3.0-or-later
// The built vek-calc run as a user runs it: arguments, environment, optionally a file on
// standard input; its exit status and both streams read back.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vek::testing {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// A scratch folder per test, removed afterwards.
class Scratch {
public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }

private:
    std::filesystem::path dir_;
};

// Runs vek-calc with `args` under `environment`, by default the C locale (decimal point '.'),
// with `input` (a file) on standard input when one is given.
Outcome RunVekCalc(const std::vector<std::string>& args,
                   std::vector<std::string> environment = {"LC_ALL=C"},
                   const std::filesystem::path& input = {});

}  // namespace vek::testing
