#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace vertebra {

// A line of the batch input split into its fields: separated by tabs when the line holds a tab,
// otherwise by semicolons (a comma is a decimal mark to the people who write these files). A field
// may be quoted with double quotes, a quote inside written twice. On a malformed line `error`
// says why and `fields` is unspecified.
struct SplitLine {
    std::vector<std::string> fields;
    std::string error;
};
SplitLine SplitFields(std::string_view line);

// Grades every case of `in` (UTF-8, a case a line, LF or CRLF, a BOM and blank lines skipped;
// 16 fields, or 17 with a case id first) into a tab-separated table on `out`. A case that cannot
// be graded is still written, with its message in the last column, and reported on `errors` as
// "line N: message". Returns false when some case could not be graded.
bool GradeBatch(std::istream& in, std::ostream& out, std::ostream& errors, bool withValues);

}  // namespace vertebra
