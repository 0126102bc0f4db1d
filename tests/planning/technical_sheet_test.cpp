// SPDX-License-Identifier: GPL-3.0-or-later
// The technical sheet of a screen: three sheets as polls published them, each design's lines, the
// confidence of Z 2 and 3, and the error in points of a percentage rounded at a half.
#include "planning/technical_sheet.h"

#include <gtest/gtest.h>

#include "planning/entry.h"
#include "planning/paragraph.h"

namespace vek::planning {
namespace {

struct SheetCase {
    const char* name;
    std::vector<std::pair<Variable, const char*>> entries;  // after E is made dependent
    bool finite;
    std::string sheet;
};

// As vek-calc applies its options: the population, the dependent variable, then each entry.
ScreenSession Calculated(const SheetCase& c) {
    ScreenSession session(',');
    if (c.finite) session.ChoosePopulation(Population::Finite);
    EXPECT_TRUE(session.ChooseDependentVariable(Dependent::E));
    for (const auto& [variable, text] : c.entries)
        EXPECT_FALSE(Enter(session, variable, text).refusal) << NameOf(variable) << "=" << text;
    session.RecalculateDependent();
    return session;
}

class Sheets : public testing::TestWithParam<SheetCase> {};

TEST_P(Sheets, StateTheDesignAsPollsPublishIt) {
    EXPECT_EQ(TechnicalSheet(Calculated(GetParam())), GetParam().sheet);
}

constexpr const char* kSimpleError =
    " para el conjunto de la muestra, para un nivel de confianza del ";

INSTANTIATE_TEST_SUITE_P(
    Designs, Sheets,
    testing::Values(
        SheetCase{"publishedTwoSigmas",
                  {{Variable::n, "1200"}, {Variable::Z, "2"}},
                  false,
                  "Universo: población infinita.\n"
                  "Tamaño de la muestra: 1200 entrevistas.\n"
                  "Diseño: muestreo aleatorio simple.\n"
                  "Error muestral: ±2,9 %" +
                      std::string(kSimpleError) +
                      "95,5 % (dos sigmas) y P = Q, en el supuesto de muestreo aleatorio "
                      "simple.\n"},
        SheetCase{"publishedNinetyFive",
                  {{Variable::n, "800"}},
                  false,
                  "Universo: población infinita.\n"
                  "Tamaño de la muestra: 800 entrevistas.\n"
                  "Diseño: muestreo aleatorio simple.\n"
                  "Error muestral: ±3,5 %" +
                      std::string(kSimpleError) +
                      "95 % y P = Q, en el supuesto de muestreo aleatorio simple.\n"},
        SheetCase{"publishedFinite",
                  {{Variable::N, "387329"}, {Variable::n, "1771"}},
                  true,
                  "Universo: población finita de 387329 unidades.\n"
                  "Tamaño de la muestra: 1771 entrevistas.\n"
                  "Diseño: muestreo aleatorio simple.\n"
                  "Error muestral: ±2,3 %" +
                      std::string(kSimpleError) +
                      "95 % y P = Q, en el supuesto de muestreo aleatorio simple.\n"},
        SheetCase{"designEffectAndVariance",
                  {{Variable::V, "3"}, {Variable::Z, "3"}, {Variable::deff, "2"}},
                  false,
                  "Universo: población infinita.\n"
                  "Tamaño de la muestra: 1068 entrevistas.\n"
                  "Diseño: muestreo con efecto de diseño 2.\n"
                  "Error muestral: ±0,2249" +
                      std::string(kSimpleError) +
                      "99,7 % (tres sigmas) y V = 3, considerando un efecto de diseño de 2.\n"},
        SheetCase{"proportionAndResponse",
                  {{Variable::N, "50000,5"},
                   {Variable::p, "0,3"},
                   {Variable::n, "1563"},
                   {Variable::response_rate, "0,7"}},
                  true,
                  "Universo: población finita de 50000,5 unidades.\n"
                  "Tamaño de la muestra: 1563 entrevistas.\n"
                  "Contactos previstos: 2233 (tasa de respuesta esperada del 70 %).\n"
                  "Diseño: muestreo aleatorio simple.\n"
                  "Error muestral: ±2,2 %" +
                      std::string(kSimpleError) +
                      "95 % y p = 0,3, en el supuesto de muestreo aleatorio simple.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Sheets, NameTheClustersThatGaveTheDesignEffect) {
    ScreenSession session(',');
    ASSERT_FALSE(EnterClusters(session, "0,05", "17").refusal);
    session.RecalculateDependent();
    EXPECT_NE(TechnicalSheet(session).find(
                  "Diseño: muestreo con efecto de diseño 1,8 (correlación intraclase 0,05, "
                  "conglomerados de 17 unidades).\n"),
              std::string::npos);
}

TEST(Sheets, AFailedResultIsSaidSo) {
    ScreenSession session(',');
    ASSERT_TRUE(session.ChooseDependentVariable(Dependent::Z));
    Enter(session, Variable::V, "0,0001");
    Enter(session, Variable::n, "100000000000000");
    Enter(session, Variable::E, "100000000000");
    session.RecalculateDependent();
    ASSERT_TRUE(session.ResultFailed());
    EXPECT_EQ(TechnicalSheet(session), FailureSentence(session) + "\n");
}

// Halves go up: 0,0285 is 2,85 points, 2,9 %; one decimal always, and the run's separator.
TEST(PercentagePoints, RoundATenthOfAPointHalfUp) {
    const struct {
        std::int64_t tenThousandths;
        char separator;
        const char* text;
    } cases[] = {{285, ',', "±2,9 %"}, {295, ',', "±3,0 %"}, {284, ',', "±2,8 %"},
                 {4, '.', "±0.0 %"},   {5, '.', "±0.1 %"},   {12345, ',', "±123,5 %"}};
    for (const auto& c : cases) {
        EXPECT_EQ(PercentagePoints(Quantity::FromScaled(c.tenThousandths), c.separator), c.text)
            << c.tenThousandths;
    }
}

// The paragraph states the same rounded level as the sheet.
TEST(Confidence, TwoAndThreeSigmasAreRoundedAlike) {
    for (const auto& [distance, percent] :
         {std::pair{"2", "95,5 %"}, {"3", "99,7 %"}, {"2,5758", "99 %"}}) {
        ScreenSession session(',');
        Enter(session, Variable::Z, distance);
        session.RecalculateDependent();
        EXPECT_NE(ProtocolParagraph(session).find(std::string("confianza del ") + percent),
                  std::string::npos)
            << distance;
        EXPECT_NE(TechnicalSheet(session).find(std::string("confianza del ") + percent),
                  std::string::npos)
            << distance;
    }
}

}  // namespace
}  // namespace vek::planning
