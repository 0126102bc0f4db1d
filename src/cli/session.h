// The main screen without windows: the model, the population options and the field texts,
// changed by the same actions and the same model functions as on the screen.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "model/recalc.h"

namespace vek::cli {

class Session {
public:
    explicit Session(char separator) : separator_(separator) {}

    // Throws UsageError for an action the screen would not allow, and lets
    // InvalidFloatingPointOperation through.
    void Apply(const Action& action);
    void Calculate();

    const ModelState& state() const { return state_; }
    Population population() const { return population_; }
    char separator() const { return separator_; }
    const std::string& FieldTextOf(Field field) const;

    // Corrections made on the way, one line each.
    const std::vector<std::string>& warnings() const { return warnings_; }

private:
    void Apply(const TypeInto& typing);
    void Apply(const ChoosePopulation& choice);
    void Apply(const ChooseDependent& choice);
    void Apply(const cli::Calculate&) { Calculate(); }
    void Show(const std::vector<FieldText>& texts);

    ModelState state_;
    Population population_ = Population::Infinite;
    char separator_;
    // The fields' laid-out texts, indexed by field number - 1: written with a comma whatever
    // the separator, and not read at start-up.
    std::array<std::string, 6> field_texts_ = {"0,25", "1,96", "0,03", "1068", "10000", "0,05"};
    std::vector<std::string> warnings_;
};

// The text the report quotes as the result: the dependent field's text, or both of Z and prob.
std::string ResultText(const Session& session);

// "Error de entrada" or "Mal resultado" in a dependent field.
bool ResultFailed(const Session& session);

}  // namespace vek::cli
