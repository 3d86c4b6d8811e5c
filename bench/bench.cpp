// SPDX-License-Identifier: MIT
// Starts the program and the bare reference in turn and prints medians and ratios:
// launch to first shown, launch to exit, peak resident memory; then the animation's CPU
// cost and cycle length, and ComputeRatio and the converter per second.
// Runs on whatever Qt platform the environment names (offscreen, or an X display).
#include "clock.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Run {
    double shownMs = 0;
    double exitMs = 0;
    double peakMiB = 0;
};

// Runs a program, returns what it printed and fills the run's figures.
std::string start(const std::vector<std::string> &command, Run *run = nullptr)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char *> argv;
    for (const std::string &word : command)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);

    const long long launched = monotonicNanoseconds();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    close(out[1]);
    std::string printed;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const long long ended = monotonicNanoseconds();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(1);
    }
    if (run) {
        const auto at = printed.find("shown ");
        run->shownMs = at == std::string::npos ? 0 : double(std::stoll(printed.substr(at + 6)) - launched) / 1e6;
        run->exitMs = double(ended - launched) / 1e6;
        run->peakMiB = double(usage.ru_maxrss) / 1024;
    }
    return printed;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::vector<double> figures(const std::string &printed, const std::string &name)
{
    std::vector<double> values;
    for (size_t at = printed.find(name + ' '); at != std::string::npos; at = printed.find(name + ' ', at + 1))
        if (at == 0 || printed[at - 1] == '\n')
            values.push_back(std::stod(printed.substr(at + name.size() + 1)));
    return values;
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 21;
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform: %s, %d rounds each\n", platform ? platform : "default", rounds);

    start({FORM_PATH}); // warm the caches for both
    start({REFERENCE_PATH});
    std::vector<Run> form, reference;
    for (int i = 0; i < rounds; ++i) {
        Run run;
        start({FORM_PATH}, &run);
        form.push_back(run);
        start({REFERENCE_PATH}, &run);
        reference.push_back(run);
    }
    const auto report = [&](const char *what, double Run::*figure, const char *unit) {
        std::vector<double> a, b;
        for (const Run &run : form)
            a.push_back(run.*figure);
        for (const Run &run : reference)
            b.push_back(run.*figure);
        std::printf("%-24s program %8.2f %s   reference %8.2f %s   ratio %.3f\n", what, median(a), unit, median(b),
                    unit, median(a) / median(b));
    };
    report("launch to first shown", &Run::shownMs, "ms ");
    report("launch to exit", &Run::exitMs, "ms ");
    report("peak resident memory", &Run::peakMiB, "MiB");

    const std::string animation = start({FORM_PATH, "animate", "8"});
    const std::vector<double> cycles = figures(animation, "cycle");
    std::printf("animation               CPU %.2f%% of one core, cycle %.1f ms median over %zu cycles (nominal 1600)\n",
                100 * figures(animation, "cpu").at(0), cycles.empty() ? 0.0 : median(cycles), cycles.size());

    const std::string work = start({FORM_PATH, "work", "20000"});
    std::printf("ComputeRatio            %.0f per second\n", figures(work, "compute").at(0));
    std::printf("converter               %.0f per second\n", figures(work, "convert").at(0));
    return 0;
}
