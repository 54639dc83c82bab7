// The script host's cost per `do shell script` command, against spawning
// /bin/sh -c with the same command directly, measured in one run. The ratios
// are printed after the table.
#include "install/scripthost.h"

#include <QString>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int commandsPerScript = 20;
const char *const command = "echo benchmark";

// The baseline: one /bin/sh -c with its output read to the end.
void directShell()
{
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    char sh[] = "sh", c[] = "-c";
    std::string text = command;
    char *argv[] = {sh, c, text.data(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, "/bin/sh", &actions, nullptr, argv, environ) != 0)
        std::abort();
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    char buffer[4096];
    while (read(out[0], buffer, sizeof buffer) > 0) {
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
}

QString script(const char *privileges)
{
    QString text = QStringLiteral("try\n");
    for (int i = 0; i < commandsPerScript; ++i)
        text += QStringLiteral("do shell script \"%1\"%2\n").arg(QString::fromLatin1(command), QString::fromLatin1(privileges));
    return text + QStringLiteral("on error errMsg\nreturn errMsg\nend try\nreturn \"Ok\"");
}

scripthost::Options helperDirectly()
{
    scripthost::Options options = scripthost::Options::system();
    options.elevation.clear(); // as root the helper is started directly
    options.helperPath = QStringLiteral(VELTRANO_HELPER_PATH);
    return options;
}

void perCommand(benchmark::State &state, int commands)
{
    state.counters["per_command"] =
        benchmark::Counter(commands, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_DirectShell(benchmark::State &state)
{
    for (auto _ : state)
        directShell();
    perCommand(state, 1);
}
BENCHMARK(BM_DirectShell)->UseRealTime();

void BM_HostPlainCommand(benchmark::State &state)
{
    const QString source = script("");
    const scripthost::Options options = helperDirectly();
    for (auto _ : state)
        if (scripthost::runWith(source, options).result != u"Ok")
            state.SkipWithError("the script failed");
    perCommand(state, commandsPerScript);
}
BENCHMARK(BM_HostPlainCommand)->UseRealTime();

void BM_HostPrivilegedCommand(benchmark::State &state)
{
    if (geteuid() != 0) {
        state.SkipWithError("privileged commands are measured as root, where no password is asked");
        return;
    }
    const QString source = script(" with administrator privileges");
    const scripthost::Options options = helperDirectly();
    for (auto _ : state)
        if (scripthost::runWith(source, options).result != u"Ok")
            state.SkipWithError("the script failed");
    perCommand(state, commandsPerScript);
}
BENCHMARK(BM_HostPrivilegedCommand)->UseRealTime();

// Keeps each benchmark's time per command so the ratios can be printed.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const auto found = run.counters.find("per_command");
            // Plain runs and the median of repeated runs are compared.
            if (found == run.counters.end() || run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                m_perCommand[run.run_name.function_name] = found->second.value;
        }
    }

    void printRatios() const
    {
        const auto base = m_perCommand.find("BM_DirectShell");
        if (base == m_perCommand.end())
            return;
        for (const auto &[name, seconds] : m_perCommand)
            std::printf("%-36s %9.1f us per command, %5.2f x direct /bin/sh -c\n", name.c_str(), seconds * 1e6,
                        seconds / base->second);
    }

private:
    std::map<std::string, double> m_perCommand;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
