#include "tools/BatchGrader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <istream>
#include <ostream>
#include <stdexcept>

#include "core/AssessMeasurements.h"
#include "core/Grade.h"

namespace vertebra {

namespace {

// Tallies in the order the expert reads them in the window: male grades first.
constexpr Grade kTallyOrder[] = {gdCertainlyMale, gdProbablyMale, gdUndetermined, gdCertainlyFemale,
                                 gdProbablyFemale};

std::string FormatValue(double v) {
    if (std::isnan(v)) return "nan";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

// Keeps every output row on one line with the right number of columns.
std::string OneCell(std::string_view text) {
    std::string cell(text);
    std::replace_if(
        cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return cell;
}

// A display string is the code behind six spaces.
std::string_view CodeOf(std::string_view displayString) {
    const std::size_t start = displayString.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view{} : displayString.substr(start);
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

void WriteHeader(std::ostream& out, bool withValues) {
    out << "id";
    for (int n = 1; n <= MeasurementCount; ++n)
        out << '\t' << n;
    for (Grade g : kTallyOrder)
        out << '\t' << GradeCode(g);
    if (withValues) {
        for (int n = 1; n <= MeasurementCount; ++n)
            out << "\tv" << n;
    }
    out << "\terror\n";
}

struct Row {
    std::string id;
    bool graded = false;     // codes and tallies known
    bool converted = false;  // values known
    GradeCounts counts;
    std::string error;
};

void WriteRow(std::ostream& out, const Row& row, bool withValues) {
    out << OneCell(row.id);
    for (int i = 0; i < MeasurementCount; ++i) {
        out << '\t';
        if (row.graded) out << CodeOf(GradeCodes[i]);
    }
    for (Grade g : kTallyOrder) {
        out << '\t';
        if (row.graded) out << row.counts[g];
    }
    if (withValues) {
        for (int i = 0; i < MeasurementCount; ++i) {
            out << '\t';
            if (row.converted) out << FormatValue(Measurements[i]);
        }
    }
    out << '\t' << OneCell(row.error) << '\n';
}

}  // namespace

SplitLine SplitFields(std::string_view line) {
    SplitLine result;
    const char separator = line.find('\t') != std::string_view::npos ? '\t' : ';';
    std::size_t i = 0;
    while (true) {
        std::string field;
        if (i < line.size() && line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                field += line[i++];
            }
            if (!closed) {
                result.error =
                    "unterminated quoted field " + std::to_string(result.fields.size() + 1);
                return result;
            }
            if (i < line.size() && line[i] != separator) {
                result.error = "text after the closing quote of field " +
                               std::to_string(result.fields.size() + 1);
                return result;
            }
        } else {
            const std::size_t stop = std::min(line.find(separator, i), line.size());
            field.assign(line.substr(i, stop - i));
            i = stop;
        }
        result.fields.push_back(std::move(field));
        if (i >= line.size()) break;
        ++i;  // the separator
    }
    return result;
}

bool GradeBatch(std::istream& in, std::ostream& out, std::ostream& errors, bool withValues) {
    WriteHeader(out, withValues);
    bool allGraded = true;
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (IsBlank(line)) continue;

        Row row;
        row.id = std::to_string(number);
        SplitLine split = SplitFields(line);
        const std::size_t n = split.fields.size();
        if (split.error.empty() && n != MeasurementCount && n != MeasurementCount + 1) {
            split.error = "expected 16 or 17 fields, found " + std::to_string(n);
        }
        if (split.error.empty()) {
            const std::size_t first = n - MeasurementCount;
            if (first == 1) row.id = split.fields[0];
            MeasurementTexts texts;
            for (int i = 0; i < MeasurementCount; ++i)
                texts[i] = split.fields[first + i];
            try {
                row.counts = AssessMeasurements(texts);
                row.graded = true;
            } catch (const std::exception& e) {
                row.error = e.what();
            }
            row.converted = true;
        } else {
            row.error = split.error;
        }
        WriteRow(out, row, withValues);
        if (!row.error.empty()) {
            allGraded = false;
            errors << "line " << number << ": " << row.error << '\n';
        }
    }
    return allGraded;
}

}  // namespace vertebra
