// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as vek-calc's command line, the arguments split at NUL bytes. Either a UsageError
// with a reason refuses it, or the invocation keeps the combinations vek-calc allows and means
// the same when written out as arguments again and read back.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "cli/arguments.h"
#include "cli/errors.h"
#include "require.h"

namespace {

using namespace vek::cli;

// One way of writing the invocation: options first, then the actions in their order.
std::vector<std::string> Written(const Invocation& invocation) {
    std::vector<std::string> out;
    auto option = [&out](std::string_view name, const std::optional<std::string>& value) {
        if (!value) return;
        out.emplace_back(name);
        out.push_back(*value);
    };
    if (invocation.separator) option("--separator", std::string(1, *invocation.separator));
    if (invocation.json) out.emplace_back("--json");
    if (invocation.help) out.emplace_back("--help");
    if (invocation.version) out.emplace_back("--version");
    if (invocation.paragraph) out.emplace_back("--paragraph");
    option("--report", invocation.reportPath);
    option("--deff", invocation.design.designEffect);
    option("--icc", invocation.design.correlation);
    option("--cluster-size", invocation.design.clusterSize);
    option("--response-rate", invocation.design.responseRate);
    for (const Action& action : invocation.actions) {
        std::visit(
            [&](const auto& a) {
                using A = std::decay_t<decltype(a)>;
                if constexpr (std::is_same_v<A, TypeInto>) {
                    out.push_back(std::string(vek::planning::NameOf(a.variable)) + "=" + a.text);
                } else if constexpr (std::is_same_v<A, ChoosePopulation>) {
                    out.emplace_back(a.population == vek::Population::Finite ? "--finite"
                                                                             : "--infinite");
                } else if constexpr (std::is_same_v<A, ChooseDependent>) {
                    option("--dependent", std::string(vek::SymbolOf(vek::FieldOf(a.dependent))));
                } else if constexpr (std::is_same_v<A, Calculate>) {
                    out.emplace_back("--calculate");
                } else if constexpr (std::is_same_v<A, LoadFile>) {
                    option("--load", a.path);
                } else {
                    option("--save", a.path);
                }
            },
            action);
    }
    for (const std::string& sweep : invocation.sweeps)
        option("--sweep", sweep);
    option("--batch", invocation.batchPath);
    return out;
}

void CheckAllowed(const Invocation& invocation, std::size_t arguments) {
    REQUIRE(invocation.actions.size() <= arguments);
    REQUIRE(invocation.sweeps.size() <= 2);
    REQUIRE(invocation.sweeps.empty() || !invocation.batchPath);
    REQUIRE(!(invocation.json && invocation.reportPath == kStdoutPath));
    REQUIRE(!(invocation.design.designEffect && invocation.design.correlation));
    REQUIRE(invocation.design.correlation.has_value() == invocation.design.clusterSize.has_value());
    bool saves = false;
    for (const Action& action : invocation.actions)
        saves = saves || std::holds_alternative<SaveFile>(action);
    REQUIRE(invocation.savesAFile == saves);
    const bool writes = saves || invocation.reportPath || invocation.paragraph;
    REQUIRE(!((!invocation.sweeps.empty() || invocation.batchPath) && writes));
    REQUIRE(!(invocation.paragraph && invocation.reportPath));
}

Invocation Parse(const std::vector<std::string_view>& arguments, bool* refused) {
    try {
        return ParseArguments(arguments);
    } catch (const UsageError& error) {
        REQUIRE(*error.what() != '\0');
        *refused = true;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "escaped: %s\n", error.what());
        vek::fuzz::Require(false, "only a UsageError may escape");
    } catch (...) {
        vek::fuzz::Require(false, "only a UsageError may escape");
    }
    return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // No bytes, no arguments; otherwise every piece between NULs, empty ones too.
    std::vector<std::string_view> arguments;
    for (std::size_t start = 0; size > 0;) {
        const std::size_t end = input.find('\0', start);
        arguments.push_back(input.substr(start, end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    bool refused = false;
    const Invocation invocation = Parse(arguments, &refused);
    if (refused) return 0;
    CheckAllowed(invocation, arguments.size());

    const std::vector<std::string> written = Written(invocation);
    const std::vector<std::string_view> again(written.begin(), written.end());
    bool refusedAgain = false;
    const Invocation reread = Parse(again, &refusedAgain);
    REQUIRE(!refusedAgain);
    REQUIRE(Written(reread) == written);
    return 0;
}
