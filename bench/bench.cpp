// SPDX-License-Identifier: MIT
// Starts the program and the reference window in alternation and prints, over the pairs, the
// median of each and the median and interquartile range of the per-pair ratios: CPU time and
// wall time from launch to the first frame, and peak resident memory; then the animation's CPU
// cost and cycle length, and ComputeRatio and the converter per second.
// Runs on whatever Qt platform the environment names. What the started programs write on
// stderr is shown only when one fails.
#include "clock.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Run {
    double cpuMs = 0;
    double wallMs = 0;
    double peakMiB = 0;
};

// Runs a program, returns what it printed and fills the run's figures.
std::string start(const std::vector<std::string> &command, Run *run = nullptr)
{
    int out[2];
    FILE *errors = std::tmpfile();
    if (pipe(out) != 0 || !errors)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fileno(errors), STDERR_FILENO);
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
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string printed;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto frame = printed.find("frame ");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || (run && frame == std::string::npos)) {
        std::fprintf(stderr, "%s failed:\n", argv[0]);
        std::rewind(errors);
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, errors)) > 0;)
            std::fwrite(buffer, 1, n, stderr);
        std::exit(1);
    }
    std::fclose(errors);
    if (run) {
        long long cpu = 0, shown = 0;
        std::sscanf(printed.c_str() + frame, "frame %lld %lld", &cpu, &shown);
        *run = {double(cpu) / 1e6, double(shown - launched) / 1e6, double(usage.ru_maxrss) / 1024};
    }
    return printed;
}

// The value below which the given share of the values lies, interpolated between neighbours.
double quantile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const double at = share * double(values.size() - 1);
    const size_t below = size_t(at);
    const size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (at - double(below)) * (values[above] - values[below]);
}

double median(const std::vector<double> &values)
{
    return quantile(values, 0.5);
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
    const size_t pairs = argc > 1 ? size_t(std::atoi(argv[1])) : 21;
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const char *bridge = std::getenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    std::printf("%s%s, %zu pairs\n%-36s  program  reference   ratio  ratio IQR\n", platform ? platform : "default",
                bridge ? " with the accessibility bridge" : "", pairs, "");

    start({FORM_PATH}); // warm the caches for both
    start({REFERENCE_PATH});
    std::vector<Run> form(pairs), reference(pairs);
    for (size_t i = 0; i < pairs; ++i) {
        start({FORM_PATH}, &form[i]);
        start({REFERENCE_PATH}, &reference[i]);
    }
    const auto report = [&](const char *what, double Run::*figure) {
        std::vector<double> a, b, ratios;
        for (size_t i = 0; i < pairs; ++i) {
            a.push_back(form[i].*figure);
            b.push_back(reference[i].*figure);
            ratios.push_back(a.back() / b.back());
        }
        std::printf("%-36s %8.2f %10.2f %7.3f  %.3f-%.3f\n", what, median(a), median(b), median(ratios),
                    quantile(ratios, 0.25), quantile(ratios, 0.75));
    };
    report("CPU time to first frame (ms)", &Run::cpuMs);
    report("wall time to first frame (ms)", &Run::wallMs);
    report("peak resident memory (MiB)", &Run::peakMiB);

    const std::string animation = start({FORM_PATH, "animate", "8"});
    const std::vector<double> cycles = figures(animation, "cycle");
    std::printf("animation: CPU %.2f%% of one core, cycle %.1f ms median over %zu cycles (nominal 1600)\n",
                100 * figures(animation, "cpu").at(0), cycles.empty() ? 0.0 : median(cycles), cycles.size());
    const std::string work = start({FORM_PATH, "work", "20000"});
    std::printf("ComputeRatio %.0f per second, converter %.0f per second\n", figures(work, "compute").at(0),
                figures(work, "convert").at(0));
    return 0;
}
