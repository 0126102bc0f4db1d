// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/spanish.h"

#include "planning/confidence.h"
#include "planning/csv_reader.h"
#include "planning/percent.h"
#include "platform/shown.h"

using vek::platform::Shown;

namespace vek::explore {

namespace {

using planning::DesignValue;
using planning::Reason;
using planning::StrataColumn;
using planning::StrataProblem;
using planning::SweepFault;
using planning::Variable;
using planning::VariableOf;

QString Text(Quantity value, char separator) {
    return Shown(QuantityToText(value, separator));
}

QString Percent(Quantity fraction, char separator) {
    return Shown(planning::PercentText(fraction, separator));
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

// The refused cell's column or design value as the subject of a sentence.
QString StrataSubject(const planning::StrataRefusal& refusal) {
    if (refusal.value) {
        switch (*refusal.value) {
            case DesignValue::TotalN:
                return QStringLiteral("El tamaño total");
            case DesignValue::TargetError:
                return QStringLiteral("El error objetivo");
            case DesignValue::Budget:
                return QStringLiteral("El presupuesto");
            case DesignValue::FixedCost:
                return QStringLiteral("El coste fijo");
        }
    }
    switch (refusal.column.value_or(StrataColumn::Name)) {
        case StrataColumn::Name:
            return QStringLiteral("El nombre");
        case StrataColumn::N:
            return QStringLiteral("N");
        case StrataColumn::V:
            return QStringLiteral("V");
        case StrataColumn::p:
            return Subject(Variable::p);
        case StrataColumn::deff:
            return Subject(Variable::deff);
        case StrataColumn::Cost:
            return QStringLiteral("El coste");
        case StrataColumn::response_rate:
            return Subject(Variable::response_rate);
        case StrataColumn::Minimum:
            return QStringLiteral("El mínimo");
        case StrataColumn::Maximum:
            return QStringLiteral("El máximo");
        case StrataColumn::n:
            break;
    }
    return QStringLiteral("La n fijada");
}

// What a refused cell's or design value's rule asks, after "«TEXT»".
QString StrataRule(const planning::StrataRefusal& refusal) {
    if (refusal.value) {
        return refusal.value == DesignValue::FixedCost ? QStringLiteral("no puede ser negativo")
                                                       : Rule(Variable::E, false);
    }
    switch (refusal.column.value_or(StrataColumn::Name)) {
        case StrataColumn::p:
            return Rule(Variable::p, false);
        case StrataColumn::response_rate:
            return Rule(Variable::response_rate, true);
        case StrataColumn::V:
        case StrataColumn::deff:
        case StrataColumn::Cost:
            return Rule(Variable::V, false);
        default:
            break;
    }
    return QStringLiteral("debe ser al menos 1");
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

QString MethodTitle(planning::AllocationMethod method) {
    switch (method) {
        case planning::AllocationMethod::Proportional:
            return QStringLiteral("Proporcional");
        case planning::AllocationMethod::Equal:
            return QStringLiteral("Uniforme");
        case planning::AllocationMethod::Neyman:
            return QStringLiteral("Neyman");
        case planning::AllocationMethod::Optimal:
            return QStringLiteral("Óptima con costes");
        case planning::AllocationMethod::Given:
            break;
    }
    return QStringLiteral("Fijada");
}

QString ColumnTitle(StrataColumn column) {
    switch (column) {
        case StrataColumn::Name:
            return QStringLiteral("Estrato");
        case StrataColumn::N:
            return QStringLiteral("N");
        case StrataColumn::V:
            return QStringLiteral("V");
        case StrataColumn::p:
            return QStringLiteral("p");
        case StrataColumn::deff:
            return QStringLiteral("Efecto de diseño");
        case StrataColumn::Cost:
            return QStringLiteral("Coste");
        case StrataColumn::response_rate:
            return QStringLiteral("Tasa de respuesta (%)");
        case StrataColumn::Minimum:
            return QStringLiteral("Mínimo");
        case StrataColumn::Maximum:
            return QStringLiteral("Máximo");
        case StrataColumn::n:
            break;
    }
    return QStringLiteral("n fijada");
}

QString ValueTitle(DesignValue value) {
    switch (value) {
        case DesignValue::TotalN:
            return QStringLiteral("Tamaño total n");
        case DesignValue::TargetError:
            return QStringLiteral("Error objetivo E");
        case DesignValue::Budget:
            return QStringLiteral("Presupuesto");
        case DesignValue::FixedCost:
            break;
    }
    return QStringLiteral("Coste fijo");
}

QString StrataRefused(const planning::StrataRefusal& refusal, char separator) {
    const QString typed = Quoted(refusal.text);
    const QString what = StrataSubject(refusal);
    const auto value = [&](const std::optional<Quantity>& q) {
        return Text(q.value_or(Quantity()), separator);
    };
    switch (refusal.problem) {
        case StrataProblem::SizesWithoutGiven:
            return QStringLiteral("La columna n va sólo con la afijación «Fijada».");
        case StrataProblem::GivenWithoutSizes:
            return QStringLiteral("La afijación «Fijada» necesita la columna n.");
        case StrataProblem::NoStrata:
            return QStringLiteral("No hay ningún estrato: escriba o pegue al menos uno.");
        case StrataProblem::TooManyStrata:
            return QStringLiteral("No caben más de %1 estratos.").arg(planning::kMaxStrata);
        case StrataProblem::EmptyName:
            return QStringLiteral("El estrato no tiene nombre.");
        case StrataProblem::RepeatedName:
            return QStringLiteral("El estrato ") + typed + QStringLiteral(" está dos veces.");
        case StrataProblem::ReservedName:
            return QStringLiteral(
                "Ningún estrato puede llamarse «total», el nombre de la fila de la muestra "
                "entera.");
        case StrataProblem::BothVarianceAndProportion:
            return QStringLiteral("Se dan V y p: dé sólo uno de los dos.");
        case StrataProblem::NeitherVarianceNorProportion:
            return QStringLiteral("Falta V o p.");
        case StrataProblem::Missing:
            return QStringLiteral("Falta ") + ColumnTitle(*refusal.column) + QLatin1Char('.');
        case StrataProblem::NotANumber:
            return what + QStringLiteral(": ") + NotANumber(refusal.text, separator) +
                   QLatin1Char('.');
        case StrataProblem::Refused:
            return what + QLatin1Char(' ') + typed + QLatin1Char(' ') + StrataRule(refusal) +
                   QLatin1Char('.');
        case StrataProblem::NotWhole:
            return what + QLatin1Char(' ') + typed + QStringLiteral(" no es un número entero.");
        case StrataProblem::MinimumAboveMaximum:
            return QStringLiteral("El mínimo ") + typed + QStringLiteral(" pasa del máximo.");
        case StrataProblem::MaximumAboveSize:
            return QStringLiteral("El máximo ") + typed + QStringLiteral(" pasa de N.");
        case StrataProblem::SizeOutsideBounds:
            return QStringLiteral("La n fijada ") + typed +
                   QStringLiteral(" no está entre el mínimo y el máximo.");
        case StrataProblem::OutOfRange:
            if (refusal.stratum) {
                return QStringLiteral("La desviación típica pasa de lo que cabe en una cantidad.");
            }
            return QStringLiteral("La suma de N pasa de lo que cabe en una cantidad.");
        case StrataProblem::NoTotal:
        case StrataProblem::SeveralTotals:
        case StrataProblem::TotalWithGiven:
        case StrataProblem::FixedCostWithoutBudget:
            return QStringLiteral(
                "El total se fija con uno de tamaño total, error objetivo o presupuesto, y "
                "con ninguno en la afijación «Fijada».");
        case StrataProblem::TotalOutsideBounds:
            return QStringLiteral(
                       "El tamaño total %1 debe estar entre %2 y %3, las sumas de "
                       "los mínimos y de los máximos.")
                .arg(typed, value(refusal.least), value(refusal.most));
        case StrataProblem::BudgetBelowMinimum:
            return QStringLiteral("El presupuesto %1 no llega a %2, el coste de los mínimos.")
                .arg(typed, value(refusal.least));
        case StrataProblem::TargetUnreachable:
            return QStringLiteral("El error objetivo %1 no se alcanza: con los máximos, E es %2.")
                .arg(typed, value(refusal.least));
    }
    return {};
}

QString StrataToMend(const planning::StrataRefusal& refusal, char separator) {
    QString why = StrataRefused(refusal, separator);
    // A design value's sentence names it already.
    if (refusal.value || !refusal.stratum) return why;
    const QString row = QString::number(*refusal.stratum + 1);
    if (!refusal.column) return QStringLiteral("Corrija la fila %1: %2").arg(row, why);
    return QStringLiteral("Corrija la celda %1 de la fila %2: %3")
        .arg(ColumnTitle(*refusal.column), row, why);
}

QString InputRefused(const planning::InputRefusal& refusal) {
    using planning::InputProblem;
    QString why;
    switch (refusal.problem) {
        case InputProblem::Unreadable:
            return QStringLiteral("No se ha podido leer.");
        case InputProblem::NoHeader:
            return QStringLiteral("No hay ni una línea de cabecera.");
        case InputProblem::RecordTooLong:
            why =
                QStringLiteral("una línea de más de %1 KiB").arg(planning::kMaxRecordBytes / 1024);
            break;
        case InputProblem::TooManyFields:
            why = QStringLiteral("más de %1 campos").arg(planning::kMaxFields);
            break;
        case InputProblem::NulByte:
            why = QStringLiteral("un byte nulo en un campo");
            break;
        case InputProblem::QuoteInUnquoted:
            why = QStringLiteral("unas comillas dentro de un campo sin comillas");
            break;
        case InputProblem::UnterminatedQuote:
            why = QStringLiteral("unas comillas sin cerrar");
            break;
        case InputProblem::NoColumns:
            why = QStringLiteral("una cabecera sin columnas");
            break;
        case InputProblem::ColumnTwice:
            why = QStringLiteral("la columna ") + Quoted(refusal.text) +
                  QStringLiteral(" está dos veces");
            break;
        case InputProblem::UnknownColumn:
            why = QStringLiteral("una columna desconocida, ") + Quoted(refusal.text);
            break;
        case InputProblem::MoreFieldsThanColumns:
            why = QStringLiteral("más campos que columnas tiene la cabecera");
            break;
        case InputProblem::NoNameColumn:
            why = QStringLiteral("falta la columna «stratum»");
            break;
        case InputProblem::NoSizeColumn:
            why = QStringLiteral("falta la columna «N»");
            break;
        case InputProblem::NoVarianceColumn:
            why = QStringLiteral("falta una columna «V» o «p»");
            break;
        case InputProblem::ClusterColumnAlone:
        case InputProblem::DeffWithIcc:
            why = QStringLiteral("columnas que no son de estratos");
            break;
    }
    return QStringLiteral("Línea %1: %2.").arg(refusal.line).arg(why);
}

QString DistanceAndConfidence(const ScreenSession& screen) {
    const ModelState& state = screen.state();
    return QStringLiteral("Z = %1 (confianza del %2)")
        .arg(Text(state.StandardDistance, screen.separator()),
             Shown(planning::ConfidencePercent(state, screen.separator())));
}

}  // namespace vek::explore
