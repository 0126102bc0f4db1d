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

// What an action is on the command line, to name it in a message.
std::string Named(const Action& action) {
    struct Namer {
        std::string operator()(const TypeInto& typing) const {
            return std::string(planning::NameOf(typing.variable)) + "=" + typing.text;
        }
        std::string operator()(const ChoosePopulation& choice) const {
            return choice.population == Population::Finite ? "--finite" : "--infinite";
        }
        std::string operator()(const ChooseDependent&) const { return "--dependent"; }
        std::string operator()(const Calculate&) const { return "--calculate"; }
        std::string operator()(const LoadFile&) const { return "--load"; }
        std::string operator()(const SaveFile&) const { return "--save"; }
    };
    return std::visit(Namer{}, action);
}

// A stratified design takes only Z from the screen: nothing else of the run may apply.
void CheckStrata(const Invocation& invocation) {
    const planning::StrataRequest& strata = invocation.strata;
    const bool strataOptions = invocation.allocation || strata.totalN || strata.targetError ||
                               strata.budget || strata.fixedCost;
    if (!invocation.strataPath) {
        if (strataOptions) {
            throw UsageError(
                "--allocation, --total-n, --target-E, --budget and --fixed-cost go with --strata");
        }
        return;
    }
    if (!invocation.allocation) throw UsageError("--strata needs --allocation METHOD");
    const DesignOptions& design = invocation.design;
    const std::array<std::pair<bool, std::string_view>, 8> others = {{
        {!invocation.sweeps.empty(), "--sweep"},
        {invocation.batchPath.has_value(), "--batch"},
        {invocation.savesAFile, "--save"},
        {invocation.reportPath.has_value(), "--report"},
        {design.designEffect.has_value(), "--deff"},
        {design.correlation.has_value(), "--icc"},
        {design.clusterSize.has_value(), "--cluster-size"},
        {design.responseRate.has_value(), "--response-rate"},
    }};
    for (const auto& [given, option] : others) {
        if (given) {
            throw UsageError("--strata cannot go with " + std::string(option) +
                             " (each stratum gives its own design)");
        }
    }
    for (const Action& action : invocation.actions) {
        const auto* typing = std::get_if<TypeInto>(&action);
        if (typing == nullptr || (typing->variable != planning::Variable::Z &&
                                  typing->variable != planning::Variable::prob)) {
            throw UsageError("--strata cannot go with " + Named(action) +
                             ": of the screen only Z= and prob= apply to the strata");
        }
    }
}

planning::AllocationMethod MethodNamed(std::string_view value) {
    const std::optional<planning::AllocationMethod> method = planning::AllocationMethodNamed(value);
    if (!method) {
        throw UsageError("--allocation takes proportional, equal, neyman, optimal or given, not " +
                         Quoted(value));
    }
    return *method;
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
    const bool prose = invocation.paragraph || invocation.sheet;
    const bool writes = invocation.savesAFile || invocation.reportPath || prose;
    if ((sweeps || invocation.batchPath) && writes) {
        throw UsageError(std::string(sweeps ? "--sweep" : "--batch") +
                         " cannot go with --save, --report, --paragraph or --ficha");
    }
    if (invocation.paragraph && invocation.sheet) {
        throw UsageError("--paragraph and --ficha cannot go together");
    }
    if (prose && invocation.reportPath) {
        throw UsageError(std::string(invocation.sheet ? "--ficha" : "--paragraph") +
                         " and --report cannot go together");
    }
    CheckStrata(invocation);
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
            "--separator", "--dependent", "--load",         "--save",          "--report",
            "--deff",      "--icc",       "--cluster-size", "--response-rate", "--sweep",
            "--batch",     "--strata",    "--allocation",   "--total-n",       "--target-E",
            "--budget",    "--fixed-cost"};
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
        } else if (option == "--ficha") {
            invocation.sheet = true;
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
        } else if (option == "--strata") {
            invocation.strataPath = std::string(value());
        } else if (option == "--allocation") {
            invocation.allocation = MethodNamed(value());
            invocation.strata.method = *invocation.allocation;
        } else if (option == "--total-n") {
            invocation.strata.totalN = std::string(value());
        } else if (option == "--target-E") {
            invocation.strata.targetError = std::string(value());
        } else if (option == "--budget") {
            invocation.strata.budget = std::string(value());
        } else if (option == "--fixed-cost") {
            invocation.strata.fixedCost = std::string(value());
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
       vek-calc [--separator C] [DESIGN] ACTION... (--paragraph | --ficha)
       vek-calc [--separator C] [--json | --paragraph | --ficha]
                [Z=TEXT | prob=TEXT]
                --strata FILE --allocation METHOD
                (--total-n T | --target-E E | --budget C [--fixed-cost C0])

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

Stratified designs:
  --strata FILE      split a sample across the strata of a CSV file ("-":
                     stdin), one record a stratum, in the dialect of --batch;
                     a file that is not UTF-8 is read as Windows-1252. Its
                     header names stratum, N and V or p (each record fills one
                     of the two; p gives V = p(1 - p), rounded), and any of
                     deff, cost, response_rate, min and max (by default 1, 1,
                     1, the lesser of 2 and max, and N), each value read as
                     its field reads it. Of the actions only Z= and prob= may
                     come before it (Z 1,96 by default); "Calcula" is not
                     pressed, and the screen's other values play no part.
  --allocation METHOD
                     proportional, equal, neyman or optimal: the weights a_h
                     N_h, 1, N_h S'_h and N_h S'_h / sqrt(c_h), where
                     S_h = rounded(sqrt(deff_h x V_h)) and
                     S'_h^2 = S_h^2 N_h / (N_h - 1); or given: the file's
                     column n holds each n_h, and the run evaluates it.
                     One integer rule for the four: from every min, one unit
                     at a time to the stratum of the largest
                     a_h^2 / (n_h (n_h + 1)) still below its max, a tie to
                     the first in the file. It sums to the total, keeps every
                     bound and, for neyman, has the smallest E_st of any
                     integer allocation within the bounds.
  --total-n T        the total, from the sum of min to the sum of max.
  --target-E E       the first total along the rule's sequence whose E_st is
                     at most E.
  --budget C [--fixed-cost C0]
                     the longest start of that sequence whose cost
                     C0 + sum(c_h n_h) stays within C: it stops at the first
                     unit that does not fit.
  The rows are CSV in the file's dialect, one a stratum in the file's order,
  with the columns stratum, N, V, deff, S, cost, response_rate, min and max as
  stored, then n, share (rounded n / T), E (what the main screen shows as E
  for the stratum, finite with E dependent; 0 for a census), contacts
  (up(n / response_rate)) and allocated_cost (cost x n); then the row
  "total": the sums of N, min, max and n, share 1, E_st, the contacts and
  C0 + sum(c_h n_h). E_st = rounded(Z x sqrt(sum of
  W_h^2 S_h^2 (N_h - n_h) / ((N_h - 1) n_h))), W_h = N_h / N, a census adding
  0; a single stratum's E_st is its E. --json prints one JSON object a line,
  --paragraph a paragraph in Spanish instead, --ficha the technical sheet.

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
  --ficha            instead of the lines below, the technical sheet ("ficha
                     técnica") in Spanish (UTF-8), as polls publish it:
                     universe, sample, contacts, design and sampling error.
                     The error of a proportion (V 0,25, or V from p=) is in
                     points of a percentage; Z 2 and 3 are stated as
                     95,5 % (dos sigmas) and 99,7 % (tres sigmas).
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
  vek-calc --separator , --dependent E n=1200 Z=2 --ficha
                     "Error muestral: ±2,9 % para el conjunto de la muestra,
                     para un nivel de confianza del 95,5 % (dos sigmas) y
                     P = Q, en el supuesto de muestreo aleatorio simple."
  vek-calc --separator , --strata regiones.csv --allocation neyman \
           --total-n 1000
                     with regiones.csv holding the lines "stratum;N;p;cost",
                     "Norte;12000;0,3;20", "Centro;30000;0,5;12" and
                     "Sur;8000;0,2;30": n 232, 633 and 135, and the row
                     "total;50000;;;;;;6;50000;1000;1;0,0291;1000;16286".
  vek-calc --separator , --strata regiones.csv --allocation neyman \
           --target-E 0,02
                     the first total that reaches E 0,02, in the row
                     "total;50000;;;;;;6;50000;2059;1;0,02;2059;33536".
  vek-calc --separator , --strata regiones.csv --allocation optimal \
           --budget 20000 --fixed-cost 2000 --paragraph
                     "Se reparte una muestra de 1175 unidades entre 3
                     estratos ... El coste es 19996, de un presupuesto de
                     20000."
  vek-calc --separator , --strata muestra.csv --allocation given
                     with muestra.csv holding "stratum;N;p;n",
                     "Norte;12000;0,3;300", "Centro;30000;0,5;500" and
                     "Sur;8000;0,2;200": E_st 0,0301, in the row
                     "total;50000;;;;;;6;50000;1000;1;0,0301;1000;1000".

Notes:
  The design effect enters the standard deviation, before the finite-
  population correction. Calculators that multiply the corrected n by the
  design effect give slightly more: for N 1000000, p 0,5, E 0,05, 95 % and a
  design effect of 2, VEK gives 768 where OpenEpi gives 769 (and both 385
  without the design effect).
)";
}

}  // namespace vek::cli
