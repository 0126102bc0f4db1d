// vek-calc: the main screen's actions from the command line.
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/actions.h"
#include "cli/errors.h"
#include "cli/output.h"
#include "model/recalc.h"
#include "platform/regional.h"

namespace {

constexpr int kSuccess = 0;
constexpr int kFailedResult = 1;
constexpr int kUsageError = 2;

int Fail(std::string_view message) {
    std::cerr << "vek-calc: " << message << "\n";
    return kUsageError;
}

int Run(const std::vector<std::string_view>& arguments) {
    using namespace vek::cli;
    const Invocation invocation = ParseArguments(arguments);
    if (invocation.help) {
        std::cout << HelpText();
        return kSuccess;
    }
    // The window's own rule for the separator, so both programs read a number alike.
    vek::ScreenSession session(invocation.separator ? *invocation.separator
                                                    : vek::platform::SystemDecimalSeparator());
    std::vector<std::string> warnings;
    for (const Action& action : invocation.actions)
        Apply(session, action, warnings);
    session.RecalculateDependent();
    for (const std::string& warning : warnings)
        std::cerr << "vek-calc: " << warning << "\n";
    if (invocation.reportPath) WriteReport(session, *invocation.reportPath);
    if (invocation.reportPath != kStdoutPath) {
        std::cout << (invocation.json ? SummaryJson(session) : SummaryLines(session));
    }
    return session.ResultFailed() ? kFailedResult : kSuccess;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    try {
        return Run(arguments);
    } catch (const vek::cli::UsageError& error) {
        return Fail(error.what());
    } catch (const vek::InvalidFloatingPointOperation& error) {
        // As the program-wide error report shows it, full stop included.
        return Fail(std::string(error.what()) + ".");
    }
}
