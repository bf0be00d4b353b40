// vertebra-grade: grades a collection of cases, one a line, the way the window grades one case.

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/BatchGrader.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr const char* kUsage = "usage: vertebra-grade [--values] [FILE]";

constexpr const char* kHelp =
    "Grades each case of FILE (or standard input) against the sex-assessment table of the\n"
    "first lumbar vertebra and writes a tab-separated table to standard output.\n"
    "\n"
    "Input: UTF-8, one case a line. Fields are separated by tabs when the line holds a tab,\n"
    "otherwise by semicolons; a field may be quoted with double quotes. 16 fields are the\n"
    "measurements 1 to 16 (the case id is the line number); with 17 the first is the case id.\n"
    "\n"
    "Output columns: id, the grade code of each measurement (empty: no grade), the tallies\n"
    "ДМ ВМ НП ДЖ ВЖ, with --values the parsed values v1 to v16, and error.\n"
    "\n"
    "Exit status: 0 every case graded, 1 some case failed (see standard error),\n"
    "2 the file cannot be read or the arguments are wrong.\n";

int UsageError(const std::string& message) {
    std::cerr << "vertebra-grade: " << message << '\n' << kUsage << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool withValues = false;
    const char* file = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage << "\n\n" << kHelp;
            return 0;
        }
        if (arg == "--values") {
            withValues = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError("unknown option " + arg);
        } else if (file != nullptr) {
            return UsageError("only one FILE may be given");
        } else {
            file = argv[i];
        }
    }

    std::ifstream stream;
    std::istream* in = &std::cin;
    if (file != nullptr && std::strcmp(file, "-") != 0) {
        std::error_code ec;
        if (std::filesystem::is_directory(file, ec)) {
            std::cerr << "vertebra-grade: cannot read " << file << ": it is a folder\n";
            return 2;
        }
        stream.open(file, std::ios::binary);
        if (!stream) {
            std::cerr << "vertebra-grade: cannot read " << file << ": " << std::strerror(errno)
                      << '\n';
            return 2;
        }
        in = &stream;
    }

#ifdef _WIN32
    // The same bytes on every system: no line-end translation on the way in or out.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const bool allGraded = vertebra::GradeBatch(*in, std::cout, std::cerr, withValues);
    if (in->bad()) {
        std::cerr << "vertebra-grade: reading " << (file ? file : "standard input") << " failed\n";
        return 2;
    }
    std::cout.flush();
    return allGraded ? 0 : 1;
}
