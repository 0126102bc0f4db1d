// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <algorithm>
#include <array>
#include <utility>

#include "cli/errors.h"

namespace vek::cli {

namespace {

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// Reads the value of an option given as "--name VALUE" or "--name=VALUE".
class ArgumentReader {
public:
    explicit ArgumentReader(std::span<const std::string_view> arguments) : arguments_(arguments) {}

    bool AtEnd() const { return next_ >= arguments_.size(); }
    std::string_view Next() { return arguments_[next_++]; }

    std::string_view ValueOf(std::string_view option, std::string_view inlineValue,
                             bool hasInlineValue) {
        if (hasInlineValue) return inlineValue;
        if (AtEnd()) throw UsageError(std::string(option) + " needs a value");
        return Next();
    }

private:
    std::span<const std::string_view> arguments_;
    std::size_t next_ = 0;
};

char SeparatorNamed(std::string_view value) {
    if (value != "," && value != ".") {
        throw UsageError("--separator must be ',' or '.', not " + Quoted(value));
    }
    return value.front();
}

// NAME=TEXT types TEXT into the field of NAME; the design is given with options instead.
std::optional<TypeInto> Typing(std::string_view argument) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::optional<planning::Variable> variable =
        planning::VariableNamed(argument.substr(0, equals));
    if (!variable || !planning::FieldOf(*variable)) return std::nullopt;
    return TypeInto{*variable, std::string(argument.substr(equals + 1))};
}

void CheckCombinations(const Invocation& invocation) {
    if (invocation.json && invocation.reportPath == kStdoutPath) {
        throw UsageError("--json and --report - cannot both write on stdout");
    }
    const DesignOptions& design = invocation.design;
    if (design.designEffect && design.correlation) {
        throw UsageError("--deff and --icc cannot both give the design effect");
    }
    if (design.correlation.has_value() != design.clusterSize.has_value()) {
        throw UsageError("--icc and --cluster-size go together");
    }
    if (invocation.sweeps.size() > 2) throw UsageError("--sweep is given at most twice");
    const bool sweeps = !invocation.sweeps.empty();
    if (sweeps && invocation.batchPath) throw UsageError("--sweep and --batch cannot go together");
    const bool writes = invocation.savesAFile || invocation.reportPath || invocation.paragraph;
    if ((sweeps || invocation.batchPath) && writes) {
        throw UsageError(std::string(sweeps ? "--sweep" : "--batch") +
                         " cannot go with --save, --report or --paragraph");
    }
    if (invocation.paragraph && invocation.reportPath) {
        throw UsageError("--paragraph and --report cannot go together");
    }
}

}  // namespace

Dependent DependentNamed(std::string_view value, std::string_view option) {
    const std::optional<Dependent> dependent = planning::DependentNamed(value);
    if (!dependent) {
        throw UsageError(std::string(option) + " takes V, Z, E, n or N, not " + Quoted(value));
    }
    return *dependent;
}

Invocation ParseArguments(std::span<const std::string_view> arguments) {
    Invocation invocation;
    ArgumentReader reader(arguments);
    while (!reader.AtEnd()) {
        const std::string_view argument = reader.Next();
        if (std::optional<TypeInto> typing = Typing(argument)) {
            invocation.actions.emplace_back(std::move(*typing));
            continue;
        }
        const std::size_t equals = argument.find('=');
        const bool hasInlineValue = argument.starts_with("--") && equals != std::string_view::npos;
        const std::string_view option = hasInlineValue ? argument.substr(0, equals) : argument;
        const std::string_view inlineValue =
            hasInlineValue ? argument.substr(equals + 1) : std::string_view();
        auto value = [&] { return reader.ValueOf(option, inlineValue, hasInlineValue); };
        static constexpr std::string_view kWithValues[] = {
            "--separator", "--dependent",    "--load",          "--save",  "--report", "--deff",
            "--icc",       "--cluster-size", "--response-rate", "--sweep", "--batch"};
        const bool takesValue = std::find(std::begin(kWithValues), std::end(kWithValues), option) !=
                                std::end(kWithValues);
        if (hasInlineValue && !takesValue) {
            throw UsageError(std::string(option) + " takes no value");
        }
        if (option == "--help" || option == "-h") {
            invocation.help = true;
        } else if (option == "--json") {
            invocation.json = true;
        } else if (option == "--separator") {
            invocation.separator = SeparatorNamed(value());
        } else if (option == "--infinite") {
            invocation.actions.emplace_back(ChoosePopulation{Population::Infinite});
        } else if (option == "--finite") {
            invocation.actions.emplace_back(ChoosePopulation{Population::Finite});
        } else if (option == "--version") {
            invocation.version = true;
        } else if (option == "--paragraph") {
            invocation.paragraph = true;
        } else if (option == "--dependent") {
            invocation.actions.emplace_back(ChooseDependent{DependentNamed(value(), option)});
        } else if (option == "--calculate") {
            invocation.actions.emplace_back(Calculate{});
        } else if (option == "--load") {
            invocation.actions.emplace_back(LoadFile{std::string(value())});
        } else if (option == "--save") {
            invocation.actions.emplace_back(SaveFile{std::string(value())});
            invocation.savesAFile = true;
        } else if (option == "--deff") {
            invocation.design.designEffect = std::string(value());
        } else if (option == "--icc") {
            invocation.design.correlation = std::string(value());
        } else if (option == "--cluster-size") {
            invocation.design.clusterSize = std::string(value());
        } else if (option == "--response-rate") {
            invocation.design.responseRate = std::string(value());
        } else if (option == "--sweep") {
            invocation.sweeps.emplace_back(value());
        } else if (option == "--batch") {
            invocation.batchPath = std::string(value());
        } else if (option == "--report") {
            invocation.reportPath = std::string(value());
        } else {
            throw UsageError("unknown argument " + Quoted(argument) + " (see vek-calc --help)");
        }
    }
    CheckCombinations(invocation);
    return invocation;
}

std::string_view HelpText() {
    return R"(Usage: vek-calc [--separator C] [--json] [--report FILE] [DESIGN] ACTION...
       vek-calc [--separator C] [--json] [DESIGN] ACTION... --sweep VAR=VALUES
                [--sweep VAR=VALUES]
       vek-calc [--separator C] [--json] [DESIGN] ACTION... --batch FILE
       vek-calc [--separator C] [DESIGN] ACTION... --paragraph

Sample sizes for simple random sampling, computed exactly as on VEK's main screen.
The actions are applied in order, starting from the start-up screen (V 0,25,
Z 1,96, prob 0,05, E 0,03, n 1068, N 10000; n dependent; infinite population);
after the last one "Calcula" is pressed once more.

Actions:
  V=TEXT, Z=TEXT, prob=TEXT, E=TEXT, n=TEXT, N=TEXT
                     type TEXT into that field and leave it. Z and prob are a
                     pair: each one recomputes the other.
  p=TEXT             an expected proportion 0 < p < 1: its variance
                     p(1 - p), rounded, is typed into the V field.
  contacts=TEXT      contacts made: the completed interviews they give at the
                     response rate, rounded(contacts x rate), are typed into
                     the n field.
  --finite, --infinite
                     choose the population type; this recalculates the
                     dependent variable. Going infinite while N is dependent
                     makes n dependent first.
  --dependent S      make S (V, Z, E, n or N) the dependent variable; nothing
                     is recalculated. N only with a finite population.
  --calculate        press "Calcula".
  --load FILE        restore a screen-state file (.vkt), as "Recuperar" does:
                     the five values, the dependent variable and the
                     population are applied, then the dependent variable is
                     recalculated; prob is left alone unless Z is dependent.
  --save FILE        write the current screen to a screen-state file, as
                     "Guardar" does (48 bytes; the stored values, not prob).

Design (for the whole run):
  --deff D           design effect D > 0 of a cluster or complex design: the
                     standard deviation becomes rounded(sqrt(D x V)); with V
                     dependent, V is the design's variance divided by D.
  --icc R --cluster-size M
                     the design effect rounded(1 + (M - 1) x R) of an
                     intra-class correlation 0 <= R <= 1 and a mean cluster
                     size M >= 1 (not with --deff).
  --response-rate R  expected response rate 0 < R <= 1, as a fraction (0,7) or
                     a percentage ("70 %" or 70%): the contacts needed are
                     up(rounded(n / R)), n being the completed interviews.
  With any of them the output gains "deff", "response_rate" and "contacts"
  (no contacts when the result failed). --save and --report keep simple
  random sampling only: the design effect and response rate must be 1.

Sweeps and batches:
  --sweep VAR=FROM:TO:STEP, --sweep VAR=A/B/C, --sweep VAR=A
                     one row for each value (TO included when the steps reach
                     it exactly; a list in its order); twice for a grid, the
                     first varying slowest. VAR is V, Z, prob, E, n, N, p, deff
                     or response_rate, not the dependent variable, nor N with
                     an infinite population. Each row starts from the state
                     after the actions, enters its values as VAR=VALUE would,
                     then presses "Calcula": it equals vek-calc ACTIONS
                     VAR=VALUE. At most 1000000 points.
  --batch FILE       one row for each record of a CSV file ("-": stdin) whose
                     header names any of V, Z, prob, E, n, N, p, deff, icc,
                     cluster_size, response_rate, population (finite or
                     infinite) and dependent (V, Z, E, n or N). Each record
                     starts from the state after the actions, applies
                     population, then dependent, then its values in the
                     header's order (an empty cell is not applied), then
                     "Calcula". icc and cluster_size go together, as
                     --icc and --cluster-size do: both columns or neither,
                     and a row with one of the two empty fails.
  The rows have the columns row, V, Z, prob, E, n, N, dependent, population,
  deff, response_rate, contacts, result and error: the stored values, the
  result (empty where an entry failed), the contacts (empty where the result
  failed) and the failed entry's message. CSV (RFC 4180) separates fields by
  ';' when the decimal separator is ',' and by ',' when it is '.'; lines end
  in LF, and a UTF-8 byte-order mark or CR LF is read too. With --json a sweep
  prints one JSON array, a batch one JSON object a line.

Options:
  --separator C      decimal separator, ',' or '.', for reading and writing
                     values (default: the decimal symbol of the locale,
                     LC_NUMERIC / LANG; '.' when it has none).
  --json             print one JSON object instead of lines.
  --report FILE      after the final calculation, write the text report as
                     "Generar" does (Windows-1252, CR LF); FILE "-" writes it
                     on stdout instead of the lines below.
  --paragraph        instead of the lines below, a sentence or two in Spanish
                     (UTF-8) for a survey protocol: the result, the values and
                     confidence used, the population and the design.
  --version          print the program's version.
  -h, --help         print this help.

Field rules (as on the screen):
  V > 0 and E > 0; n >= 1, and n < N while the population is finite and N is
  not dependent; N > n unless n is dependent. A refused value is an error.
  Z is made positive and at most 3,9; prob is kept between 0,0001 and 0,9999;
  such corrections are applied with a warning on stderr.
  The dependent field, and N with an infinite population, cannot be typed into.

Output (stdout): the stored values
  V 0,25
  Z 1,96
  prob 0,05
  E 0,03
  n 1068
  N 10000
then "dependent n", "population infinite" (or "finite"), and "result 1068":
the text the dependent field shows ("Z= 1,9608; prob= 0,0499" when Z is
dependent; "Error de entrada" or "Mal resultado" when the calculation fails).
With --json: one object with the keys V, Z, prob, E, n, N, dependent,
population and result, all values strings.

Exit status:
  0  a result was computed (for a sweep or batch: every row)
  1  the result is "Error de entrada" or "Mal resultado" (for a sweep or
     batch: some row failed)
  2  usage or input error, a file that cannot be read or written, or a
     recalculation that fails outright ("Invalid floating point operation."
     for a negative V from a file): one line on stderr, nothing on stdout

Examples:
  vek-calc --separator , E=0,02      prints n 2401 ... result 2401
  vek-calc --separator , --sweep E=0,01:0,1:0,01 --sweep prob=0,1/0,05/0,01
                     n for E from 0,01 to 0,10 at 90, 95 and 99 % confidence:
                     30 rows, the first "1;0,25;1,6448;0,1;0,01;6764;...".
  vek-calc --separator , --response-rate 0,8 --dependent E contacts=400
                     E reached with 400 contacts at 80 % response: 320
                     interviews, E 0,0548.
  vek-calc --separator , --finite --batch estratos.csv
                     one row a stratum: with estratos.csv holding the lines
                     "N;V;E", "12000;0,25;0,03" and "3000;0,2;0,05", the
                     rows "1;...;981;12000;n;finite;1;1;981;981;" and
                     "2;...;279;3000;n;finite;1;1;279;279;".
  vek-calc --separator , --finite N=1000000 p=0,5 E=0,05 --deff 2 --paragraph
                     "Se necesita una muestra de 768 unidades ..."

Notes:
  The design effect enters the standard deviation, before the finite-
  population correction. Calculators that multiply the corrected n by the
  design effect give slightly more: for N 1000000, p 0,5, E 0,05, 95 % and a
  design effect of 2, VEK gives 768 where OpenEpi gives 769 (and both 385
  without the design effect).
)";
}

}  // namespace vek::cli
