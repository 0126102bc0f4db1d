// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/actions.h"

#include <QFile>
#include <cstdio>

#include "cli/english.h"
#include "cli/errors.h"
#include "files/report.h"
#include "files/save_file.h"
#include "files/screen_state.h"

namespace vek::cli {

namespace {

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
        const planning::Entry entry = planning::Enter(session, typing.variable, typing.text);
        if (entry.refusal) throw UsageError(InEnglish(*entry.refusal, session.separator()));
        if (entry.result == planning::EntryResult::Corrected) {
            warnings.push_back(
                "warning: " + CorrectionInEnglish(typing.variable, typing.text, entry.correctedTo));
        }
    }

    void operator()(const ChoosePopulation& choice) const {
        session.ChoosePopulation(choice.population);
    }

    void operator()(const ChooseDependent& choice) const {
        if (!session.ChooseDependentVariable(choice.dependent)) {
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

void ApplyDesign(ScreenSession& session, const DesignOptions& design) {
    const auto check = [&session](const planning::Entry& entry) {
        if (entry.refusal) {
            throw UsageError("--" + InEnglish(*entry.refusal, session.separator()));
        }
    };
    if (design.designEffect) {
        check(planning::Enter(session, planning::Variable::deff, *design.designEffect));
    }
    if (design.correlation && design.clusterSize) {
        check(planning::EnterClusters(session, *design.correlation, *design.clusterSize));
    }
    if (design.responseRate) {
        check(planning::Enter(session, planning::Variable::response_rate, *design.responseRate));
    }
}

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
