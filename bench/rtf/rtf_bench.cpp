// The RTF reader against Debian's unrtf on the same generated 10 MB license,
// in one run: the reader alone against `unrtf --text`, and the whole load
// into the license view against `unrtf --html`.
//
//   rtf_bench [benchmark options]      the timings
//   rtf_bench --write FILE             writes the generated license to FILE
//   rtf_bench --peak-rss read FILE     reads FILE once, prints the peak RSS
//   rtf_bench --peak-rss load FILE     loads FILE into the view, prints the peak RSS

#include "licensegenerator.h"

#include "platform/linesink.h"
#include "rtf/reader.h"
#include "ui/document.h"
#include "ui/textwithattributedstring.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t licenseBytes = 10 * 1024 * 1024;

QTemporaryDir *folder = nullptr;

QString licensePath()
{
    return folder->filePath(QStringLiteral("VeltranoEULA.rtf"));
}

std::string readFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    std::string bytes;
    file.seekg(0, std::ios::end);
    bytes.resize(static_cast<std::size_t>(std::max<std::streamoff>(file.tellg(), 0)));
    file.seekg(0);
    file.read(bytes.data(), std::streamsize(bytes.size()));
    return bytes;
}

bool writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(file);
}

std::size_t readLicense(const std::string &path)
{
    const rtf::ReadResult result = rtf::read(readFile(path));
    const auto *text = std::get_if<rtf::FormattedText>(&result);
    return text ? text->paragraphs.size() : 0;
}

int loadLicense(const QString &folderPath)
{
    Document document([folderPath] { return std::optional<QString>(folderPath); });
    document.load(QStringLiteral("VeltranoEULA"));
    const TextWithAttributedString view(document.data());
    return view.textView()->document()->blockCount();
}

void runCommand(benchmark::State &state, const std::string &command)
{
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            return;
        }
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(licenseBytes));
}

void readerAlone(benchmark::State &state)
{
    const std::string path = licensePath().toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(readLicense(path));
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(licenseBytes));
}

void unrtfText(benchmark::State &state)
{
    runCommand(state, "unrtf --text '" + licensePath().toStdString() + "' > /dev/null 2>&1");
}

void fullLoadIntoView(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loadLicense(folder->path()));
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(licenseBytes));
}

void unrtfHtml(benchmark::State &state)
{
    runCommand(state, "unrtf --html '" + licensePath().toStdString() + "' > /dev/null 2>&1");
}

long peakRssKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

BENCHMARK(readerAlone)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(unrtfText)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(fullLoadIntoView)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(unrtfHtml)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::string_view(argv[1]) == "--write")
        return writeFile(argv[2], generateLicenseRtf(licenseBytes)) ? 0 : 1;
    if (argc == 4 && std::string_view(argv[1]) == "--peak-rss") {
        const std::string mode = argv[2];
        const std::string path = argv[3];
        const long before = peakRssKilobytes();
        long result = 0;
        if (mode == "read") {
            result = long(readLicense(path));
        } else {
            QApplication app(argc, argv);
            const long withQt = peakRssKilobytes();
            std::fprintf(stderr, "peak RSS with the application started: %ld KiB\n", withQt);
            result = loadLicense(QFileInfo(QString::fromLocal8Bit(path.c_str())).absolutePath());
        }
        std::printf("%s %s: %ld units, peak RSS %ld KiB (at start %ld KiB)\n", mode.c_str(), path.c_str(), result,
                    peakRssKilobytes(), before);
        return result > 0 ? 0 : 1;
    }

    QApplication app(argc, argv);
    QTemporaryDir temporary;
    folder = &temporary;
    if (!writeFile(licensePath().toStdString(), generateLicenseRtf(licenseBytes))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(licensePath()));
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
