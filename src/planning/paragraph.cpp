// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/paragraph.h"

#include "planning/confidence.h"
#include "planning/percent.h"

namespace vek::planning {

namespace {

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

    std::string Confidence() const {
        return "una confianza del " + ConfidencePercent(session_.state(), session_.separator()) +
               " (Z = " + Stored(Field::Z) + ")";
    }
    std::string Error() const { return "un error de precisión de " + Stored(Field::E); }
    std::string Variance() const { return "una varianza poblacional de " + Stored(Field::V); }
    std::string Population() const {
        if (session_.population() == Population::Infinite) return "en una población infinita";
        return "en una población finita de " + Units(session_.state().PopulationSize);
    }
    std::string Percent(Quantity fraction) const {
        return PercentText(fraction, session_.separator());
    }

    // ", por muestreo aleatorio simple en una población …" without a design effect; with one,
    // ", en una población …, con un efecto de diseño de …".
    std::string Sampling() const {
        const vek::Design& design = session_.design();
        if (design.designEffect == kNoDesignEffect && !design.clusters) {
            return ", por muestreo aleatorio simple " + Population();
        }
        std::string told =
            ", " + Population() + ", con un efecto de diseño de " + Value(design.designEffect);
        if (design.clusters) {
            told += " (correlación intraclase de " + Value(design.clusters->correlation) +
                    " y conglomerados de " + Units(design.clusters->size) + ")";
        }
        return told;
    }

    std::string Contacts() const {
        const Quantity rate = session_.design().responseRate;
        if (rate == kFullResponse) return {};
        const std::optional<Quantity> contacts = session_.Contacts();
        return " Con una tasa de respuesta del " + Percent(rate) + ", hay que contactar " +
               (contacts ? Units(*contacts) : std::string("?")) + ".";
    }

private:
    const ScreenSession& session_;
};

std::string Sentence(const Wording& w, Dependent dependent) {
    switch (dependent) {
        case Dependent::V:
            return "Con una muestra de " + w.Sample() + ", " + w.Error() + " y " + w.Confidence() +
                   ", la varianza poblacional que se puede suponer es de " + w.Stored(Field::V) +
                   w.Sampling() + ".";
        case Dependent::Z:
            return "Con una muestra de " + w.Sample() + ", " + w.Error() + " y " + w.Variance() +
                   ", se alcanza " + w.Confidence() + w.Sampling() + ".";
        case Dependent::E:
            return "Con una muestra de " + w.Sample() + " y " + w.Confidence() +
                   ", el error de precisión es de " + w.Stored(Field::E) + ", suponiendo " +
                   w.Variance() + w.Sampling() + ".";
        case Dependent::n:
            return "Se necesita una muestra de " + w.Sample() + " para estimar con " + w.Error() +
                   " y " + w.Confidence() + ", suponiendo " + w.Variance() + w.Sampling() + ".";
        case Dependent::N:
            return "Una muestra de " + w.Sample() + " basta para estimar con " + w.Error() + " y " +
                   w.Confidence() + ", suponiendo " + w.Variance() + w.Sampling() + ".";
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

}  // namespace

std::string AllocationWords(AllocationMethod method) {
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

std::string FailureSentence(const ScreenSession& session) {
    return "No se ha podido calcular " + WhatFailed(session.dependent()) +
           " con estos valores: " + session.ResultText() + ".";
}

std::string ProtocolParagraph(const ScreenSession& session) {
    if (session.ResultFailed()) return FailureSentence(session);
    const Wording wording(session);
    return Sentence(wording, session.dependent()) + wording.Contacts();
}

std::string StratifiedParagraph(const StratifiedDesign& design, const ScreenSession& screen) {
    const Wording w(screen);
    const std::size_t strata = design.strata.size();
    std::string text = "Se reparte una muestra de " +
                       w.Units(Quantity::FromScaled(design.total * Quantity::kScale)) + " entre " +
                       std::to_string(strata) + (strata == 1 ? " estrato" : " estratos") +
                       " con afijación " + AllocationWords(design.method) + ". Con " +
                       w.Confidence() + ", el error de precisión del conjunto es " +
                       w.Value(design.error) + ".";
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
