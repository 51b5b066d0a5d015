// Start-up to the first painted screen and peak memory of the program against reference
// programs, measured in rounds: each round runs the program and every reference once, in an
// order that turns from round to round, so that drift in the machine's load moves both sides
// of a ratio alike. Each round gives one ratio per reference; printed are their median and
// range, as rows of a Markdown table (what, median, range, target), with the medians of the
// times and sizes themselves. The targets, at most TIME_TARGET and MEMORY_TARGET times, hold
// against the first reference; the others are there to compare with.
//
// merrowby_startup_pairs ROUNDS TIME_TARGET MEMORY_TARGET CONDITION PROGRAM NAME=REFERENCE...

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double milliseconds;
    double peakKiB;
};

struct Program {
    std::string name;
    std::string path;
    std::vector<Run> runs;
};

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Runs the program to its end, its output discarded.
Run runOnce(const std::string& path)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    const double start = now();
    pid_t pid = 0;
    const int error = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", path.c_str(), std::strerror(error));
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0)
        if (errno != EINTR) {
            std::perror("wait4");
            std::exit(1);
        }
    const double end = now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", path.c_str(), status);
        std::exit(1);
    }
    return {end - start, static_cast<double>(usage.ru_maxrss)};
}

struct Spread {
    double median, min, max;
};

Spread spread(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 7) {
        std::fprintf(stderr, "usage: %s ROUNDS TIME_TARGET MEMORY_TARGET CONDITION PROGRAM NAME=REFERENCE...\n",
                     argv[0]);
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    const std::string timeTarget = argv[2];
    const std::string memoryTarget = argv[3];
    const std::string condition = argv[4];
    std::vector<Program> programs{{"program", argv[5], {}}};
    for (int i = 6; i < argc; ++i) {
        const std::string given = argv[i];
        const auto equals = given.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "a reference is NAME=PATH: %s\n", argv[i]);
            return 2;
        }
        programs.push_back({given.substr(0, equals), given.substr(equals + 1), {}});
    }

    for (const auto& program : programs) // caches warm, libraries loaded once
        runOnce(program.path);
    for (int round = 0; round < rounds; ++round)
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program& program = programs[(k + static_cast<std::size_t>(round)) % programs.size()];
            program.runs.push_back(runOnce(program.path));
        }

    const Program& measured = programs.front();
    auto row = [&](const char* what, std::size_t reference, double Run::*field, const std::string& target,
                   const char* unit, double scale) {
        std::vector<double> ratios, own, theirs;
        for (int round = 0; round < rounds; ++round) {
            ratios.push_back(measured.runs[round].*field / programs[reference].runs[round].*field);
            own.push_back(measured.runs[round].*field);
            theirs.push_back(programs[reference].runs[round].*field);
        }
        const Spread r = spread(ratios);
        const std::string aim = reference == 1 ? "at most " + target + " x" : "";
        std::printf("| %s, program / %s, %s (%.1f / %.1f %s) | %.2f x | %.2f to %.2f x | %s |\n", what,
                    programs[reference].name.c_str(), condition.c_str(), spread(own).median / scale,
                    spread(theirs).median / scale, unit, r.median, r.min, r.max, aim.c_str());
    };
    for (std::size_t i = 1; i < programs.size(); ++i)
        row("start-up", i, &Run::milliseconds, timeTarget, "ms", 1);
    for (std::size_t i = 1; i < programs.size(); ++i)
        row("peak memory", i, &Run::peakKiB, memoryTarget, "MiB", 1024);
    return 0;
}
