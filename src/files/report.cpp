// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/report.h"

#include <QStringList>

#include "files/text_file.h"
#include "model/clock.h"

namespace vek {
namespace {

constexpr int kValueWidth = 15;
const QString kIndent = QStringLiteral("          ");

enum class Title { V = 1, Z, E, n, N, prob };

QString TitleText(Title title) {
    switch (title) {
        case Title::V:
            return QStringLiteral("Varianza poblacional (V)   ");
        case Title::Z:
            return QStringLiteral("Distancia estandarizada (Z)");
        case Title::E:
            return QStringLiteral("Error de precisión (E)     ");
        case Title::n:
            return QStringLiteral("Tamaño de la muestra (n)   ");
        case Title::N:
            return QStringLiteral("Tamaño de la población (N) ");
        case Title::prob:
            return QStringLiteral("Probabilidad de error (p)  ");
    }
    return {};
}

// Indexed by the dependent-variable code, plus 5 for a finite population; empty: no line.
QString FormulaLine(int index) {
    static const QStringList kFormulas = {
        QString(),
        QStringLiteral("V = E²*n/Z²"),
        QStringLiteral("Z = E*(n/V)^(1/2)"),
        QStringLiteral("E = Z*(V/n)^(1/2)"),
        QStringLiteral("n = V*Z²/E²"),
        QString(),
        QStringLiteral("V = E²/Z²*n*[N-1]/[N-n]"),
        QStringLiteral("Z = E*(n*[N-1]/[N-n]/V)^(1/2)"),
        QStringLiteral("E = Z*(V*[N-n]/n/[N-1])^(1/2)"),
        QStringLiteral("n = N/(E²*[N-1]/Z²/V+1)"),
        QStringLiteral("N = (Z²V-E²)/(Z²V/n-E²)"),
    };
    if (index < 1 || index >= kFormulas.size() || kFormulas[index].isEmpty()) return {};
    return kIndent + kFormulas[index];
}

bool IsDependent(const ReportInput& input, Field field) {
    return input.state.DependentVariable == CodeOf(field);
}

QString DependentTitle(std::uint8_t code) {
    if (code < kFirstDependentCode || code > kLastDependentCode) return {};
    return TitleText(static_cast<Title>(code));
}

QString VariableLine(const ReportInput& input, Title title, Quantity value) {
    const QString text = QString::fromStdString(QuantityToText(value, input.separator));
    return kIndent + TitleText(title) + QLatin1Char(':') + PadLeft(text, kValueWidth);
}

QStringList VariableLines(const ReportInput& input) {
    const ModelState& s = input.state;
    QStringList lines;
    if (!IsDependent(input, Field::V)) lines << VariableLine(input, Title::V, s.PopulationVariance);
    if (!IsDependent(input, Field::Z)) {
        lines << VariableLine(input, Title::Z, s.StandardDistance)
              << VariableLine(input, Title::prob, s.ErrorProbability);
    }
    if (!IsDependent(input, Field::E)) lines << VariableLine(input, Title::E, s.PrecisionError);
    if (!IsDependent(input, Field::n)) lines << VariableLine(input, Title::n, s.SampleSize);
    if (input.population == Population::Finite && !IsDependent(input, Field::N)) {
        lines << VariableLine(input, Title::N, s.PopulationSize);
    }
    return lines;
}

QStringList ReportLines(const ReportInput& input) {
    const bool finite = input.population == Population::Finite;
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
            DependentTitle(input.state.DependentVariable),
        QStringLiteral("     Variables independientes:"),
    };
    lines << VariableLines(input) << QString() << QStringLiteral("   * Expresión de cálculo:")
          << QString();
    const QString formula = FormulaLine(input.state.DependentVariable + (finite ? 5 : 0));
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
