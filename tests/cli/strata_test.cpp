// SPDX-License-Identifier: GPL-3.0-or-later
// vek-calc --strata as a user runs it: the two anchors as printed, every example of --help as
// documented, both CSV dialects, a Windows-1252 file, and each kind of refusal worded on stderr
// with nothing on stdout; the technical sheet in place of the rows.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "run_vek_calc.h"

namespace {

using vek::testing::Outcome;
using vek::testing::RunVekCalc;
using vek::testing::Scratch;

const std::string kRegiones =
    "stratum;N;p;cost\nNorte;12000;0,3;20\nCentro;30000;0,5;12\nSur;8000;0,2;30\n";
const std::string kMuestra =
    "stratum;N;p;n\nNorte;12000;0,3;300\nCentro;30000;0,5;500\nSur;8000;0,2;200\n";

// vek-calc ARGS --strata FILE, FILE holding `strata`.
Outcome RunStrata(const std::string& strata, std::vector<std::string> args) {
    const Scratch scratch;
    const auto file = scratch / "strata.csv";
    vek::testing::WriteFile(file, strata);
    args.insert(args.end(), {"--strata", file.string()});
    return RunVekCalc(args);
}

std::string LastLine(const std::string& text) {
    const std::size_t end = text.find_last_not_of('\n');
    const std::size_t start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - start);
}

TEST(Strata, PublishedNeymanAllocationAsPrinted) {
    const Outcome outcome = RunStrata(
        "stratum;N;V;min\n1;215;717554458,8608;1\n2;65;113318345,6219;1\n"
        "3;252;47743622,425;1\n4;50;122877978,7812;1\n5;149;96388450,6886;1\n"
        "6;144;1985001441,756;1\n",
        {"--separator", ",", "--allocation", "neyman", "--total-n", "100"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    std::vector<std::string> sizes;
    std::istringstream lines(outcome.out);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        std::istringstream row(line);
        for (std::string cell; std::getline(row, cell, ';');)
            cells.push_back(cell);
        sizes.push_back(cells.at(9));
    }
    EXPECT_EQ(sizes, (std::vector<std::string>{"35", "4", "10", "3", "9", "39", "100"}));
}

TEST(Strata, EqualAllocationCappedAsPrinted) {
    const Outcome outcome =
        RunStrata("stratum;N;V\na;23;11,56\nb;48;6,25\nc;29;12,96\n",
                  {"--separator", ",", "Z=2", "--allocation", "equal", "--target-E", "0,3"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              "stratum;N;V;deff;S;cost;response_rate;min;max;n;share;E;contacts;allocated_cost\n"
              "a;23;11,56;1;3,4;1;1;2;23;23;0,2875;0;23;23\n"
              "b;48;6,25;1;2,5;1;1;2;48;29;0,3625;0,5904;29;29\n"
              "c;29;12,96;1;3,6;1;1;2;29;28;0,35;0,2571;28;28\n"
              "total;100;;;;;;6;100;80;1;0,293;80;80\n");
}

// The technical sheet in place of the rows, with the figures the rows give: E_h in points.
TEST(Strata, SheetStatesTheRowsErrors) {
    const Outcome outcome = RunStrata(
        kRegiones, {"--separator", ",", "--allocation", "neyman", "--total-n", "1000", "--ficha"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              "Universo: población finita de 50000 unidades.\n"
              "Tamaño de la muestra: 1000 entrevistas.\n"
              "Diseño: estratificado en 3 estratos.\n"
              "Afijación: de Neyman.\n"
              "Error muestral: ±2,9 % para el conjunto de la muestra, para un nivel de confianza "
              "del 95 % y con las proporciones esperadas de cada estrato, con muestreo aleatorio "
              "simple en cada estrato.\n"
              "  Norte: ±5,8 % (232 entrevistas)\n"
              "  Centro: ±3,9 % (633 entrevistas)\n"
              "  Sur: ±6,7 % (135 entrevistas)\n");
}

struct HelpExample {
    const char* command;  // as --help writes it
    const char* file;     // the file it names
    const std::string* strata;
    const char* documented;  // what --help says it prints, found in its output
};

// Each example's command and result are in --help, and running the command gives the result.
TEST(Strata, HelpExamplesRunAsDocumented) {
    const std::string help = RunVekCalc({"--help"}).out;
    const Scratch scratch;
    for (const HelpExample& example : {
             HelpExample{"vek-calc --separator , --strata regiones.csv --allocation neyman \\\n"
                         "           --total-n 1000",
                         "regiones.csv", &kRegiones,
                         "total;50000;;;;;;6;50000;1000;1;0,0291;1000;16286"},
             HelpExample{"vek-calc --separator , --strata regiones.csv --allocation neyman \\\n"
                         "           --target-E 0,02",
                         "regiones.csv", &kRegiones,
                         "total;50000;;;;;;6;50000;2059;1;0,02;2059;33536"},
             HelpExample{"vek-calc --separator , --strata regiones.csv --allocation optimal \\\n"
                         "           --budget 20000 --fixed-cost 2000 --paragraph",
                         "regiones.csv", &kRegiones, "El coste es 19996, de un presupuesto de"},
             HelpExample{"vek-calc --separator , --strata muestra.csv --allocation given",
                         "muestra.csv", &kMuestra,
                         "total;50000;;;;;;6;50000;1000;1;0,0301;1000;1000"},
         }) {
        EXPECT_NE(help.find(example.command), std::string::npos) << example.command;
        EXPECT_NE(help.find(example.documented), std::string::npos) << example.documented;
        vek::testing::WriteFile(scratch / example.file, *example.strata);
        std::vector<std::string> args;
        std::istringstream words(example.command);
        for (std::string word; words >> word;) {
            if (word == "vek-calc" || word == "\\") continue;
            args.push_back(word == example.file ? (scratch / example.file).string() : word);
        }
        const Outcome outcome = RunVekCalc(args);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_NE(outcome.out.find(example.documented), std::string::npos) << outcome.out;
    }
}

// From stdin, with a byte-order mark and CR LF.
TEST(Strata, CommaDialectQuotesNamesAndRewritesNoUserData) {
    const Scratch scratch;
    vek::testing::WriteFile(
        scratch / "in.csv",
        "\xEF\xBB\xBFstratum,N,p,response_rate\r\n\"=A, \"\"B\"\"\",100,0.5,0.8\r\n"
        "@x,50,0.1,\r\n");
    const Outcome outcome = RunVekCalc(
        {"--separator", ".", "--allocation", "neyman", "--target-E", "0.1", "--strata", "-"},
        {"LC_ALL=C"}, scratch / "in.csv");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              "stratum,N,V,deff,S,cost,response_rate,min,max,n,share,E,contacts,allocated_cost\n"
              "\"=A, \"\"B\"\"\",100,0.25,1,0.5,1,0.8,2,100,38,0.7755,0.1258,48,38\n"
              "@x,50,0.09,1,0.3,1,1,2,50,11,0.2245,0.1582,11,11\n"
              "total,150,,,,,,4,150,49,1,0.0991,59,49\n");
}

TEST(Strata, Windows1252FileIsReadAndWrittenAsUtf8) {
    const Outcome outcome =
        RunStrata("stratum;N;V\nSe\xF1ora;10;1\nb;10;1\n",
                  {"--separator", ",", "--allocation", "equal", "--total-n", "4", "--json"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(outcome.out.starts_with("{\"stratum\":\"Se\xC3\xB1ora\",\"N\":\"10\""))
        << outcome.out;
    EXPECT_EQ(LastLine(outcome.out),
              "{\"stratum\":\"total\",\"N\":\"20\",\"V\":\"\",\"deff\":\"\",\"S\":\"\","
              "\"cost\":\"\",\"response_rate\":\"\",\"min\":\"4\",\"max\":\"20\",\"n\":\"4\","
              "\"share\":\"1\",\"E\":\"0,924\",\"contacts\":\"4\",\"allocated_cost\":\"4\"}");
}

struct RefusalCase {
    const char* name;
    std::string strata;
    std::vector<std::string> args;
    const char* err;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class Refusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, EndWithOneLineAndNothingOnStdout) {
    std::vector<std::string> args = {"--separator", ","};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const Outcome outcome = RunStrata(GetParam().strata, args);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, std::string("vek-calc: ") + GetParam().err + "\n");
}

const std::string kAB = "stratum;N;V\na;10;1\nb;10;1\n";
const std::vector<std::string> kTotal5 = {"--allocation", "neyman", "--total-n", "5"};

INSTANTIATE_TEST_SUITE_P(
    Strata, Refusals,
    testing::Values(
        RefusalCase{"unknownColumn", "stratum;N;V;size\n", kTotal5,
                    "line 1: unknown column 'size'"},
        RefusalCase{"repeatedColumn", "stratum;N;V;N\n", kTotal5,
                    "line 1: the column 'N' is given twice"},
        RefusalCase{"noName", "N;V\n", kTotal5, "line 1: no 'stratum' column"},
        RefusalCase{"noSize", "stratum;V\n", kTotal5, "line 1: no 'N' column"},
        RefusalCase{"noVariance", "stratum;N\n", kTotal5, "line 1: neither a 'V' nor a 'p' column"},
        RefusalCase{"noRows", "stratum;N;V\n", kTotal5,
                    "the strata input has no stratum after its header"},
        RefusalCase{"longRecord", "stratum;N;V\na;10;1;2\n", kTotal5,
                    "line 2: more fields than the header has columns"},
        RefusalCase{"repeatedName", kAB + "a;10;1\n", kTotal5,
                    "line 4: the stratum 'a' is given twice"},
        RefusalCase{"total", "stratum;N;V\ntotal;10;1\n", kTotal5,
                    "line 2: no stratum can be named 'total', the whole sample's row"},
        RefusalCase{"bothVAndP", "stratum;N;V;p\na;10;1;0,5\n", kTotal5,
                    "line 2: both V and p are given; give one of them"},
        RefusalCase{"sizeNotWhole", "stratum;N;V\na;12,5;1\n", kTotal5,
                    "line 2: N=12,5: not a whole number"},
        RefusalCase{"varianceRefused", "stratum;N;V\na;10;0\n", kTotal5,
                    "line 2: V=0: refused, V must be greater than 0"},
        RefusalCase{"fullStop", "stratum;N;V;deff\na;10;1;1.5\n", kTotal5,
                    "line 2: deff=1.5: not a number (decimal separator ',')"},
        RefusalCase{"minimumAboveMaximum", "stratum;N;V;min;max\na;10;1;6;5\n", kTotal5,
                    "line 2: min=6: above max"},
        RefusalCase{"sizesWithoutGiven", "stratum;N;V;n\na;10;1;5\n", kTotal5,
                    "line 1: an 'n' column goes with --allocation given only"},
        RefusalCase{"totalOutside",
                    kAB,
                    {"--allocation", "equal", "--total-n", "21"},
                    "--total-n 21: outside 4 to 20, the sums of min and max"},
        RefusalCase{"budgetTooSmall",
                    kAB,
                    {"--allocation", "equal", "--budget", "3"},
                    "--budget 3: below 4, the cost of every stratum's min"},
        RefusalCase{"targetOutOfReach",
                    "stratum;N;V;max\na;10;1;5\n",
                    {"--allocation", "neyman", "--target-E", "0,01"},
                    "--target-E 0,01: out of reach, the maximums give E 0,6533"},
        RefusalCase{"twoTotals",
                    kAB,
                    {"--allocation", "equal", "--total-n", "5", "--budget", "9"},
                    "only one of --total-n, --target-E and --budget can fix the total"},
        RefusalCase{"fixedCostAlone",
                    kAB,
                    {"--allocation", "equal", "--total-n", "5", "--fixed-cost", "9"},
                    "--fixed-cost goes with --budget"},
        RefusalCase{"noAllocation", kAB, {"--total-n", "5"}, "--strata needs --allocation METHOD"},
        RefusalCase{"otherAction",
                    kAB,
                    {"V=2", "--allocation", "equal", "--total-n", "5"},
                    "--strata cannot go with V=2: of the screen only Z= and prob= apply to the "
                    "strata"},
        RefusalCase{"designOption",
                    kAB,
                    {"--deff", "2", "--allocation", "equal", "--total-n", "5"},
                    "--strata cannot go with --deff (each stratum gives its own design)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
