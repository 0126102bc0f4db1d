// SPDX-License-Identifier: GPL-3.0-or-later
// vek-calc: the main screen's actions from the command line.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "cli/actions.h"
#include "cli/english.h"
#include "cli/errors.h"
#include "cli/output.h"
#include "cli/strata.h"
#include "cli/tables.h"
#include "model/recalc.h"
#include "planning/paragraph.h"
#include "planning/sweep.h"
#include "planning/technical_sheet.h"
#include "platform/regional.h"

namespace {

constexpr int kSuccess = 0;
constexpr int kFailedResult = 1;
constexpr int kUsageError = 2;

using vek::cli::Invocation;
using vek::cli::UsageError;

int Fail(std::string_view message) {
    std::cerr << "vek-calc: " << message << "\n";
    return kUsageError;
}

std::vector<vek::planning::Sweep> SweepsOf(const Invocation& invocation,
                                           const vek::ScreenSession& base) {
    std::vector<vek::planning::Sweep> sweeps;
    for (const std::string& argument : invocation.sweeps) {
        vek::planning::ParsedSweep parsed = vek::planning::ParseSweep(argument, base.separator());
        if (!parsed.sweep) {
            throw UsageError("--sweep " + argument + ": " +
                             vek::cli::InEnglish(*parsed.problem, base.separator()));
        }
        sweeps.push_back(std::move(*parsed.sweep));
    }
    if (const auto problem = vek::planning::GridProblem(base, sweeps)) {
        throw UsageError("--sweep: " + vek::cli::InEnglish(*problem, base.separator()));
    }
    return sweeps;
}

vek::cli::TableFormat FormatOf(const Invocation& invocation, bool batch) {
    if (!invocation.json) return vek::cli::TableFormat::Csv;
    return batch ? vek::cli::TableFormat::JsonLines : vek::cli::TableFormat::JsonArray;
}

using Input = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The file of `path` for `option`, or stdin for "-".
Input OpenInput(const std::string& path, std::string_view option) {
    Input file(path == "-" ? stdin : std::fopen(path.c_str(), "rb"),
               [](std::FILE* f) { return f == stdin ? 0 : std::fclose(f); });
    if (!file) throw UsageError(std::string(option) + " " + path + ": cannot read the file");
    return file;
}

int RunBatch(const Invocation& invocation, const vek::ScreenSession& base) {
    const Input file = OpenInput(*invocation.batchPath, "--batch");
    return vek::cli::WriteBatch(base, file.get(), FormatOf(invocation, true), stdout)
               ? kFailedResult
               : kSuccess;
}

// The screen gives only Z: "Calcula" is not pressed.
int RunStrata(const Invocation& invocation, const vek::ScreenSession& screen) {
    const Input file = OpenInput(*invocation.strataPath, "--strata");
    vek::cli::WriteStrata(invocation, screen, file.get(), stdout);
    return kSuccess;
}

// The design has no place in the screen-state file or the report.
void CheckDesignIsSimple(const Invocation& invocation, const vek::ScreenSession& session) {
    if ((invocation.savesAFile || invocation.reportPath) && session.design() != vek::Design{}) {
        throw UsageError(
            "--save and --report keep simple random sampling only: the design effect and the "
            "response rate must be 1");
    }
}

int Run(const std::vector<std::string_view>& arguments) {
    using namespace vek::cli;
    const Invocation invocation = ParseArguments(arguments);
    if (invocation.help) {
        std::cout << HelpText();
        return kSuccess;
    }
    if (invocation.version) {
        std::cout << "vek-calc " << VEK_VERSION << "\n";
        return kSuccess;
    }
    // The window's own rule for the separator, so both programs read a number alike.
    vek::ScreenSession session(invocation.separator ? *invocation.separator
                                                    : vek::platform::SystemDecimalSeparator());
    ApplyDesign(session, invocation.design);
    CheckDesignIsSimple(invocation, session);
    std::vector<std::string> warnings;
    for (const Action& action : invocation.actions)
        Apply(session, action, warnings);
    for (const std::string& warning : warnings)
        std::cerr << "vek-calc: " << warning << "\n";
    if (!invocation.sweeps.empty()) {
        return WriteSweeps(session, SweepsOf(invocation, session), FormatOf(invocation, false),
                           stdout)
                   ? kFailedResult
                   : kSuccess;
    }
    if (invocation.batchPath) return RunBatch(invocation, session);
    if (invocation.strataPath) return RunStrata(invocation, session);
    session.RecalculateDependent();
    if (invocation.reportPath) WriteReport(session, *invocation.reportPath);
    const bool withDesign = invocation.design.given();
    if (invocation.paragraph) {
        std::cout << vek::planning::ProtocolParagraph(session) << "\n";
    } else if (invocation.sheet) {
        std::cout << vek::planning::TechnicalSheet(session);
    } else if (invocation.reportPath != kStdoutPath) {
        std::cout << (invocation.json ? SummaryJson(session, withDesign)
                                      : SummaryLines(session, withDesign));
    }
    return session.ResultFailed() ? kFailedResult : kSuccess;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    try {
        return Run(arguments);
    } catch (const UsageError& error) {
        return Fail(error.what());
    } catch (const vek::InvalidFloatingPointOperation& error) {
        // As the program-wide error report shows it, full stop included.
        return Fail(std::string(error.what()) + ".");
    }
}
