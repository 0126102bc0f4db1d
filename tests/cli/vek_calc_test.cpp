// SPDX-License-Identifier: GPL-3.0-or-later
// vek-calc end to end: the built program with a fixed locale, its streams and exit status.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "case_names.h"
#include "run_vek_calc.h"

namespace {

using vek::testing::Outcome;
using vek::testing::ReadFile;
using vek::testing::RunVekCalc;
using vek::testing::Scratch;
using vek::testing::WriteFile;

std::string Summary(const std::string& V, const std::string& Z, const std::string& prob,
                    const std::string& E, const std::string& n, const std::string& N,
                    const std::string& dependent, const std::string& population,
                    const std::string& result) {
    return "V " + V + "\nZ " + Z + "\nprob " + prob + "\nE " + E + "\nn " + n + "\nN " + N +
           "\ndependent " + dependent + "\npopulation " + population + "\nresult " + result + "\n";
}

using vek::tests::PrintTo;

// ---- Results: the screen's worked values, driven as a user would.

struct ResultCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out;
};

class Results : public testing::TestWithParam<ResultCase> {};

TEST_P(Results, PrintsTheStoredValuesAndTheResult) {
    const ResultCase& c = GetParam();
    const Outcome outcome = RunVekCalc(c.args);
    EXPECT_EQ(outcome.status, c.status) << outcome.err;
    EXPECT_EQ(outcome.out, c.out);
    EXPECT_EQ(outcome.err, "");
}

const std::vector<std::string> kComma = {"--separator", ","};

std::vector<std::string> WithComma(std::vector<std::string> args) {
    args.insert(args.begin(), kComma.begin(), kComma.end());
    return args;
}

INSTANTIATE_TEST_SUITE_P(
    VekCalc, Results,
    testing::Values(
        ResultCase{
            "StartUp", WithComma({}), 0,
            Summary("0,25", "1,96", "0,05", "0,03", "1068", "10000", "n", "infinite", "1068")},
        ResultCase{
            "PrecisionErrorTwoPercent", WithComma({"E=0,02"}), 0,
            Summary("0,25", "1,96", "0,05", "0,02", "2401", "10000", "n", "infinite", "2401")},
        ResultCase{
            "RoundedDeviationOfSmallVariance", WithComma({"V=0,037"}), 0,
            Summary("0,037", "1,96", "0,05", "0,03", "159", "10000", "n", "infinite", "159")},
        ResultCase{"SampleSizeFinite", WithComma({"--finite"}), 0,
                   Summary("0,25", "1,96", "0,05", "0,03", "965", "10000", "n", "finite", "965")},
        ResultCase{
            "PopulationSizeWholeAfterRounding",
            WithComma({"--finite", "--dependent", "V", "n=1067", "--dependent", "N"}), 0,
            Summary("0,25", "1,96", "0,05", "0,03", "1067", "10237865", "N", "finite", "10237865")},
        ResultCase{"PopulationSizeBelowOne",
                   WithComma({"--finite", "--dependent", "V", "n=1068", "--dependent", "N"}), 1,
                   Summary("0,25", "1,96", "0,05", "0,03", "1068", "-1280932", "N", "finite",
                           "Mal resultado")},
        ResultCase{"DistanceInfinite", WithComma({"--dependent", "Z"}), 0,
                   Summary("0,25", "1,9608", "0,0499", "0,03", "1068", "10000", "Z", "infinite",
                           "Z= 1,9608; prob= 0,0499")},
        ResultCase{"DistanceFinite", WithComma({"--dependent", "Z", "--finite"}), 0,
                   Summary("0,25", "2,0746", "0,038", "0,03", "1068", "10000", "Z", "finite",
                           "Z= 2,0746; prob= 0,038")},
        ResultCase{
            "VarianceInfinite", WithComma({"--dependent", "V"}), 0,
            Summary("0,2502", "1,96", "0,05", "0,03", "1068", "10000", "V", "infinite", "0,2502")},
        ResultCase{
            "PrecisionErrorFinite", WithComma({"--dependent", "E", "--finite"}), 0,
            Summary("0,25", "1,96", "0,05", "0,0284", "1068", "10000", "E", "finite", "0,0284")},
        // n = N is accepted while the population is infinite; going finite then divides by 0.
        ResultCase{"VarianceWithSampleEqualToPopulation",
                   WithComma({"--dependent", "V", "n=10000", "--finite"}), 1,
                   Summary("0,25", "1,96", "0,05", "0,03", "10000", "10000", "V", "finite",
                           "Error de entrada")},
        ResultCase{
            "ZeroDistanceFinite", WithComma({"Z=0", "--finite"}), 1,
            Summary("0,25", "0", "1", "0,03", "1", "10000", "n", "finite", "Error de entrada")},
        ResultCase{"LargestSampleShownInFull", WithComma({"V=100", "Z=3,9", "E=0,0001"}), 0,
                   Summary("100", "3,9", "0,0001", "0,0001", "152100000000", "10000", "n",
                           "infinite", "152100000000")},
        // N cannot stay dependent in an infinite population: n takes over.
        ResultCase{
            "InfiniteWhileNDependent", WithComma({"--finite", "--dependent", "N", "--infinite"}), 0,
            Summary("0,25", "1,96", "0,05", "0,03", "1068", "10000", "n", "infinite", "1068")},
        ResultCase{"FullStopSeparator",
                   {"--separator=.", "V=0.037", "--dependent", "Z"},
                   0,
                   Summary("0.037", "5.0957", "0", "0.03", "1068", "10000", "Z", "infinite",
                           "Z= 5.0957; prob= 0")},
        ResultCase{
            "LocaleSeparatorIsFullStopInC",
            {"E=0.02"},
            0,
            Summary("0.25", "1.96", "0.05", "0.02", "2401", "10000", "n", "infinite", "2401")}),
    [](const testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

// ---- Errors: one line on stderr, nothing on stdout, status 2.

struct ErrorCase {
    const char* name;
    std::vector<std::string> args;
    std::string message;  // part of the line
};

class Errors : public testing::TestWithParam<ErrorCase> {};

TEST_P(Errors, ReportOneLineAndPrintNothing) {
    const ErrorCase& c = GetParam();
    const Outcome outcome = RunVekCalc(c.args);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(outcome.err.starts_with("vek-calc: ")) << outcome.err;
    EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    VekCalc, Errors,
    testing::Values(
        ErrorCase{"NotANumber", WithComma({"V=abc"}), "not a number"},
        ErrorCase{"OtherSeparator", WithComma({"E=0.02"}), "not a number"},
        ErrorCase{"PairNotANumber", WithComma({"prob=x"}), "not a number"},
        ErrorCase{"VarianceNotPositive", WithComma({"V=0,00004"}), "V must be greater than 0"},
        ErrorCase{"PrecisionErrorNegative", WithComma({"E=-1"}), "E must be greater than 0"},
        ErrorCase{"SampleBelowOne", WithComma({"--dependent", "V", "n=0,5"}),
                  "n must be at least 1"},
        ErrorCase{"SampleNotBelowPopulation",
                  WithComma({"--finite", "--dependent", "V", "n=10000"}), "n must be at least 1"},
        ErrorCase{"PopulationNotAboveSample", WithComma({"--finite", "--dependent", "V", "N=965"}),
                  "N must be greater than n"},
        ErrorCase{"DependentField", WithComma({"n=5"}), "it is the dependent variable"},
        ErrorCase{"ProbWhileZDependent", WithComma({"--dependent", "Z", "prob=0,1"}),
                  "it is the dependent variable"},
        ErrorCase{"PopulationSizeWhileInfinite", WithComma({"N=5"}), "population is infinite"},
        ErrorCase{"NDependentWhileInfinite", WithComma({"--dependent", "N"}),
                  "only with a finite population"},
        ErrorCase{"DependentProb", WithComma({"--dependent", "prob"}), "V, Z, E, n or N"},
        ErrorCase{"DependentWithoutValue", {"--dependent"}, "needs a value"},
        ErrorCase{"BadSeparator", {"--separator", ";"}, "',' or '.'"},
        ErrorCase{"UnknownOption", {"--bogus"}, "unknown argument '--bogus'"},
        ErrorCase{"UnknownSymbol", {"x=1"}, "unknown argument 'x=1'"},
        ErrorCase{"ValueForFlag", {"--json=yes"}, "--json takes no value"},
        ErrorCase{"TwoWritersOnStdout", {"--json", "--report", "-"}, "cannot both write"},
        ErrorCase{"LoadMissingFile", {"--load", "/nonexistent/previo.vkt"}, "cannot read"},
        ErrorCase{"SaveIntoMissingFolder", {"--save", "/nonexistent/previo.vkt"}, "cannot write"},
        ErrorCase{
            "ReportIntoMissingFolder", {"--report", "/nonexistent/previo.vek"}, "cannot write"}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

// ---- Warnings and help.

TEST(VekCalc, CorrectionsAreAppliedWithAWarning) {
    const Outcome outcome = RunVekCalc(WithComma({"Z=-5", "--dependent", "E"}));
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "vek-calc: warning: Z=-5: corrected to 3,9\n");
    EXPECT_EQ(outcome.out, Summary("0,25", "3,9", "0,0001", "0,0597", "1068", "10000", "E",
                                   "infinite", "0,0597"));
}

TEST(VekCalc, ProbabilityBelowTheBoundGivesTheLargestDistance) {
    const Outcome outcome = RunVekCalc(WithComma({"prob=0"}));
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.err.find("corrected to 0,0001"), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.out.find("Z 3,8912\nprob 0,0001\n"), std::string::npos) << outcome.out;
}

TEST(VekCalc, JsonHasEveryKeyAsAString) {
    const Outcome outcome = RunVekCalc({"--json", "--separator", ",", "--dependent", "Z"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out,
              R"({"V":"0,25","Z":"1,9608","prob":"0,0499","E":"0,03","n":"1068","N":"10000",)"
              R"("dependent":"Z","population":"infinite","result":"Z= 1,9608; prob= 0,0499"})"
              "\n");
}

TEST(VekCalc, JsonKeepsTheFailureStatus) {
    const Outcome outcome = RunVekCalc(WithComma({"--json", "Z=0", "--finite"}));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.out.find(R"("result":"Error de entrada")"), std::string::npos);
}

TEST(VekCalc, HelpDocumentsEveryArgument) {
    const Outcome outcome = RunVekCalc({"--help"});
    EXPECT_EQ(outcome.status, 0);
    for (const char* argument :
         {"--separator",     "--json",        "--finite", "--infinite",  "--dependent",
          "--calculate",     "--load",        "--save",   "--report",    "prob=TEXT",
          "p=TEXT",          "contacts=TEXT", "--deff",   "--icc",       "--cluster-size",
          "--response-rate", "--sweep",       "--batch",  "--paragraph", "--ficha",
          "--version"}) {
        EXPECT_NE(outcome.out.find(argument), std::string::npos) << argument;
    }
}

// ---- Files: the screen-state record and the report.

std::string Record(std::int64_t V, std::int64_t Z, std::int64_t E, std::int64_t n, std::int64_t N,
                   std::uint8_t code, std::uint8_t finite) {
    std::string bytes;
    for (std::int64_t q : {V, Z, E, n, N}) {
        for (int i = 0; i < 8; ++i)
            bytes += static_cast<char>((q >> (8 * i)) & 0xff);
    }
    bytes += static_cast<char>(code);
    bytes += static_cast<char>(finite);
    return bytes + std::string(6, '\0');
}

TEST(VekCalcFiles, SavesTheStartUpRecord) {
    Scratch scratch;
    const std::string path = scratch / "previo.vkt";
    EXPECT_EQ(RunVekCalc({"--save", path}).status, 0);
    EXPECT_EQ(ReadFile(path), Record(2500, 19600, 300, 10680000, 100000000, 4, 0));
}

TEST(VekCalcFiles, RestoreRecalculatesTheSavedDependentVariable) {
    Scratch scratch;
    const std::string path = scratch / "n.vkt";
    ASSERT_EQ(RunVekCalc(WithComma({"--finite", "--dependent", "N", "--save", path})).status, 0);
    EXPECT_EQ(ReadFile(path).substr(40, 2), std::string("\x05\x01", 2));
    const Outcome outcome = RunVekCalc(WithComma({"--load", path}));
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              Summary("0,25", "1,96", "0,05", "0,03", "965", "10076", "N", "finite", "10076"));
}

TEST(VekCalcFiles, RestoreLeavesProbUnlessZIsDependent) {
    Scratch scratch;
    const std::string path = scratch / "z3.vkt";
    WriteFile(path, Record(2500, 30000, 300, 10680000, 100000000, 4, 0) + "ignored tail");
    const Outcome outcome = RunVekCalc(WithComma({"--load", path}));
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              Summary("0,25", "3", "0,05", "0,03", "2500", "10000", "n", "infinite", "2500"));
}

struct BadRecordCase {
    const char* name;
    std::string bytes;
    std::string message;
};

class VekCalcBadRecords : public testing::TestWithParam<BadRecordCase> {};

TEST_P(VekCalcBadRecords, AreRefusedWithoutOutput) {
    Scratch scratch;
    const std::string path = scratch / "odd.vkt";
    WriteFile(path, GetParam().bytes);
    const Outcome outcome = RunVekCalc({"--load", path});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find(GetParam().message), std::string::npos) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    Records, VekCalcBadRecords,
    testing::Values(
        BadRecordCase{"ShortFile",
                      Record(2500, 19600, 300, 10680000, 100000000, 4, 0).substr(0, 47),
                      "cannot read"},
        BadRecordCase{"NegativeVariance", Record(-2500, 19600, 300, 10680000, 100000000, 4, 0),
                      "vek-calc: Invalid floating point operation.\n"},
        BadRecordCase{"CodeOutOfRange", Record(2500, 19600, 300, 10680000, 100000000, 9, 0),
                      "the dependent-variable code must be 1 to 5\n"},
        BadRecordCase{"PopulationByte", Record(2500, 19600, 300, 10680000, 100000000, 4, 7),
                      "the population byte must be 0 (infinite) or 1 (finite)\n"},
        BadRecordCase{"NDependentInfinite", Record(2500, 19600, 300, 10680000, 100000000, 5, 0),
                      "N cannot be dependent with an infinite population\n"}),
    [](const testing::TestParamInfo<BadRecordCase>& info) { return std::string(info.param.name); });

// The separator comes from the regional settings as the window reads them, also from a locale
// that is named but not generated on the machine.
struct LocaleCase {
    const char* name;
    std::vector<std::string> environment;
    const char* typed;
};

class VekCalcLocales : public testing::TestWithParam<LocaleCase> {};

TEST_P(VekCalcLocales, ReadTheWindowsSeparator) {
    const Outcome outcome = RunVekCalc({GetParam().typed}, GetParam().environment);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find(std::string("result 2401\n")), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("\nE " + std::string(GetParam().typed + 2) + "\n"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, VekCalcLocales,
    testing::Values(
        LocaleCase{"GermanNotGenerated", {"LANG=de_DE.UTF-8"}, "E=0,02"},
        LocaleCase{"SpanishNumericOnly", {"LANG=C", "LC_NUMERIC=es_ES.UTF-8"}, "E=0,02"},
        LocaleCase{
            "AllOverridesNumeric", {"LC_ALL=en_US.UTF-8", "LC_NUMERIC=de_DE.UTF-8"}, "E=0.02"},
        LocaleCase{"NoLocaleAtAll", {}, "E=0.02"}),
    [](const testing::TestParamInfo<LocaleCase>& info) { return std::string(info.param.name); });

// The worked report of the start-up screen, Windows-1252 with CR LF; line 8 holds the time.
TEST(VekCalcFiles, ReportOnStdoutIsTheWorkedExample) {
    const Outcome outcome = RunVekCalc(WithComma({"--report", "-"}));
    EXPECT_EQ(outcome.status, 0);
    const std::string expected =
        "VEK: Informaci\xf3n de contexto y resultados\r\n\r\n   * Contexto:\r\n\r\n"
        "     Muestreo Aleatorio Simple desde una poblaci\xf3n de tama\xf1o infinito.\r\n"
        "     Estimaci\xf3n de una media o proporci\xf3n.\r\n"
        "     Supuesta una distribuci\xf3n muestral normal.\r\n"
        "     Tiempo de interacci\xf3n: 00:00:00.\r\n\r\n   * Variables:\r\n\r\n"
        "     Variable dependiente: Tama\xf1o de la muestra (n)   \r\n"
        "     Variables independientes:\r\n"
        "          Varianza poblacional (V)   :            0,25\r\n"
        "          Distancia estandarizada (Z):            1,96\r\n"
        "          Probabilidad de error (p)  :            0,05\r\n"
        "          Error de precisi\xf3n (E)     :            0,03\r\n\r\n"
        "   * Expresi\xf3n de c\xe1lculo:\r\n\r\n          n = V*Z\xb2/E\xb2\r\n\r\n"
        "   * Resultado: 1068\r\n\r\n";
    EXPECT_EQ(outcome.out, expected);
}

TEST(VekCalcFiles, ReportFileQuotesTheFailureAndKeepsTheSummary) {
    Scratch scratch;
    const std::string path = scratch / "previo.vek";
    const Outcome outcome = RunVekCalc(WithComma({"Z=0", "--finite", "--report", path}));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.out.find("result Error de entrada\n"), std::string::npos);
    EXPECT_TRUE(ReadFile(path).ends_with("   * Resultado: Error de entrada\r\n\r\n"));
}

}  // namespace

// ---- Planning: the design, sweeps and batches.

namespace {

// The value of `key` in vek-calc's plain output.
std::string LineValue(const std::string& out, const std::string& key) {
    const std::size_t at = ("\n" + out).find("\n" + key + " ");
    if (at == std::string::npos) return "<none>";
    const std::size_t start = at + key.size() + 1;
    return out.substr(start, out.find('\n', start) - start);
}

std::vector<std::string> Split(const std::string& line, char delimiter) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == delimiter) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines = Split(text, '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace

TEST(VekCalcPlanning, HelpExamplesRunAsDocumented) {
    const Outcome grid =
        RunVekCalc(WithComma({"--sweep", "E=0,01:0,1:0,01", "--sweep", "prob=0,1/0,05/0,01"}));
    EXPECT_EQ(grid.status, 0) << grid.err;
    ASSERT_EQ(Lines(grid.out).size(), 31U);
    EXPECT_TRUE(Lines(grid.out)[1].starts_with("1;0,25;1,6448;0,1;0,01;6764;"));

    const Outcome contacts =
        RunVekCalc(WithComma({"--response-rate", "0,8", "--dependent", "E", "contacts=400"}));
    EXPECT_EQ(LineValue(contacts.out, "n"), "320");
    EXPECT_EQ(LineValue(contacts.out, "result"), "0,0548");
    EXPECT_EQ(LineValue(contacts.out, "contacts"), "400");

    Scratch scratch;
    const std::string strata = scratch / "estratos.csv";
    WriteFile(strata, "N;V;E\n12000;0,25;0,03\n3000;0,2;0,05\n");
    const Outcome batch = RunVekCalc(WithComma({"--finite", "--batch", strata}));
    ASSERT_EQ(Lines(batch.out).size(), 3U) << batch.err;
    EXPECT_TRUE(Lines(batch.out)[1].starts_with("1;") &&
                Lines(batch.out)[1].ends_with(";981;12000;n;finite;1;1;981;981;"));
    EXPECT_TRUE(Lines(batch.out)[2].ends_with(";279;3000;n;finite;1;1;279;279;"));

    const Outcome paragraph = RunVekCalc(
        WithComma({"--finite", "N=1000000", "p=0,5", "E=0,05", "--deff", "2", "--paragraph"}));
    EXPECT_TRUE(paragraph.out.starts_with("Se necesita una muestra de 768 unidades ") &&
                paragraph.out.ends_with(" con un efecto de diseño de 2.\n"))
        << paragraph.out;
}

// Three published technical sheets, each as the command that gives it.
TEST(VekCalcPlanning, PublishedSheets) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } sheets[] = {
        {{"--dependent", "E", "n=1200", "Z=2"}, "±2,9 %"},
        {{"--dependent", "E", "n=800", "prob=0,05"}, "±3,5 %"},
        {{"--finite", "--dependent", "E", "N=387329", "n=1771"}, "±2,3 %"},
    };
    for (const auto& sheet : sheets) {
        std::vector<std::string> args = WithComma(sheet.args);
        args.emplace_back("--ficha");
        const Outcome outcome = RunVekCalc(args);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_NE(outcome.out.find(std::string("Error muestral: ") + sheet.error +
                                   " para el conjunto de la muestra"),
                  std::string::npos)
            << outcome.out;
    }
}

TEST(VekCalcPlanning, PublishedProportionExample) {
    const std::vector<std::string> openEpi = {"--finite", "N=1000000", "p=0,5", "E=0,05"};
    EXPECT_EQ(LineValue(RunVekCalc(WithComma(openEpi)).out, "n"), "385");
    std::vector<std::string> designed = openEpi;
    designed.insert(designed.end(), {"--icc", "0,5", "--cluster-size", "3"});  // d = 2
    const Outcome outcome = RunVekCalc(WithComma(designed));
    EXPECT_EQ(LineValue(outcome.out, "n"), "768");
    EXPECT_EQ(LineValue(outcome.out, "deff"), "2");
}

// One reader of a rate for the option and the batch column; a sweep of one value is a list.
TEST(VekCalcPlanning, RatesAsPercentagesAndSweepsOfOneValue) {
    for (const char* rate : {"0,7", "70 %", "70%"}) {
        const Outcome outcome = RunVekCalc(WithComma({"--response-rate", rate}));
        EXPECT_EQ(LineValue(outcome.out, "response_rate"), "0,7") << rate << outcome.err;
        EXPECT_EQ(LineValue(outcome.out, "contacts"), "1526") << rate;
    }
    Scratch scratch;
    const std::string file = scratch / "rates.csv";
    WriteFile(file, "response_rate\n70 %\n150%\n");
    const Outcome batch = RunVekCalc(WithComma({"--batch", file}));
    ASSERT_EQ(Lines(batch.out).size(), 3U) << batch.err;
    EXPECT_TRUE(Lines(batch.out)[1].ends_with(";0,7;1526;1068;")) << batch.out;
    EXPECT_TRUE(Lines(batch.out)[2].ends_with(
        ";;;response_rate=150%: refused, the response rate must be above 0 and at most 1"))
        << batch.out;

    const Outcome single = RunVekCalc(WithComma({"--sweep", "E=0,1"}));
    EXPECT_EQ(single.status, 0) << single.err;
    ASSERT_EQ(Lines(single.out).size(), 2U);
    EXPECT_TRUE(Lines(single.out)[1].starts_with("1;0,25;1,96;0,05;0,1;97;")) << single.out;
}

// Each row of a sweep is what a separate run with the same actions and VAR=VALUE prints.
TEST(VekCalcPlanning, SweepRowsEqualSeparateRuns) {
    const std::vector<std::string> actions = {"--finite", "--dependent", "E", "n=400"};
    std::vector<std::string> sweep = WithComma(actions);
    sweep.insert(sweep.end(), {"--response-rate", "0,7", "--sweep", "V=0,1/0,25", "--sweep",
                               "prob=0,2/0,05/0,01"});
    const Outcome swept = RunVekCalc(sweep);
    ASSERT_EQ(swept.status, 0) << swept.err;
    const std::vector<std::string> rows = Lines(swept.out);
    ASSERT_EQ(rows.size(), 7U);
    const std::vector<std::string> header = Split(rows[0], ';');
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const std::vector<std::string> row = Split(rows[r], ';');
        std::vector<std::string> single = WithComma(actions);
        single.insert(single.end(), {"--response-rate", "0,7", "V=" + row[1], "prob=" + row[3]});
        const Outcome alone = RunVekCalc(single);
        for (std::size_t column = 1; column < header.size() - 1; ++column) {
            const std::string key =
                header[column] == "response_rate" ? "response_rate" : header[column];
            EXPECT_EQ(row[column], LineValue(alone.out, key)) << "row " << r << " " << key;
        }
    }
}

TEST(VekCalcPlanning, BatchRowsCarryTheirErrorAndTheRunGoesOn) {
    Scratch scratch;
    const std::string file = scratch / "rows.csv";
    WriteFile(file,
              "population,dependent,N,V,deff\r\n"
              "finite,n,500,0.2,\r\n"
              "infinite,N,,,\r\n"
              "finite,E,50,0.25,\r\n"
              "many,n,,,\r\n"
              ",V,,,1.5\r\n");
    const Outcome outcome = RunVekCalc({"--batch", file});
    EXPECT_EQ(outcome.status, 1) << outcome.err;
    const std::vector<std::string> rows = Lines(outcome.out);
    ASSERT_EQ(rows.size(), 6U);
    EXPECT_EQ(rows[1], "1,0.2,1.96,0.05,0.03,316,500,n,finite,1,1,316,316,");
    EXPECT_EQ(rows[2],
              "2,0.25,1.96,0.05,0.03,1068,10000,n,infinite,1,1,,,"
              "dependent=N: N can be dependent only with a finite population");
    // The population's recalculation left n at 965; the message holds the delimiter.
    EXPECT_EQ(rows[3],
              "3,0.25,1.96,0.05,0.03,965,10000,E,finite,1,1,,,"
              "\"N=50: refused, N must be greater than n unless n is dependent\"");
    EXPECT_EQ(rows[4],
              "4,0.25,1.96,0.05,0.03,1068,10000,n,infinite,1,1,,,"
              "population=many: must be finite or infinite");
    EXPECT_EQ(rows[5], "5,0.1668,1.96,0.05,0.03,1068,10000,V,infinite,1.5,1,1068,0.1668,");
}

// A Z that cannot be computed fails the row, though its text names Z and prob together.
TEST(VekCalcPlanning, AFailedDistanceFailsItsRow) {
    const std::vector<std::string> screen = {"--separator", ".",        "--dependent",
                                             "Z",           "V=0.0001", "n=100000000000000"};
    std::vector<std::string> sweep = screen;
    sweep.insert(sweep.end(), {"--sweep", "E=100000000000/0.03"});
    Scratch scratch;
    const std::string file = scratch / "rows.csv";
    WriteFile(file, "E\n100000000000\n0.03\n");
    std::vector<std::string> batch = screen;
    batch.insert(batch.end(), {"--batch", file});
    for (const auto& args : {sweep, batch}) {
        const Outcome outcome = RunVekCalc(args);
        EXPECT_EQ(outcome.status, 1) << args.back();
        ASSERT_EQ(Lines(outcome.out).size(), 3U) << outcome.err;
        EXPECT_TRUE(
            Lines(outcome.out)[1].ends_with(",,Z= Error de entrada; prob= Error de entrada,"));
    }
}

// Many chunks, each written into the buffer of one written before: every row once, in order.
TEST(VekCalcPlanning, ALongSweepKeepsEveryRowInOrder) {
    const Outcome outcome = RunVekCalc({"--separator", ".", "--sweep", "E=0.0001:5:0.0001"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const std::vector<std::string> rows = Lines(outcome.out);
    ASSERT_EQ(rows.size(), 50001U);
    for (std::size_t row = 1; row < rows.size(); ++row) {
        const std::string start = std::to_string(row) + ",0.25,1.96,0.05,";
        ASSERT_TRUE(rows[row].starts_with(start)) << rows[row];
        const double precisionError = std::stod(rows[row].substr(start.size()));
        ASSERT_EQ(std::lround(precisionError * 10000), static_cast<long>(row)) << rows[row];
    }
}

// As --icc and --cluster-size: one column without the other is refused, one cell without the
// other fails its row.
TEST(VekCalcPlanning, IccAndClusterSizeGoTogetherInABatch) {
    Scratch scratch;
    const std::string alone = scratch / "alone.csv";
    WriteFile(alone, "E,icc\n0.05,0.1\n");
    const Outcome refused = RunVekCalc({"--batch", alone});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "vek-calc: line 1: the columns icc and cluster_size go together\n");

    const std::string empty = scratch / "empty.csv";
    WriteFile(empty, "E,icc,cluster_size\n0.05,0.1,3\n0.05,0.1,\n");
    const Outcome failed = RunVekCalc({"--batch", empty});
    EXPECT_EQ(failed.status, 1);
    const std::vector<std::string> rows = Lines(failed.out);
    ASSERT_EQ(rows.size(), 3U) << failed.err;
    EXPECT_EQ(rows[1], "1,0.25,1.96,0.05,0.05,461,10000,n,infinite,1.2,1,461,461,");
    EXPECT_EQ(rows[2],
              "2,0.25,1.96,0.05,0.05,1068,10000,n,infinite,1,1,,,"
              "icc=0.1: needs cluster_size in the same row");
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

class VekCalcPlanningUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(VekCalcPlanningUsage, IsRefusedBeforeAnyOutput) {
    const Outcome outcome = RunVekCalc(GetParam().args);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find(GetParam().message), std::string::npos) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, VekCalcPlanningUsage,
    testing::Values(
        UsageCase{
            "SweepWithBatch", {"--sweep", "E=0.01/0.02", "--batch", "-"}, "cannot go together"},
        UsageCase{"SweepWithSave", {"--sweep", "E=0.01/0.02", "--save", "x.vkt"}, "--save"},
        UsageCase{"BatchWithParagraph", {"--batch", "-", "--paragraph"}, "--paragraph"},
        UsageCase{"SweepWithSheet", {"--sweep", "E=0.01/0.02", "--ficha"}, "--ficha"},
        UsageCase{"SheetWithParagraph", {"--ficha", "--paragraph"}, "cannot go together"},
        UsageCase{"SheetWithReport", {"--ficha", "--report", "-"}, "cannot go together"},
        UsageCase{"SweptTwice", {"--sweep", "E=0.01/0.02", "--sweep", "E=0.03/0.04"}, "twice"},
        UsageCase{"ZWithProb", {"--sweep", "Z=1/2", "--sweep", "prob=0.1/0.2"}, "one pair"},
        UsageCase{"PWithV", {"--sweep", "p=0.1/0.2", "--sweep", "V=0.1/0.2"}, "p sets V"},
        UsageCase{"DependentSwept", {"--sweep", "n=1/2"}, "dependent variable"},
        UsageCase{"NInfinite", {"--sweep", "N=10/20"}, "population is infinite"},
        UsageCase{"ToBelowFrom", {"--sweep", "E=0.1:0.01:0.01"}, "TO must not be below FROM"},
        UsageCase{"TooManyPoints",
                  {"--sweep", "V=0.0001:1:0.0001", "--sweep", "E=0.0001:0.1:0.0001"},
                  "more than 1000000 points"},
        UsageCase{"PWhileVDependent", {"--dependent", "V", "p=0.5"}, "it is the dependent"},
        UsageCase{"ProbWhileZDependent", {"--dependent", "Z", "prob=0.1"}, "it is the dependent"},
        UsageCase{"DeffWithIcc", {"--deff", "2", "--icc", "0.1", "--cluster-size", "3"}, "--deff"},
        UsageCase{"IccAlone", {"--icc", "0.1"}, "go together"},
        UsageCase{"DeffNotPositive", {"--deff", "0"}, "greater than 0"},
        UsageCase{"ReportWithDesign", {"--response-rate", "0.5", "--report", "-"}, "must be 1"},
        UsageCase{"UnknownBatchColumn", {"--batch", "/dev/null"}, "no header"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

TEST(VekCalcPlanning, VersionForManualPages) {
    const Outcome outcome = RunVekCalc({"--version"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.out.starts_with("vek-calc ")) << outcome.out;
}
