// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/report.h"

#include <QStringList>

#include "files/text_file.h"
#include "model/clock.h"

namespace vek {
namespace {

constexpr int kValueWidth = 15;
const QString kIndent = QStringLiteral("          ");

QString TitleText(Field field) {
    switch (field) {
        case Field::V:
            return QStringLiteral("Varianza poblacional (V)   ");
        case Field::Z:
            return QStringLiteral("Distancia estandarizada (Z)");
        case Field::E:
            return QStringLiteral("Error de precisión (E)     ");
        case Field::n:
            return QStringLiteral("Tamaño de la muestra (n)   ");
        case Field::N:
            return QStringLiteral("Tamaño de la población (N) ");
        case Field::prob:
            return QStringLiteral("Probabilidad de error (p)  ");
    }
    return {};
}

// The formula that computes the dependent variable; none for N in an infinite population.
QString FormulaLine(Dependent dependent, bool finite) {
    switch (dependent) {
        case Dependent::V:
            return kIndent + (finite ? QStringLiteral("V = E²/Z²*n*[N-1]/[N-n]")
                                     : QStringLiteral("V = E²*n/Z²"));
        case Dependent::Z:
            return kIndent + (finite ? QStringLiteral("Z = E*(n*[N-1]/[N-n]/V)^(1/2)")
                                     : QStringLiteral("Z = E*(n/V)^(1/2)"));
        case Dependent::E:
            return kIndent + (finite ? QStringLiteral("E = Z*(V*[N-n]/n/[N-1])^(1/2)")
                                     : QStringLiteral("E = Z*(V/n)^(1/2)"));
        case Dependent::n:
            return kIndent + (finite ? QStringLiteral("n = N/(E²*[N-1]/Z²/V+1)")
                                     : QStringLiteral("n = V*Z²/E²"));
        case Dependent::N:
            return finite ? kIndent + QStringLiteral("N = (Z²V-E²)/(Z²V/n-E²)") : QString();
    }
    return {};
}

QString VariableLine(const ReportInput& input, Field field) {
    const QString text =
        QString::fromStdString(QuantityToText(QuantityOf(input.state, field), input.separator));
    return kIndent + TitleText(field) + QLatin1Char(':') + PadLeft(text, kValueWidth);
}

// The independent variables: prob with Z, N only for a finite population.
QStringList VariableLines(const ReportInput& input, std::optional<Dependent> dependent) {
    QStringList lines;
    for (const Field field : kShownOrder) {
        const bool isDependent =
            dependent &&
            (FieldOf(*dependent) == field || (*dependent == Dependent::Z && field == Field::prob));
        const bool plays = field != Field::N || input.population == Population::Finite;
        if (!isDependent && plays) lines << VariableLine(input, field);
    }
    return lines;
}

QStringList ReportLines(const ReportInput& input) {
    const bool finite = input.population == Population::Finite;
    const std::optional<Dependent> dependent = DependentOf(input.state.DependentVariable);
    const QString interaction = QString::fromStdString(SecondsToHMS(input.secondsOfInteraction));
    QStringList lines = {
        QStringLiteral("VEK: Información de contexto y resultados"),
        QString(),
        QStringLiteral("   * Contexto:"),
        QString(),
        QStringLiteral("     Muestreo Aleatorio Simple desde una población de tamaño ") +
            (finite ? QStringLiteral("finito.") : QStringLiteral("infinito.")),
        QStringLiteral("     Estimación de una media o proporción."),
        QStringLiteral("     Supuesta una distribución muestral normal."),
        QStringLiteral("     Tiempo de interacción: ") + interaction + QLatin1Char('.'),
        QString(),
        QStringLiteral("   * Variables:"),
        QString(),
        QStringLiteral("     Variable dependiente: ") +
            (dependent ? TitleText(FieldOf(*dependent)) : QString()),
        QStringLiteral("     Variables independientes:"),
    };
    lines << VariableLines(input, dependent) << QString()
          << QStringLiteral("   * Expresión de cálculo:") << QString();
    const QString formula = dependent ? FormulaLine(*dependent, finite) : QString();
    if (!formula.isEmpty()) lines << formula;
    lines << QString()
          << QStringLiteral("   * Resultado: ") + QString::fromStdString(input.resultText)
          << QString();
    return lines;
}

}  // namespace

QByteArray BuildReport(const ReportInput& input) {
    const QString crlf = QStringLiteral("\r\n");
    return EncodeWindows1252(ReportLines(input).join(crlf) + crlf).bytes;
}

QString PadLeft(const QString& text, int width) {
    if (text.size() > width) return text;
    return QString(width - text.size() + 1, QLatin1Char(' ')) + text;
}

}  // namespace vek
