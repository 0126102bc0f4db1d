// The main screen without windows: the model, the population options and the field texts,
// changed by the same actions and the same model functions as on the screen.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "model/recalc.h"

namespace vek::cli {

class Session {
public:
    explicit Session(char separator)
        : separator_(separator), start_(std::chrono::steady_clock::now()) {}

    // Throws UsageError for an action the screen would not allow, and lets
    // InvalidFloatingPointOperation through.
    void Apply(const Action& action);
    void Calculate();

    const ModelState& state() const { return state_; }
    Population population() const { return population_; }
    char separator() const { return separator_; }
    const std::string& FieldTextOf(Field field) const;
    // Whole seconds since the session began, as the report's interaction time.
    std::int64_t SecondsOfInteraction() const;

    // Corrections made on the way, one line each.
    const std::vector<std::string>& warnings() const { return warnings_; }

private:
    void Apply(const TypeInto& typing);
    void Apply(const ChoosePopulation& choice);
    void Apply(const ChooseDependent& choice);
    void Apply(const cli::Calculate&) { Calculate(); }
    void Apply(const LoadFile& load);
    void Apply(const SaveFile& save);
    void Show(const std::vector<FieldText>& texts);

    ModelState state_;
    Population population_ = Population::Infinite;
    char separator_;
    std::chrono::steady_clock::time_point start_;
    // The fields' laid-out texts, indexed by field number - 1: written with a comma whatever
    // the separator, and not read at start-up.
    std::array<std::string, 6> field_texts_ = {"0,25", "1,96", "0,03", "1068", "10000", "0,05"};
    std::vector<std::string> warnings_;
};

// The text the report quotes as the result: the dependent field's text, or both of Z and prob.
std::string ResultText(const Session& session);

// "Error de entrada" or "Mal resultado" in a dependent field.
bool ResultFailed(const Session& session);

// The report of the session's screen, as "Generar" writes it.
std::string ReportBytes(const Session& session);

// Writes the report to `path` ("-": stdout). Throws UsageError when the file cannot be written.
void WriteReport(const Session& session, const std::string& path);

}  // namespace vek::cli
