// Runs a command several times as a whole process, its standard output read
// through a pipe (GNU grep stops at the first match when its output is /dev/null)
// and its messages dropped, and prints the median, fastest and slowest wall time,
// the largest peak memory (maximum resident set) and the output of the last run.
//   timed RUNS COMMAND [ARGS...]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: timed RUNS COMMAND [ARGS...]\n");
        return 2;
    }
    const int runs = std::max(1, std::stoi(argv[1]));
    std::vector<double> times;
    long peakKiB = 0;
    std::string output;
    for (int i = 0; i < runs; ++i) {
        int out[2];
        if (::pipe(out) != 0)
            return 1;
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_adddup2(&fa, out[1], 1);
        posix_spawn_file_actions_addclose(&fa, out[0]);
        posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
        const auto t0 = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawnp(&pid, argv[2], &fa, nullptr, argv + 2, environ) != 0) {
            std::fprintf(stderr, "cannot start %s\n", argv[2]);
            return 1;
        }
        posix_spawn_file_actions_destroy(&fa);
        ::close(out[1]);
        output.clear();
        char buf[1 << 16];
        for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;)
            output.append(buf, static_cast<std::size_t>(n));
        ::close(out[0]);
        int status = 0;
        rusage usage{};
        ::wait4(pid, &status, 0, &usage);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
    }
    std::sort(times.begin(), times.end());
    const double median = times.size() % 2
                              ? times[times.size() / 2]
                              : (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
    std::size_t lines = 0;
    for (const char c : output)
        lines += c == '\n' ? 1u : 0u;
    std::printf("median %8.1f ms  (min %.1f, max %.1f, %d runs)  peak memory %6.1f MiB  output %zu "
                "lines",
                median, times.front(), times.back(), runs, static_cast<double>(peakKiB) / 1024.0,
                lines);
    if (lines == 1 && output.size() < 80)
        std::printf(": %s", output.c_str());
    else
        std::printf("\n");
    return 0;
}
