// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/refusal_text.h"

#include "planning/csv_reader.h"

namespace vek::cli {

namespace {

std::string Why(const planning::InputRefusal& refusal) {
    using planning::InputProblem;
    switch (refusal.problem) {
        case InputProblem::Unreadable:
        case InputProblem::NoHeader:
            break;
        case InputProblem::RecordTooLong:
            return "a record over " + std::to_string(planning::kMaxRecordBytes / 1024) + " KiB";
        case InputProblem::TooManyFields:
            return "more than " + std::to_string(planning::kMaxFields) + " fields";
        case InputProblem::NulByte:
            return "a NUL byte in a field";
        case InputProblem::QuoteInUnquoted:
            return "a quote inside an unquoted field";
        case InputProblem::UnterminatedQuote:
            return "an unterminated quote";
        case InputProblem::NoColumns:
            return "no columns";
        case InputProblem::ColumnTwice:
            return "the column '" + refusal.text + "' is given twice";
        case InputProblem::UnknownColumn:
            return "unknown column '" + refusal.text + "'";
        case InputProblem::ClusterColumnAlone:
            return "the columns icc and cluster_size go together";
        case InputProblem::MoreFieldsThanColumns:
            return "more fields than the header has columns";
        case InputProblem::DeffWithIcc:
            return "deff and icc cannot both give the design effect";
    }
    return {};
}

}  // namespace

std::string RefusalText(const planning::InputRefusal& refusal, std::string_view input) {
    if (refusal.problem == planning::InputProblem::Unreadable) {
        return "cannot read the " + std::string(input) + " input";
    }
    if (refusal.problem == planning::InputProblem::NoHeader) {
        return "the " + std::string(input) + " input has no header line";
    }
    return "line " + std::to_string(refusal.line) + ": " + Why(refusal);
}

}  // namespace vek::cli
