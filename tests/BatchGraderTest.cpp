// The batch grading of a collection of cases.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/BatchGrader.h"

using vertebra::GradeBatch;
using vertebra::SplitFields;

namespace {

struct SplitCase {
    const char* name;
    const char* line;
    std::vector<std::string> fields;
    const char* error;  // a part of the message, or empty
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << c.name;
}

class Splitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Splitting, GivesFieldsOrError) {
    const auto result = SplitFields(GetParam().line);
    const std::string error = GetParam().error;
    if (error.empty()) {
        EXPECT_EQ(result.error, "");
        EXPECT_EQ(result.fields, GetParam().fields);
    } else {
        EXPECT_NE(result.error.find(error), std::string::npos) << result.error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Splitting,
    ::testing::Values(SplitCase{"Semicolons", "1;2,5;3", {"1", "2,5", "3"}, ""},
                      SplitCase{"TabsWinOverSemicolons", "a;b\tc", {"a;b", "c"}, ""},
                      SplitCase{"EmptyFields", ";;", {"", "", ""}, ""},
                      SplitCase{"SingleField", "55.6", {"55.6"}, ""},
                      SplitCase{"QuotedSeparator", "\"a;b\";c", {"a;b", "c"}, ""},
                      SplitCase{"DoubledQuote", "\"say \"\"x\"\"\";2", {"say \"x\"", "2"}, ""},
                      SplitCase{"EmptyQuoted", "\"\";\"\"", {"", ""}, ""},
                      SplitCase{"QuoteInsidePlainField", "a\"b;c", {"a\"b", "c"}, ""},
                      SplitCase{"QuotedTabInTabLine", "\"a\tb\"\tc", {"a\tb", "c"}, ""},
                      SplitCase{"UnterminatedQuote", "\"abc;d", {}, "unterminated quoted field 1"},
                      SplitCase{"TextAfterClosingQuote",
                                "1;\"ab\"c;d",
                                {},
                                "after the closing quote of field 2"}),
    [](const auto& info) { return info.param.name; });

std::string GradeText(const std::string& input, bool withValues, std::string* errors = nullptr,
                      bool* allGraded = nullptr) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const bool ok = GradeBatch(in, out, err, withValues);
    if (errors) *errors = err.str();
    if (allGraded) *allGraded = ok;
    return out.str();
}

const std::string kHeader =
    "id\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\tДМ\tВМ\tНП\tДЖ\tВЖ\terror\n";

TEST(GradeBatch, GradesSemicolonAndTabLinesAndSkipsBomAndBlankLines) {
    const std::string input =
        "\xEF\xBB\xBF"
        "55.6;23;25;27;36;30;33;40;53;45;23;1000;0.5;25;16;abc\r\n"
        "\n"
        "   \t \r\n"
        "case 7\t91.01" +
        std::string(15, '\t') + "70мм\n";
    std::string errors;
    bool ok = false;
    EXPECT_EQ(
        GradeText(input, false, &errors, &ok),
        kHeader +
            "1\tДЖ\tВЖ\tНП\tВМ\tДМ\tНП\tВМ\tВЖ\tДМ\tДМ\tВЖ\tДМ\tДЖ\tНП\tДЖ\t\t4\t2\t3\t3\t3\t\n"
            "case 7\tДМ" +
            std::string(15, '\t') + "ДМ\t2\t0\t0\t0\t0\t\n");
    EXPECT_EQ(errors, "");
    EXPECT_TRUE(ok);
}

TEST(GradeBatch, BadLinesAreWrittenWithTheirMessageAndTheRunGoesOn) {
    const std::string fifteen(15, ';');
    const std::string input =
        "1;2;3\n"
        "x;+NAN" +
        fifteen +
        "\n"
        "\"open" +
        fifteen +
        "\n"
        "1000" +
        fifteen + "\n";
    std::string errors;
    bool ok = true;
    EXPECT_EQ(GradeText(input, false, &errors, &ok), kHeader + "1" + std::string(21, '\t') +
                                                         "\texpected 16 or 17 fields, found 3\n"
                                                         "x" +
                                                         std::string(21, '\t') +
                                                         "\tInvalid floating point operation\n"
                                                         "3" +
                                                         std::string(21, '\t') +
                                                         "\tunterminated quoted field 1\n"
                                                         "4\tДМ" +
                                                         std::string(15, '\t') +
                                                         "\t1\t0\t0\t0\t0\t\n");
    EXPECT_EQ(errors,
              "line 1: expected 16 or 17 fields, found 3\n"
              "line 2: Invalid floating point operation\n"
              "line 3: unterminated quoted field 1\n");
    EXPECT_FALSE(ok);
}

TEST(GradeBatch, ValuesInShortestRoundTripForm) {
    const std::string input =
        "55.6;1e3;0;-0;+INF;-INF;1e400;55,6;.5;0.001;5.56e1;70мм;;x;1e-400;100.10\n";
    const std::string out = GradeText(input, true);
    const std::string lastLine = out.substr(out.find('\n') + 1);
    EXPECT_NE(
        out.find(
            "\tv1\tv2\tv3\tv4\tv5\tv6\tv7\tv8\tv9\tv10\tv11\tv12\tv13\tv14\tv15\tv16\terror\n"),
        std::string::npos);
    EXPECT_NE(
        lastLine.find(
            "\t55.6\t1000\t0\t-0\tinf\t-inf\tinf\t55\t0.5\t0.001\t55.6\t70\t0\t0\t0\t100.1\t\n"),
        std::string::npos)
        << lastLine;

    const std::string nanOut = GradeText("+NAN" + std::string(15, ';') + "\n", true);
    EXPECT_NE(nanOut.find("\tnan\t0\t"), std::string::npos) << nanOut;
}

TEST(GradeBatch, IdsKeepOneCellEach) {
    const std::string out = GradeText("\"a\tb\"\t1" + std::string(15, '\t') + "\n", false);
    EXPECT_EQ(out.substr(kHeader.size(), 4), "a b\t");
}

}  // namespace
