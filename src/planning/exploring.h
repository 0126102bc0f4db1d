// What the exploring window starts from: a grid around the screen's state, and the vek-calc
// command that reproduces the screen.
#pragma once

#include <string>
#include <vector>

#include "planning/entry.h"

namespace vek::planning {

// A sweep as the user edits it: the variable and its values, "FROM:TO:STEP" or "A/B/C".
struct SweepText {
    Variable variable;
    std::string values;
};

// The rows: E (n when E is dependent) from about half to twice its value in a round step (1, 2
// or 5 times a power of ten) that gives about ten rows, the value itself among them.
SweepText DefaultRows(const ScreenSession& session);

// The columns: confidences of 90, 95 and 99 % (prob 0,1, 0,05 and 0,01) and the screen's own;
// V, half and twice V when Z is dependent.
SweepText DefaultColumns(const ScreenSession& session);

// "VAR=VALUES", as --sweep takes it.
std::string SweepArgument(const SweepText& sweep);

// vek-calc's arguments that give the screen's result: the separator; for a finite population
// "--finite --dependent n N=…" (typing N while n is dependent is never refused); the dependent
// variable; the independent fields in the order V, prob or Z, E, n; and the design where it is
// not simple random sampling's.
std::vector<std::string> CalcArguments(const ScreenSession& session, const Design& design);

}  // namespace vek::planning
