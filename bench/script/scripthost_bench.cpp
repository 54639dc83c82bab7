// The script host's cost per `do shell script` command, against spawning
// /bin/sh -c with the same command directly, measured in one run. The ratios
// are printed after the table.
#include "install/scripthost.h"

#include <QFile>
#include <QString>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
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

QString script(const QString &line)
{
    QString text = QStringLiteral("try\n");
    for (int i = 0; i < commandsPerScript; ++i)
        text += line + u'\n';
    return text + QStringLiteral("on error errMsg\nreturn errMsg\nend try\nreturn \"Ok\"");
}

// The install folders below a temporary root of the benchmark's own.
const QString &stage()
{
    static const QString folder = [] {
        char name[] = "/tmp/scripthost_bench-XXXXXX";
        const char *made = mkdtemp(name);
        return made ? QString::fromLocal8Bit(made) : QStringLiteral("/tmp");
    }();
    return folder;
}

scripthost::Options helperDirectly()
{
    scripthost::Options options = scripthost::Options::system();
    options.elevation.clear(); // as root the helper is started directly
    options.helperPath = QStringLiteral(VELTRANO_HELPER_PATH);
    options.targets = Product::targetsFrom({stage() + QStringLiteral("/opt"), stage() + QStringLiteral("/usr/local/share"),
                                            stage() + QStringLiteral("/xdg")});
    options.installRoot = stage();
    return options;
}

// A command in the user's Lightroom folder, which the helper runs as the user.
QString asUserLine()
{
    const QString folder = helperDirectly().targets.userAppSuppLR;
    mkdir(QFile::encodeName(stage() + QStringLiteral("/xdg")).constData(), 0755);
    mkdir(QFile::encodeName(stage() + QStringLiteral("/xdg/Adobe")).constData(), 0755);
    mkdir(QFile::encodeName(folder).constData(), 0755);
    return QStringLiteral("do shell script \"%1 > \\\"%2out\\\"\" with administrator privileges").arg(QString::fromLatin1(command), folder);
}

// One of root's own requests: make the maker's folder.
QString asRootLine()
{
    return QStringLiteral("do shell script \"mkdir -p \\\"%1\\\"\" with administrator privileges").arg(helperDirectly().targets.appVeltrano);
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
    const QString source = script(QStringLiteral("do shell script \"%1\"").arg(QString::fromLatin1(command)));
    const scripthost::Options options = helperDirectly();
    for (auto _ : state)
        if (scripthost::runWith(source, options).result != u"Ok")
            state.SkipWithError("the script failed");
    perCommand(state, commandsPerScript);
}
BENCHMARK(BM_HostPlainCommand)->UseRealTime();

void privileged(benchmark::State &state, const QString &line)
{
    if (geteuid() != 0) {
        state.SkipWithError("privileged commands are measured as root, where no password is asked");
        return;
    }
    const QString source = script(line);
    const scripthost::Options options = helperDirectly();
    for (auto _ : state)
        if (scripthost::runWith(source, options).result != u"Ok")
            state.SkipWithError("the script failed");
    perCommand(state, commandsPerScript);
}

// Shell text through the helper, which runs it as the user.
void BM_HostPrivilegedCommand(benchmark::State &state) { privileged(state, asUserLine()); }
BENCHMARK(BM_HostPrivilegedCommand)->UseRealTime();

// A typed request that root carries out itself, in a worker it watches.
void BM_HostRootRequest(benchmark::State &state) { privileged(state, asRootLine()); }
BENCHMARK(BM_HostRootRequest)->UseRealTime();

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
