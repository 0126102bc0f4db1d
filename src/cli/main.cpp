// vek-calc: the main screen's actions from the command line.
#include <clocale>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/errors.h"
#include "cli/output.h"

namespace {

constexpr int kSuccess = 0;
constexpr int kFailedResult = 1;
constexpr int kUsageError = 2;

// The first character of the locale's decimal symbol, '.' when it gives none.
char LocaleSeparator() {
    std::setlocale(LC_NUMERIC, "");
    const char* point = std::localeconv()->decimal_point;
    return point != nullptr && point[0] != '\0' ? point[0] : '.';
}

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
    Session session(invocation.separator ? *invocation.separator : LocaleSeparator());
    for (const Action& action : invocation.actions)
        session.Apply(action);
    session.Calculate();
    for (const std::string& warning : session.warnings())
        std::cerr << "vek-calc: " << warning << "\n";
    if (invocation.reportPath) WriteReport(session, *invocation.reportPath);
    if (invocation.reportPath != kStdoutPath) {
        std::cout << (invocation.json ? SummaryJson(session) : SummaryLines(session));
    }
    return ResultFailed(session) ? kFailedResult : kSuccess;
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
