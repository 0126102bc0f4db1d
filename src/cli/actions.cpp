#include "cli/actions.h"

#include <QFile>
#include <cstdio>

#include "cli/errors.h"
#include "files/report.h"
#include "files/save_file.h"
#include "files/screen_state.h"

namespace vek::cli {

namespace {

std::string Typed(const TypeInto& typing) {
    return std::string(SymbolOf(typing.field)) + "=" + typing.text;
}

std::string RuleOf(Field field) {
    switch (field) {
        case Field::V:
            return "V must be greater than 0";
        case Field::E:
            return "E must be greater than 0";
        case Field::n:
            return "n must be at least 1, and below N while the population is finite and N is "
                   "not dependent";
        case Field::N:
            return "N must be greater than n unless n is dependent";
        case Field::Z:
        case Field::prob:
            break;
    }
    return "the field refuses it";
}

std::string WhyNotEditable(Editability editability) {
    return editability == Editability::Dependent
               ? "it is the dependent variable"
               : "the population is infinite (choose --finite first)";
}

std::string WhyNotRestorable(RestoreProblem problem) {
    switch (problem) {
        case RestoreProblem::DependentCodeOutOfRange:
            return "the dependent-variable code must be 1 to 5";
        case RestoreProblem::PopulationByteInvalid:
            return "the population byte must be 0 (infinite) or 1 (finite)";
        case RestoreProblem::NDependentButInfinite:
            return "N cannot be dependent with an infinite population";
        case RestoreProblem::Unreadable:
        case RestoreProblem::None:
            break;
    }
    return "cannot read the file (missing, unreadable or shorter than " +
           std::to_string(kScreenStateSize) + " bytes)";
}

QString PathOf(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

void Save(const std::string& option, const std::string& path, const QByteArray& bytes) {
    if (SaveBytes(PathOf(path), bytes) != SaveResult::Saved) {
        throw UsageError(option + " " + path + ": cannot write the file");
    }
}

struct Applier {
    ScreenSession& session;
    std::vector<std::string>& warnings;

    void operator()(const TypeInto& typing) const {
        const Editability editability = session.EditabilityOf(typing.field);
        if (editability != Editability::Editable) {
            throw UsageError(Typed(typing) + ": " + std::string(SymbolOf(typing.field)) +
                             " cannot be typed into: " + WhyNotEditable(editability));
        }
        switch (session.LeaveField(typing.field, typing.text)) {
            case EntryOutcome::NotANumber:
                throw UsageError(Typed(typing) + ": not a number (decimal separator '" +
                                 std::string(1, session.separator()) + "')");
            case EntryOutcome::Refused:
                throw UsageError(Typed(typing) + ": refused, " + RuleOf(typing.field));
            case EntryOutcome::Corrected:
                warnings.push_back("warning: " + Typed(typing) + ": corrected to " +
                                   session.text(typing.field));
                break;
            case EntryOutcome::Accepted:
                break;
        }
    }

    void operator()(const ChoosePopulation& choice) const {
        session.ChoosePopulation(choice.population);
    }

    void operator()(const ChooseDependent& choice) const {
        if (!session.ChooseDependentVariable(CodeOf(choice.field))) {
            throw UsageError(
                "--dependent N: N can be dependent only with a finite population "
                "(choose --finite first)");
        }
    }

    void operator()(const Calculate&) const { session.RecalculateDependent(); }

    void operator()(const LoadFile& load) const {
        const std::optional<ScreenStateRecord> record = ReadScreenState(PathOf(load.path));
        const RestoreProblem problem =
            record ? session.Restore(*record) : RestoreProblem::Unreadable;
        if (problem != RestoreProblem::None) {
            throw UsageError("--load " + load.path + ": " + WhyNotRestorable(problem));
        }
    }

    void operator()(const SaveFile& save) const {
        Save("--save", save.path, EncodeScreenState(session.Record()));
    }
};

}  // namespace

void Apply(ScreenSession& session, const Action& action, std::vector<std::string>& warnings) {
    std::visit(Applier{session, warnings}, action);
}

void WriteReport(const ScreenSession& session, const std::string& path) {
    const QByteArray bytes = BuildReport(session.Report());
    if (path != kStdoutPath) {
        Save("--report", path, bytes);
        return;
    }
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::fflush(stdout) != 0) {
        throw UsageError("--report -: cannot write on stdout");
    }
}

}  // namespace vek::cli
