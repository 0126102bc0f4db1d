// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/technical_sheet.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "planning/confidence.h"
#include "planning/paragraph.h"
#include "planning/percent.h"

namespace vek::planning {

namespace {

constexpr Quantity kHalfHalf = Quantity::FromScaled(2500);  // p(1 − p) at p = q = 0,5
constexpr Quantity kOne = Quantity::FromScaled(Quantity::kScale);

// Writes quantities and the fixed parts of the lines with the run's separator.
class Sheet {
public:
    explicit Sheet(char separator) : separator_(separator) {}

    std::string Value(Quantity q) const { return QuantityToText(q, separator_); }
    std::string Whole(std::int64_t count) const {
        return Value(Quantity::FromScaled(count * Quantity::kScale));
    }
    std::string Percent(Quantity fraction) const { return PercentText(fraction, separator_); }
    static std::string Interviews(const std::string& count, bool one) {
        return count + (one ? " entrevista" : " entrevistas");
    }

    void Line(const std::string& label, const std::string& text) {
        text_ += label + ": " + text + "\n";
    }
    // The size of a finite population, as written; none for an infinite one.
    void Universe(const std::optional<std::string>& size) {
        Line("Universo", size ? "población finita de " + *size + " unidades."
                              : std::string("población infinita."));
    }
    std::string Take() { return std::move(text_); }

private:
    char separator_;
    std::string text_;
};

// How a sampling error and its variance are stated: in points of a percentage where the
// variance is a proportion's, with the clause that names the proportion or the variance.
struct ErrorWording {
    bool percentage = false;
    std::string variance;  // after "y": "P = Q", "p = 0,3", "V = 0,21" …
};

std::string ErrorText(const ErrorWording& wording, Quantity error, const Sheet& sheet,
                      char separator) {
    return wording.percentage ? PercentagePoints(error, separator) : "±" + sheet.Value(error);
}

ErrorWording SimpleWording(const ScreenSession& session, const Sheet& sheet) {
    const Quantity variance = session.state().PopulationVariance;
    if (variance == kHalfHalf) return {true, "P = Q"};
    if (const std::optional<Quantity> p = session.proportion()) {
        return {true, "p = " + sheet.Value(*p)};
    }
    return {false, "V = " + sheet.Value(variance)};
}

std::string DesignLine(const Design& design, const Sheet& sheet) {
    if (design.designEffect == kNoDesignEffect) {
        return "muestreo aleatorio simple.";
    }
    std::string line = "muestreo con efecto de diseño " + sheet.Value(design.designEffect);
    if (design.clusters) {
        line += " (correlación intraclase " + sheet.Value(design.clusters->correlation) +
                ", conglomerados de " + sheet.Value(design.clusters->size) + " unidades)";
    }
    return line + ".";
}

ErrorWording StrataWording(const StratifiedDesign& design, const Sheet& sheet) {
    const auto& strata = design.strata;
    const auto halfHalf = [](const Stratum& s) { return s.variance == kHalfHalf; };
    const auto proportion = [&](const Stratum& s) { return halfHalf(s) || s.proportion; };
    if (std::all_of(strata.begin(), strata.end(), halfHalf)) return {true, "P = Q"};
    if (std::all_of(strata.begin(), strata.end(), proportion)) {
        return {true, "con las proporciones esperadas de cada estrato"};
    }
    const bool oneVariance = std::all_of(strata.begin(), strata.end(), [&](const Stratum& s) {
        return s.variance == strata.front().variance;
    });
    if (oneVariance) return {false, "V = " + sheet.Value(strata.front().variance)};
    return {false, "las varianzas de cada estrato"};
}

std::string StrataContacts(const StratifiedDesign& design, const Sheet& sheet) {
    const auto& strata = design.strata;
    const bool oneRate = std::all_of(strata.begin(), strata.end(), [&](const Stratum& s) {
        return s.responseRate == strata.front().responseRate;
    });
    return sheet.Value(design.contacts) +
           (oneRate ? " (tasa de respuesta esperada del " +
                          sheet.Percent(strata.front().responseRate) + ")."
                    : std::string(" (tasas de respuesta esperadas de cada estrato)."));
}

}  // namespace

std::string PercentagePoints(Quantity error, char separator) {
    constexpr std::int64_t kTenthOfAPoint = 10;  // ten-thousandths in a tenth of a point
    const std::int64_t tenths = (error.scaled() + kTenthOfAPoint / 2) / kTenthOfAPoint;
    return "±" + std::to_string(tenths / kTenthOfAPoint) + separator +
           std::to_string(tenths % kTenthOfAPoint) + " %";
}

std::string TechnicalSheet(const ScreenSession& session) {
    if (session.ResultFailed()) return FailureSentence(session) + "\n";
    const char separator = session.separator();
    const ModelState& state = session.state();
    const Design& design = session.design();
    Sheet sheet(separator);
    sheet.Universe(session.population() == Population::Finite
                       ? std::optional(sheet.Value(state.PopulationSize))
                       : std::nullopt);
    sheet.Line("Tamaño de la muestra",
               Sheet::Interviews(sheet.Value(state.SampleSize), state.SampleSize == kOne) + ".");
    if (design.responseRate != kFullResponse) {
        if (const std::optional<Quantity> contacts = session.Contacts()) {
            sheet.Line("Contactos previstos", sheet.Value(*contacts) +
                                                  " (tasa de respuesta esperada del " +
                                                  sheet.Percent(design.responseRate) + ").");
        }
    }
    sheet.Line("Diseño", DesignLine(design, sheet));
    const ErrorWording wording = SimpleWording(session, sheet);
    const bool simple = design.designEffect == kNoDesignEffect;
    sheet.Line(
        "Error muestral",
        ErrorText(wording, state.PrecisionError, sheet, separator) +
            " para el conjunto de la muestra, para un nivel de confianza del " +
            ConfidenceLevel(state, separator) + " y " + wording.variance + ", " +
            (simple ? std::string("en el supuesto de muestreo aleatorio simple")
                    : "considerando un efecto de diseño de " + sheet.Value(design.designEffect)) +
            ".");
    return sheet.Take();
}

std::string StratifiedSheet(const StratifiedDesign& design, const ScreenSession& screen) {
    const char separator = screen.separator();
    Sheet sheet(separator);
    sheet.Universe(sheet.Whole(design.size));
    sheet.Line("Tamaño de la muestra",
               Sheet::Interviews(sheet.Whole(design.total), design.total == 1) + ".");
    if (design.ExpectsNonResponse()) {
        sheet.Line("Contactos previstos", StrataContacts(design, sheet));
    }
    const std::size_t count = design.strata.size();
    sheet.Line("Diseño", "estratificado en " + std::to_string(count) +
                             (count == 1 ? " estrato." : " estratos."));
    sheet.Line("Afijación", AllocationWords(design.method) + ".");
    const ErrorWording wording = StrataWording(design, sheet);
    const bool designed =
        std::any_of(design.strata.begin(), design.strata.end(),
                    [](const Stratum& s) { return s.designEffect != kNoDesignEffect; });
    sheet.Line("Error muestral",
               ErrorText(wording, design.error, sheet, separator) +
                   " para el conjunto de la muestra, para un nivel de confianza del " +
                   ConfidenceLevel(screen.state(), separator) + " y " + wording.variance + ", " +
                   (designed ? "considerando el efecto de diseño de cada estrato"
                             : "con muestreo aleatorio simple en cada estrato") +
                   ".");
    std::string text = sheet.Take();
    for (std::size_t h = 0; h < count; ++h) {
        const StratumResult& result = design.results[h];
        text += "  " + design.strata[h].name + ": " +
                ErrorText(wording, result.error, sheet, separator) + " (" +
                Sheet::Interviews(sheet.Whole(result.n), result.n == 1) + ")\n";
    }
    return text;
}

}  // namespace vek::planning
