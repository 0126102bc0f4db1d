// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/report.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace vek {
namespace {

ReportInput Input(const ModelState& state, Population population, std::string result,
                  std::int64_t seconds = 0, char separator = ',') {
    return {state, population, std::move(result), seconds, separator};
}

// The expected report as Latin-1 bytes (every character used is the same byte in
// Windows-1252), CR LF after every line.
QByteArray Lines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QStringList ReportLines(const QByteArray& report) {
    QStringList lines = QString::fromLatin1(report).split(QStringLiteral("\r\n"));
    lines.removeLast();  // what follows the final CR LF
    return lines;
}

TEST(Report, WorkedExampleByteForByte) {
    const ModelState state;
    const QByteArray expected = Lines({
        QStringLiteral("VEK: Información de contexto y resultados"),
        QString(),
        QStringLiteral("   * Contexto:"),
        QString(),
        QStringLiteral("     Muestreo Aleatorio Simple desde una población de tamaño infinito."),
        QStringLiteral("     Estimación de una media o proporción."),
        QStringLiteral("     Supuesta una distribución muestral normal."),
        QStringLiteral("     Tiempo de interacción: 00:03:27."),
        QString(),
        QStringLiteral("   * Variables:"),
        QString(),
        QStringLiteral("     Variable dependiente: Tamaño de la muestra (n)   "),
        QStringLiteral("     Variables independientes:"),
        QStringLiteral("          Varianza poblacional (V)   :            0,25"),
        QStringLiteral("          Distancia estandarizada (Z):            1,96"),
        QStringLiteral("          Probabilidad de error (p)  :            0,05"),
        QStringLiteral("          Error de precisión (E)     :            0,03"),
        QString(),
        QStringLiteral("   * Expresión de cálculo:"),
        QString(),
        QStringLiteral("          n = V*Z²/E²"),
        QString(),
        QStringLiteral("   * Resultado: 1068"),
        QString(),
    });
    const QByteArray report = BuildReport(Input(state, Population::Infinite, "1068", 207));
    EXPECT_EQ(report, expected);
    EXPECT_EQ(ReportLines(report).size(), 24);
    EXPECT_TRUE(report.endsWith("1068\r\n\r\n"));
    EXPECT_TRUE(report.contains("\xf3") && report.contains("\xf1") && report.contains("\xb2"));
}

struct TimeCase {
    const char* name;
    std::int64_t seconds;
    const char* line;
};

class ReportTime : public testing::TestWithParam<TimeCase> {};

TEST_P(ReportTime, InteractionTimeLine) {
    const ModelState state;
    const QStringList lines =
        ReportLines(BuildReport(Input(state, Population::Infinite, "1068", GetParam().seconds)));
    EXPECT_EQ(lines.at(7), QStringLiteral("     Tiempo de interacción: ") +
                               QString::fromLatin1(GetParam().line) + QLatin1Char('.'));
}

INSTANTIATE_TEST_SUITE_P(Times, ReportTime,
                         testing::Values(TimeCase{"zero", 0, "00:00:00"},
                                         TimeCase{"workedExample", 207, "00:03:27"},
                                         TimeCase{"pastADay", 26 * 3600 + 61, "26:01:01"},
                                         TimeCase{"hundredHours", 100L * 3600, "100:00:00"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The lines between "Variables independientes:" and the empty line that closes them.
QStringList VariableLines(const QStringList& lines) {
    const qsizetype first = lines.indexOf(QStringLiteral("     Variables independientes:")) + 1;
    return lines.mid(first, lines.indexOf(QString(), first) - first);
}

// The lines between the formula heading and the result line, joined by '|'.
QString FormulaSection(const QStringList& lines) {
    const qsizetype heading = lines.indexOf(QStringLiteral("   * Expresión de cálculo:"));
    qsizetype result = heading + 1;
    while (result < lines.size() &&
           !lines.at(result).startsWith(QStringLiteral("   * Resultado:"))) {
        ++result;
    }
    return lines.mid(heading + 1, result - heading - 1).join(QLatin1Char('|'));
}

struct ShapeCase {
    const char* name;
    std::uint8_t code;
    Population population;
    const char* dependentTitle;
    std::vector<const char*> variableTitles;
    const char* formula;  // "" when the section has no formula line
};

class ReportShape : public testing::TestWithParam<ShapeCase> {};

TEST_P(ReportShape, VariablesFormulaAndResultFollowTheDependentVariable) {
    ModelState state;
    state.DependentVariable = GetParam().code;
    const QStringList lines =
        ReportLines(BuildReport(Input(state, GetParam().population, "result-text")));

    EXPECT_EQ(lines.at(4).endsWith(GetParam().population == Population::Finite
                                       ? QStringLiteral(" finito.")
                                       : QStringLiteral(" infinito.")),
              true);
    EXPECT_EQ(lines.at(11), QStringLiteral("     Variable dependiente: ") +
                                QString::fromUtf8(GetParam().dependentTitle));
    QStringList titles;
    for (const QString& line : VariableLines(lines))
        titles << line.mid(10, 27);
    QStringList expectedTitles;
    for (const char* title : GetParam().variableTitles)
        expectedTitles << QString::fromUtf8(title);
    EXPECT_EQ(titles, expectedTitles);

    const QString formula = QString::fromUtf8(GetParam().formula);
    EXPECT_EQ(FormulaSection(lines), formula.isEmpty()
                                         ? QStringLiteral("|")
                                         : QStringLiteral("|          ") + formula + "|");
    EXPECT_EQ(lines.at(lines.size() - 2), QStringLiteral("   * Resultado: result-text"));
    EXPECT_EQ(lines.constLast(), QString());
}

const char* const kV = "Varianza poblacional (V)   ";
const char* const kZ = "Distancia estandarizada (Z)";
const char* const kP = "Probabilidad de error (p)  ";
const char* const kE = "Error de precisión (E)     ";
const char* const kn = "Tamaño de la muestra (n)   ";
const char* const kN = "Tamaño de la población (N) ";

INSTANTIATE_TEST_SUITE_P(
    Dependents, ReportShape,
    testing::Values(
        ShapeCase{"vInfinite", 1, Population::Infinite, kV, {kZ, kP, kE, kn}, "V = E²*n/Z²"},
        ShapeCase{"zInfinite", 2, Population::Infinite, kZ, {kV, kE, kn}, "Z = E*(n/V)^(1/2)"},
        ShapeCase{"eInfinite", 3, Population::Infinite, kE, {kV, kZ, kP, kn}, "E = Z*(V/n)^(1/2)"},
        ShapeCase{"nInfinite", 4, Population::Infinite, kn, {kV, kZ, kP, kE}, "n = V*Z²/E²"},
        ShapeCase{"bigNInfinite", 5, Population::Infinite, kN, {kV, kZ, kP, kE, kn}, ""},
        ShapeCase{
            "vFinite", 1, Population::Finite, kV, {kZ, kP, kE, kn, kN}, "V = E²/Z²*n*[N-1]/[N-n]"},
        ShapeCase{"zFinite",
                  2,
                  Population::Finite,
                  kZ,
                  {kV, kE, kn, kN},
                  "Z = E*(n*[N-1]/[N-n]/V)^(1/2)"},
        ShapeCase{"eFinite",
                  3,
                  Population::Finite,
                  kE,
                  {kV, kZ, kP, kn, kN},
                  "E = Z*(V*[N-n]/n/[N-1])^(1/2)"},
        ShapeCase{
            "nFinite", 4, Population::Finite, kn, {kV, kZ, kP, kE, kN}, "n = N/(E²*[N-1]/Z²/V+1)"},
        ShapeCase{"bigNFinite",
                  5,
                  Population::Finite,
                  kN,
                  {kV, kZ, kP, kE, kn},
                  "N = (Z²V-E²)/(Z²V/n-E²)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Report, ValuesUseTheGivenSeparator) {
    const ModelState state;
    const QStringList lines =
        ReportLines(BuildReport(Input(state, Population::Infinite, "1068", 0, '.')));
    EXPECT_TRUE(lines.at(13).endsWith(QStringLiteral(" 0.25")));
}

struct PadCase {
    const char* name;
    const char* text;
    const char* padded;
};

class PadLeftWidth15 : public testing::TestWithParam<PadCase> {};

TEST_P(PadLeftWidth15, RightAlignsInSixteenColumnsAndNeverCuts) {
    EXPECT_EQ(PadLeft(QString::fromLatin1(GetParam().text), 15),
              QString::fromLatin1(GetParam().padded));
}

INSTANTIATE_TEST_SUITE_P(Texts, PadLeftWidth15,
                         testing::Values(PadCase{"empty", "", "                "},
                                         PadCase{"short", "0,25", "            0,25"},
                                         PadCase{"fifteen", "123456789012,25", " 123456789012,25"},
                                         PadCase{"sixteen", "1234567890123,25", "1234567890123,25"},
                                         PadCase{"twenty", "-922337203685477,5",
                                                 "-922337203685477,5"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Report, FifteenAndSixteenCharacterValuesInTheVariableLines) {
    ModelState state;
    state.PopulationVariance = Quantity::FromScaled(1234567890122500);  // "123456789012,25"
    state.PrecisionError = Quantity::FromScaled(12345678901232500);     // "1234567890123,25"
    const QStringList variables =
        VariableLines(ReportLines(BuildReport(Input(state, Population::Infinite, "1068"))));
    ASSERT_EQ(variables.size(), 4);
    EXPECT_EQ(variables.at(0),
              QStringLiteral("          Varianza poblacional (V)   : 123456789012,25"));
    EXPECT_EQ(variables.at(3),
              QStringLiteral("          Error de precisión (E)     :1234567890123,25"));
}

}  // namespace
}  // namespace vek
