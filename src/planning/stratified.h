// SPDX-License-Identifier: GPL-3.0-or-later
// A stratified design: the strata, a method, and one way of fixing the total (a total n, a
// target error or a budget); its result is each stratum's n_h and error, and the whole sample's.
// Z is the screen's; the screen's V, E, n and N play no part.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "planning/strata.h"
#include "session/screen_session.h"

namespace vek::planning {

// The design's values as typed, each read as its field reads it: the total n a whole number, the
// target E as the E field (above 0), the budget and the fixed cost as amounts (the fixed cost
// not below 0).
struct StrataRequest {
    AllocationMethod method = AllocationMethod::Proportional;
    std::optional<std::string> totalN = {};
    std::optional<std::string> targetError = {};
    std::optional<std::string> budget = {};
    std::optional<std::string> fixedCost = {};
};

struct StratumResult {
    std::int64_t n = 0;
    Quantity share;     // rounded(n_h / T)
    Quantity error;     // E_h, as the main screen shows E for this stratum; 0 for a census
    Quantity contacts;  // up(rounded(n_h / r_h))
    Quantity cost;      // c_h × n_h
};

struct StratifiedDesign {
    std::vector<Stratum> strata;
    std::vector<StratumResult> results;  // one a stratum, in the same order
    AllocationMethod method = AllocationMethod::Proportional;
    DesignValue fixedBy = DesignValue::TotalN;  // TotalN also for Given
    std::int64_t size = 0;                      // N = Σ N_h
    std::int64_t minimum = 0;                   // Σ min_h
    std::int64_t maximum = 0;                   // Σ max_h
    std::int64_t total = 0;                     // T = Σ n_h
    Quantity error;                             // E_st
    Quantity contacts;                          // Σ contacts_h
    Quantity fixedCost;                         // C0, 0 without a budget
    Quantity cost;                              // C0 + Σ c_h n_h
    std::optional<Quantity> budget;             // C, and with it what is left of it
    std::optional<Quantity> unspent;

    // Whether some stratum expects a response rate below 1.
    bool ExpectsNonResponse() const;
};

// Σ W_h² S_h² (N_h − n_h) / ((N_h − 1) n_h), W_h = N_h / N, a census stratum adding 0, in
// extended precision: the variance of the stratified mean, without Z.
long double StratifiedVariance(std::span<const Stratum> strata, std::span<const std::int64_t> n);

// E_st = rounded(Z × √(Σ W_h² S_h² (N_h − n_h) / ((N_h − 1) n_h))), W_h = N_h / N, a census
// stratum adding 0, the sum in extended precision. A single stratum's E_st is its E_h, the main
// screen's answer. Along the rule's sequence it never grows.
Quantity StratifiedError(std::span<const Stratum> strata, std::span<const std::int64_t> n,
                         Quantity distance);

// Why `request` cannot fix a total, whatever the strata: none or several of the total n, the
// target E and the budget (none with Given), or a fixed cost without a budget.
std::optional<StrataRefusal> StrataRequestProblem(const StrataRequest& request);

// The design of `strata` (checked by StrataOf for the same method), with the screen's Z.
Checked<StratifiedDesign> PlanStrata(std::vector<Stratum> strata, const StrataRequest& request,
                                     const ScreenSession& screen);

}  // namespace vek::planning
