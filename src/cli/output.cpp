#include "cli/output.h"

#include <array>
#include <cstdio>
#include <utility>
#include <vector>

#include "cli/arguments.h"

namespace vek::cli {

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// prob next to its partner Z, as on the screen.
constexpr std::array<Field, 6> kPrintOrder = {Field::V, Field::Z, Field::prob,
                                              Field::E, Field::n, Field::N};

std::string DependentSymbol(const ScreenSession& session) {
    const auto fields = DependentFields(session.state().DependentVariable);
    return fields.empty() ? std::string() : std::string(SymbolOf(fields.front()));
}

Entries SummaryOf(const ScreenSession& session) {
    Entries entries;
    for (const Field field : kPrintOrder) {
        entries.emplace_back(SymbolOf(field), QuantityToText(QuantityOf(session.state(), field),
                                                             session.separator()));
    }
    entries.emplace_back("dependent", DependentSymbol(session));
    entries.emplace_back("population",
                         session.population() == Population::Finite ? "finite" : "infinite");
    entries.emplace_back("result", session.ResultText());
    return entries;
}

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace

std::string SummaryLines(const ScreenSession& session) {
    std::string lines;
    for (const auto& [key, value] : SummaryOf(session))
        lines += key + " " + value + "\n";
    return lines;
}

std::string SummaryJson(const ScreenSession& session) {
    std::string json = "{";
    for (const auto& [key, value] : SummaryOf(session)) {
        if (json.size() > 1) json += ",";
        json += JsonString(key) + ":" + JsonString(value);
    }
    return json + "}\n";
}

}  // namespace vek::cli
