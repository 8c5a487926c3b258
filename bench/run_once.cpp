// Starts a program once and prints: wall-clock seconds until it writes its first byte to its
// standard output (the probe's "painted"), wall-clock seconds until it ends, its processor
// seconds (user and system) and its peak resident kilobytes. scripts/bench.sh compares them.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    int out[2];
    if (pipe(out) != 0) return 1;
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    close(out[1]);
    char byte;
    const bool said = read(out[0], &byte, 1) == 1;
    const auto shown = Clock::now();
    while (read(out[0], &byte, 1) == 1) {
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) return 1;
    const auto end = Clock::now();
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    const std::chrono::duration<double> toShown = shown - start, toEnd = end - start;
    std::printf("%.6f %.6f %.6f %ld\n", toShown.count(), toEnd.count(),
                seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss);
    return said && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
