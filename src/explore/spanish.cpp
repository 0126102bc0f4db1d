// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/spanish.h"

namespace vek::explore {

namespace {

using planning::Reason;
using planning::SweepFault;
using planning::Variable;
using planning::VariableOf;

constexpr std::int64_t kHundred = 100;

QString Shown(const std::string& text) {
    return QString::fromStdString(text);
}

QString Text(Quantity value, char separator) {
    return Shown(QuantityToText(value, separator));
}

QString Percent(Quantity fraction, char separator) {
    return Text(Quantity::FromScaled(fraction.scaled() * kHundred), separator) +
           QStringLiteral(" %");
}

// "V" … "N", "p": as vek-calc names the variable.
QString Name(Variable variable) {
    const std::string_view name = planning::NameOf(variable);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The field the variable is typed into, as the screen names it: V for p.
QString Symbol(Variable variable) {
    const std::optional<Field> field = planning::FieldOf(variable);
    if (!field) return Name(variable);
    const std::string_view symbol = SymbolOf(*field);
    return QString::fromLatin1(symbol.data(), static_cast<qsizetype>(symbol.size()));
}

// The variable as the subject of a sentence.
QString Subject(Variable variable) {
    switch (variable) {
        case Variable::p:
            return QStringLiteral("La proporción esperada");
        case Variable::deff:
            return QStringLiteral("El efecto de diseño");
        case Variable::icc:
            return QStringLiteral("La correlación intraclase");
        case Variable::cluster_size:
            return QStringLiteral("El tamaño medio del conglomerado");
        case Variable::response_rate:
            return QStringLiteral("La tasa de respuesta");
        case Variable::contacts:
            return QStringLiteral("Los contactos");
        default:
            break;
    }
    return Symbol(variable);
}

// What the variable's own rule asks, after "«TEXT»".
QString Rule(Variable variable, bool ratePercent) {
    switch (variable) {
        case Variable::p:
            return QStringLiteral("debe estar entre 0 y 1, sin incluirlos");
        case Variable::response_rate:
            return ratePercent ? QStringLiteral("debe ser mayor que 0 % y no pasar del 100 %")
                               : QStringLiteral("debe ser mayor que 0 y no pasar de 1");
        case Variable::n:
            return QStringLiteral("debe ser al menos 1, y menor que N en una población finita");
        case Variable::contacts:
            return QStringLiteral(
                "deben dar una muestra de al menos 1, y menor que N en una población finita");
        case Variable::N:
            return QStringLiteral("debe ser mayor que n");
        default:
            break;
    }
    return QStringLiteral("debe ser mayor que 0");
}

QString Quoted(const std::string& text) {
    return QStringLiteral("«") + Shown(text) + QStringLiteral("»");
}

QString NotANumber(const std::string& text, char separator) {
    return Quoted(text) + QStringLiteral(" no es un número (separador decimal «%1»)")
                              .arg(QChar::fromLatin1(separator));
}

// The variable as the title's "según …" names it.
QString Against(Variable variable) {
    switch (variable) {
        case Variable::prob:
            return QStringLiteral("la confianza");
        case Variable::deff:
            return QStringLiteral("el efecto de diseño");
        case Variable::response_rate:
            return QStringLiteral("la tasa de respuesta");
        default:
            break;
    }
    return Name(variable);
}

QString Capitalized(QString sentence) {
    if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
    return sentence;
}

QString AxisProblem(const planning::SweepProblem& problem, char separator) {
    switch (problem.fault) {
        case SweepFault::NotASweep:
            return Quoted(problem.text) + QStringLiteral(" no es DESDE:HASTA:PASO ni A/B/C");
        case SweepFault::NotANumber:
            return NotANumber(problem.text, separator);
        case SweepFault::NotARange:
            return QStringLiteral("un intervalo se escribe DESDE:HASTA:PASO");
        case SweepFault::StepNotPositive:
            return QStringLiteral("el paso debe ser mayor que 0");
        case SweepFault::ToBelowFrom:
            return QStringLiteral("HASTA no puede ser menor que DESDE");
        case SweepFault::TooManyPoints:
            return QStringLiteral("no caben más de un millón de celdas");
        case SweepFault::SweptTwice:
            return QStringLiteral("filas y columnas no pueden ser la misma variable");
        case SweepFault::ZWithProb:
            return QStringLiteral(
                "Z y prob son una pareja: filas y columnas no pueden ser una y "
                "otra");
        case SweepFault::PWithV:
            return QStringLiteral("p fija V: filas y columnas no pueden ser una y otra");
        case SweepFault::Dependent:
            return TitleOf(problem.variable.value_or(Variable::V)) +
                   QStringLiteral(" es la variable dependiente");
        case SweepFault::InfinitePopulation:
            return QStringLiteral("N no cuenta en una población infinita");
    }
    return {};
}

}  // namespace

QString TitleOf(Variable variable) {
    switch (variable) {
        case Variable::V:
            return QStringLiteral("Varianza poblacional (V)");
        case Variable::Z:
            return QStringLiteral("Distancia estandarizada (Z)");
        case Variable::prob:
            return QStringLiteral("Probabilidad de error (prob)");
        case Variable::E:
            return QStringLiteral("Error de precisión (E)");
        case Variable::n:
        case Variable::contacts:
            return QStringLiteral("Tamaño de la muestra (n)");
        case Variable::N:
            return QStringLiteral("Tamaño de la población (N)");
        case Variable::p:
            return QStringLiteral("Proporción esperada (p)");
        case Variable::deff:
        case Variable::icc:
        case Variable::cluster_size:
            return QStringLiteral("Efecto de diseño (d)");
        case Variable::response_rate:
            return QStringLiteral("Tasa de respuesta");
    }
    return {};
}

QString ValueLabel(Variable variable, Quantity value, char separator) {
    switch (variable) {
        case Variable::prob:
            return Percent(Quantity::FromScaled(Quantity::kScale - value.scaled()), separator);
        case Variable::response_rate:
            return QStringLiteral("tasa ") + Percent(value, separator);
        case Variable::deff:
            return QStringLiteral("d = ") + Text(value, separator);
        default:
            break;
    }
    return Name(variable) + QStringLiteral(" = ") + Text(value, separator);
}

QString Refused(const planning::Refusal& refusal, char separator, bool ratePercent) {
    const Variable variable = refusal.variable.value_or(Variable::V);
    switch (refusal.reason) {
        case Reason::NotANumber:
            return Subject(variable) + QLatin1Char(':') + QLatin1Char(' ') +
                   NotANumber(refusal.text, separator) + QLatin1Char('.');
        case Reason::OutOfRange:
            if (variable == Variable::icc || variable == Variable::cluster_size) {
                return QStringLiteral(
                    "La correlación intraclase debe estar entre 0 y 1, y el tamaño medio del "
                    "conglomerado ser al menos 1.");
            }
            return Subject(variable) + QLatin1Char(' ') + Quoted(refusal.text) + QLatin1Char(' ') +
                   Rule(variable, ratePercent) + QLatin1Char('.');
        case Reason::Dependent:
            return Symbol(variable) + QStringLiteral(" es la variable dependiente: no se escribe.");
        case Reason::InfinitePopulation:
            return QStringLiteral("N no cuenta en una población infinita.");
        case Reason::Unpaired:
            return QStringLiteral(
                "La correlación intraclase y el tamaño medio del conglomerado van juntos.");
        case Reason::NotAPopulation:
            return QStringLiteral("La población ") + Quoted(refusal.text) +
                   QStringLiteral(" debe ser «finite» o «infinite».");
        case Reason::NotADependent:
            return QStringLiteral("La variable dependiente ") + Quoted(refusal.text) +
                   QStringLiteral(" debe ser V, Z, E, n o N.");
        case Reason::DependentNeedsFinite:
            return QStringLiteral(
                "N sólo puede ser la variable dependiente en una población "
                "finita.");
    }
    return {};
}

QString GridProblem(const planning::SweepProblem& problem, planning::Axis axis, char separator) {
    const QString sentence = AxisProblem(problem, separator) + QLatin1Char('.');
    switch (axis) {
        case planning::Axis::Rows:
            return QStringLiteral("Filas: ") + sentence;
        case planning::Axis::Columns:
            return QStringLiteral("Columnas: ") + sentence;
        case planning::Axis::Both:
            break;
    }
    return Capitalized(sentence);
}

QString ChartTitle(const planning::Grid& grid, bool contacts) {
    const ScreenSession& base = grid.base;
    const char separator = base.separator();
    const Variable rows = grid.sweeps[0].variable();
    const Variable columns = grid.sweeps[1].variable();
    const auto swept = [&](Variable variable) { return rows == variable || columns == variable; };
    QString title = contacts ? QStringLiteral("contactos") : Name(VariableOf(base.dependent()));
    title += QStringLiteral(" según ") + Against(rows) + QStringLiteral(" y ") + Against(columns);
    if (base.population() == Population::Infinite) {
        title += QStringLiteral("; población infinita");
    } else if (swept(Variable::N)) {
        title += QStringLiteral("; población finita");
    } else {
        title +=
            QStringLiteral("; población finita de ") + Text(base.state().PopulationSize, separator);
    }
    const Design& design = base.design();
    if (!swept(Variable::deff)) {
        title += design.designEffect == kNoDesignEffect
                     ? QStringLiteral("; muestreo aleatorio simple")
                     : QStringLiteral("; efecto de diseño ") + Text(design.designEffect, separator);
    }
    if (contacts && !swept(Variable::response_rate)) {
        title += QStringLiteral("; tasa de respuesta ") + Percent(design.responseRate, separator);
    }
    return title;
}

}  // namespace vek::explore
