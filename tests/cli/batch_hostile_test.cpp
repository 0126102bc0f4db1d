// SPDX-License-Identifier: GPL-3.0-or-later
// vek-calc --batch - on hostile input: each is refused with exit status 2, one line on stderr
// naming the record and nothing on stdout, rather than read into memory or into the results; a
// byte-order mark and CR LF line ends are ordinary input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>

#include "case_names.h"
#include "run_vek_calc.h"

namespace {

using vek::testing::Outcome;

// vek-calc --separator , --batch - with `input` on stdin, from a file in a scratch folder.
Outcome RunBatch(const std::string& input) {
    const vek::testing::Scratch scratch;
    const auto in = scratch / "in.csv";
    vek::testing::WriteFile(in, input);
    return vek::testing::RunVekCalc({"--separator", ",", "--batch", "-"}, {"LC_ALL=C"}, in);
}

std::string Repeated(const std::string& text, std::size_t times) {
    std::string out;
    out.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += text;
    return out;
}

struct HostileCase {
    const char* name;
    std::string input;
    int status;
    std::string err;  // stderr's one line, or how it starts; nothing where the batch succeeds
    std::string out;  // checked where the batch succeeds
};

using vek::tests::PrintTo;

class HostileBatch : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileBatch, EndsWithOneLineOrTheRows) {
    const HostileCase& c = GetParam();
    const Outcome outcome = RunBatch(c.input);
    EXPECT_EQ(outcome.status, c.status) << outcome.err;
    if (c.status == 0) {
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.out, c.out);
        return;
    }
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(outcome.err.starts_with(c.err)) << outcome.err.substr(0, 200);
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1);
    EXPECT_TRUE(outcome.err.ends_with('\n'));
    EXPECT_EQ(outcome.err.find('\0'), std::string::npos);
    EXPECT_LT(outcome.err.size(), 200U);
}

const std::string kHeader =
    "row;V;Z;prob;E;n;N;dependent;population;deff;response_rate;contacts;"
    "result;error\n";

INSTANTIATE_TEST_SUITE_P(
    Inputs, HostileBatch,
    testing::Values(HostileCase{"a_1_MiB_line", "V;E\n" + std::string(1 << 20, '1') + "\n", 2,
                                "vek-calc: line 2: a record over 64 KiB\n", ""},
                    HostileCase{"100000_columns", "V;E\n" + Repeated("0,1;", 100000) + "\n", 2,
                                "vek-calc: line 2: more than 32 fields\n", ""},
                    HostileCase{"an_unterminated_quote", "V;E\n0,2;\"0,01\n0,1;0,02\n", 2,
                                "vek-calc: line 2: an unterminated quote\n", ""},
                    // A NUL byte is no text anyone typed: the record is refused, not entered as a
                    // number whose error message would carry the NUL into the results.
                    HostileCase{"NUL_bytes_in_cells", std::string("V;E\n0,2\0\0;0,01\n", 15), 2,
                                "vek-calc: line 2: a NUL byte in a field\n", ""},
                    // The strata of vek-calc --help's batch example.
                    HostileCase{"a_byte_order_mark_and_CR_LF",
                                "\xEF\xBB\xBFpopulation;N;V;E\r\nfinite;12000;0,25;0,03\r\n"
                                "finite;3000;0,2;0,05\r\n",
                                0, "",
                                kHeader + "1;0,25;1,96;0,05;0,03;981;12000;n;finite;1;1;981;981;\n"
                                          "2;0,2;1,96;0,05;0,05;279;3000;n;finite;1;1;279;279;\n"}),
    [](const testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });

}  // namespace
