// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/output.h"

#include <utility>
#include <vector>

#include "planning/table.h"

namespace vek::cli {

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries SummaryOf(const ScreenSession& session, bool withDesign) {
    const planning::ResultRow row = planning::RowOf(session, 0);
    const auto text = [&session](Quantity quantity) {
        return QuantityToText(quantity, session.separator());
    };
    Entries entries;
    for (const Field field : kShownOrder)
        entries.emplace_back(SymbolOf(field), text(row.values[field]));
    entries.emplace_back("dependent", SymbolOf(FieldOf(row.dependent)));
    entries.emplace_back("population",
                         row.population == Population::Finite ? "finite" : "infinite");
    entries.emplace_back("result", row.result);
    if (withDesign) {
        entries.emplace_back("deff", text(row.design.designEffect));
        entries.emplace_back("response_rate", text(row.design.responseRate));
        if (row.contacts) entries.emplace_back("contacts", text(*row.contacts));
    }
    return entries;
}

}  // namespace

std::string SummaryLines(const ScreenSession& session, bool withDesign) {
    std::string lines;
    for (const auto& [key, value] : SummaryOf(session, withDesign))
        lines.append(key).append(" ").append(value).append("\n");
    return lines;
}

std::string SummaryJson(const ScreenSession& session, bool withDesign) {
    std::string json = "{";
    for (const auto& [key, value] : SummaryOf(session, withDesign)) {
        if (json.size() > 1) json += ",";
        json += planning::JsonString(key) + ":" + planning::JsonString(value);
    }
    return json + "}\n";
}

}  // namespace vek::cli
