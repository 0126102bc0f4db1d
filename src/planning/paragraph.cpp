// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/paragraph.h"

namespace vek::planning {

namespace {

constexpr std::int64_t kHundred = 100;

class Wording {
public:
    explicit Wording(const ScreenSession& session) : session_(session) {}

    std::string Value(Quantity q) const { return QuantityToText(q, session_.separator()); }
    std::string Stored(Field field) const { return Value(QuantityOf(session_.state(), field)); }

    // "1 unidad", "1068 unidades".
    std::string Units(Quantity q) const {
        return Value(q) + (q == Quantity::FromScaled(Quantity::kScale) ? " unidad" : " unidades");
    }
    std::string Sample() const { return Units(session_.state().SampleSize); }

    // 100 × (1 − prob), on the scaled integers.
    std::string ConfidencePercent() const {
        const std::int64_t prob = session_.state().ErrorProbability.scaled();
        return Value(Quantity::FromScaled((Quantity::kScale - prob) * kHundred)) + " %";
    }
    std::string Confidence() const {
        return "una confianza del " + ConfidencePercent() + " (Z = " + Stored(Field::Z) + ")";
    }
    std::string Error() const { return "un error de precisión de " + Stored(Field::E); }
    std::string Variance() const { return "una varianza poblacional de " + Stored(Field::V); }
    std::string Population() const {
        if (session_.population() == Population::Infinite) return "en una población infinita";
        return "en una población finita de " + Units(session_.state().PopulationSize);
    }
    std::string Design() const {
        const vek::Design& design = session_.design();
        const std::optional<Quantity> contacts = session_.Contacts();
        return " Con un efecto de diseño de " + Value(design.designEffect) +
               " y una tasa de respuesta del " +
               Value(Quantity::FromScaled(design.responseRate.scaled() * kHundred)) +
               " %, hay que contactar " + (contacts ? Units(*contacts) : std::string("?")) + ".";
    }

private:
    const ScreenSession& session_;
};

constexpr const char* kSampling = ", por muestreo aleatorio simple ";

std::string Sentence(const Wording& w, Dependent dependent) {
    switch (dependent) {
        case Dependent::V:
            return "Con una muestra de " + w.Sample() + ", " + w.Error() + " y " + w.Confidence() +
                   ", la varianza poblacional que se puede suponer es de " + w.Stored(Field::V) +
                   kSampling + w.Population() + ".";
        case Dependent::Z:
            return "Con una muestra de " + w.Sample() + ", " + w.Error() + " y " + w.Variance() +
                   ", se alcanza " + w.Confidence() + kSampling + w.Population() + ".";
        case Dependent::E:
            return "Con una muestra de " + w.Sample() + " y " + w.Confidence() +
                   ", el error de precisión es de " + w.Stored(Field::E) + ", suponiendo " +
                   w.Variance() + kSampling + w.Population() + ".";
        case Dependent::n:
            return "Se necesita una muestra de " + w.Sample() + " para estimar con " + w.Error() +
                   " y " + w.Confidence() + ", suponiendo " + w.Variance() + kSampling +
                   w.Population() + ".";
        case Dependent::N:
            return "Una muestra de " + w.Sample() + " basta para estimar con " + w.Error() + " y " +
                   w.Confidence() + ", suponiendo " + w.Variance() + kSampling + w.Population() +
                   ".";
    }
    return {};
}

std::string WhatFailed(Dependent dependent) {
    switch (dependent) {
        case Dependent::V:
            return "la varianza poblacional";
        case Dependent::Z:
            return "la distancia estandarizada";
        case Dependent::E:
            return "el error de precisión";
        case Dependent::n:
            return "el tamaño de la muestra";
        case Dependent::N:
            return "el tamaño de la población";
    }
    return {};
}

std::string MethodWords(AllocationMethod method) {
    switch (method) {
        case AllocationMethod::Proportional:
            return "proporcional";
        case AllocationMethod::Equal:
            return "uniforme";
        case AllocationMethod::Neyman:
            return "de Neyman";
        case AllocationMethod::Optimal:
            return "óptima con costes";
        case AllocationMethod::Given:
            break;
    }
    return "fijada";
}

}  // namespace

std::string ProtocolParagraph(const ScreenSession& session, bool withDesign) {
    if (session.ResultFailed()) {
        return "No se ha podido calcular " + WhatFailed(session.dependent()) +
               " con estos valores: " + session.ResultText() + ".";
    }
    const Wording wording(session);
    return Sentence(wording, session.dependent()) + (withDesign ? wording.Design() : std::string());
}

std::string StratifiedParagraph(const StratifiedDesign& design, const ScreenSession& screen) {
    const Wording w(screen);
    const std::size_t strata = design.strata.size();
    std::string text = "Se reparte una muestra de " +
                       w.Units(Quantity::FromScaled(design.total * Quantity::kScale)) + " entre " +
                       std::to_string(strata) + (strata == 1 ? " estrato" : " estratos") +
                       " con afijación " + MethodWords(design.method) + ". Con " + w.Confidence() +
                       ", el error de precisión del conjunto es " + w.Value(design.error) + ".";
    if (design.ExpectsNonResponse()) {
        text += " Con las tasas de respuesta esperadas, hay que contactar " +
                w.Units(design.contacts) + ".";
    }
    if (design.budget) {
        text += " El coste es " + w.Value(design.cost) + ", de un presupuesto de " +
                w.Value(*design.budget) + ".";
    }
    return text;
}

}  // namespace vek::planning
