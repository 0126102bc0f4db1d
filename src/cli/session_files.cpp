// The actions of the file window: "Recuperar", "Guardar" and "Generar".
#include <QFile>
#include <cstdio>

#include "cli/errors.h"
#include "cli/session.h"
#include "files/report.h"
#include "files/save_file.h"
#include "files/screen_state.h"

namespace vek::cli {

namespace {

QString PathOf(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

void Save(const std::string& option, const std::string& path, const QByteArray& bytes) {
    if (SaveBytes(PathOf(path), bytes) != SaveResult::Saved) {
        throw UsageError(option + " " + path + ": cannot write the file");
    }
}

}  // namespace

std::int64_t Session::SecondsOfInteraction() const {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() -
                                                            start_)
        .count();
}

// The restore's steps in their order; the options are chosen without running their handlers.
void Session::Apply(const LoadFile& load) {
    const std::optional<QByteArray> bytes = ReadBytes(PathOf(load.path), kScreenStateSize);
    const std::optional<ScreenStateRecord> record =
        bytes ? DecodeScreenState(*bytes) : std::nullopt;
    if (!record) {
        throw UsageError("--load " + load.path +
                         ": cannot read the file (missing, unreadable or shorter than " +
                         std::to_string(kScreenStateSize) + " bytes)");
    }
    if (const QString problem = RestoreProblem(*record); !problem.isEmpty()) {
        throw UsageError("--load " + load.path + ": " + problem.toStdString());
    }
    ApplyToModel(*record, state_);
    population_ = PopulationOf(*record);
    for (const Field field : {Field::V, Field::Z, Field::E, Field::n, Field::N}) {
        field_texts_[static_cast<std::size_t>(field) - 1] =
            QuantityToText(QuantityOf(state_, field), separator_);
    }
    SwitchPopulation(state_, population_);
    Calculate();
}

void Session::Apply(const SaveFile& save) {
    Save("--save", save.path, EncodeScreenState(RecordOf(state_, population_)));
}

namespace {

ReportInput ReportInputOf(const Session& session) {
    ReportInput input{session.state(),
                      session.population(),
                      {},
                      session.SecondsOfInteraction(),
                      session.separator()};
    for (const Field field : {Field::V, Field::Z, Field::E, Field::n, Field::N, Field::prob}) {
        input.fieldTexts[static_cast<std::size_t>(field) - 1] =
            QString::fromStdString(session.FieldTextOf(field));
    }
    return input;
}

}  // namespace

std::string ReportBytes(const Session& session) {
    return BuildReport(ReportInputOf(session)).toStdString();
}

std::string ResultText(const Session& session) {
    return vek::ResultText(ReportInputOf(session)).toStdString();
}

void WriteReport(const Session& session, const std::string& path) {
    const std::string bytes = ReportBytes(session);
    if (path != kStdoutPath) {
        Save("--report", path, QByteArray::fromStdString(bytes));
        return;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
        throw UsageError("--report -: cannot write on stdout");
    }
}

}  // namespace vek::cli
