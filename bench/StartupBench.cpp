// Whole-process start-up: the program from its start to its first painted window and out,
// against a bare Qt Widgets program with as many widgets, run alternately in the same session.
// Reports median wall time and peak memory of each and their ratios.
//   startup_bench PROGRAM BASELINE [RUNS]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Sample {
    double seconds;
    long peakKiB;
};

Sample RunOnce(const char* program) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", program, status);
        std::exit(1);
    }
    return {seconds, usage.ru_maxrss};
}

template <class T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM BASELINE [RUNS]\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    RunOnce(argv[1]);  // warm the caches for both
    RunOnce(argv[2]);
    std::vector<double> times[2];
    std::vector<long> peaks[2];
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            const Sample s = RunOnce(argv[1 + which]);
            times[which].push_back(s.seconds);
            peaks[which].push_back(s.peakKiB);
        }
    }
    const double t0 = Median(times[0]), t1 = Median(times[1]);
    const long m0 = Median(peaks[0]), m1 = Median(peaks[1]);
    std::printf("start to first painted window and out, median of %d runs\n", runs);
    std::printf("%-12s %10s %12s\n", "", "time ms", "peak KiB");
    std::printf("%-12s %10.1f %12ld\n", "program", t0 * 1000, m0);
    std::printf("%-12s %10.1f %12ld\n", "baseline", t1 * 1000, m1);
    std::printf("time ratio %.2f (target <= 1.3): %s\n", t0 / t1,
                t0 / t1 <= 1.3 ? "met" : "MISSED");
    std::printf("peak memory ratio %.2f (target <= 1.15): %s\n", double(m0) / m1,
                double(m0) / m1 <= 1.15 ? "met" : "MISSED");
    return 0;
}
