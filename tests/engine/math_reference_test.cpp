// The elementary functions against reference values computed independently at over 100 digits
// (tests/data/math_reference.tsv, made by scripts/gen-math-reference.py).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Builtins.h"

namespace numora {
namespace {

struct ReferenceRow {
    int Line = 0;
    std::string Function;
    std::string Arguments;
    std::string Expected32;
    std::string Expected110;
};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator)) parts.push_back(part);
    return parts;
}

std::vector<ReferenceRow> ReadReference() {
    std::ifstream file(std::string(NUMORA_TEST_DATA) + "/math_reference.tsv");
    std::vector<ReferenceRow> rows;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> fields = Split(line, '\t');
        if (fields.size() != 4) {
            ADD_FAILURE() << "malformed reference line " << number << ": " << line;
            continue;
        }
        rows.push_back({number, fields[0], fields[1], fields[2], fields[3]});
    }
    return rows;
}

std::u16string Widen(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::string Printed(const Number& x, int digits) {
    return x.str(digits, std::ios_base::fmtflags(0));
}

TEST(MathReference, EveryRowAgreesInAll32PrintedDigits) {
    const std::vector<ReferenceRow> rows = ReadReference();
    ASSERT_GT(rows.size(), 150u) << "reference data missing or truncated";
    for (const ReferenceRow& row : rows) {
        SCOPED_TRACE("line " + std::to_string(row.Line) + ": " + row.Function + "(" +
                     row.Arguments + ")");
        const BuiltinFunction* function = FindBuiltin(Widen(row.Function));
        ASSERT_NE(function, nullptr);
        ASSERT_NE(function->Impl, nullptr);
        ArgList args;
        for (const std::string& text : Split(row.Arguments, ';')) args.emplace_back(text);
        ASSERT_GE(args.size(), function->MinParams);
        ASSERT_LE(args.size(), function->MaxParams);

        const Number result = function->Impl(args);
        EXPECT_EQ(Printed(result, 32), row.Expected32);

        // Well beyond the printed digits: the result should be good to nearly full precision.
        const Number reference(row.Expected110);
        const Number error = abs(result - reference);
        const Number tolerance =
            reference == 0 ? Number("1e-95") : abs(reference) * Number("1e-95");
        EXPECT_LE(error, tolerance) << "result " << Printed(result, 110);
    }
}

}  // namespace
}  // namespace numora
