// Load plus layout of license documents of every shape at 0.5, 1 and 2 MB:
// reading the file, building the view's document and laying it out at the
// width of the license page, as showing the page does.
//
//   license_shapes_bench [benchmark options]
//   license_shapes_bench --phases FILE   the time of each phase for one file

#include "licenseshapes.h"

#include "platform/linesink.h"
#include "ui/document.h"
#include "ui/textwithattributedstring.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <fstream>
#include <string_view>

namespace {

// The license page's text area at the window's smallest size.
constexpr QSize pageTextArea{432, 283};

// Builds the view of the license and lays it out as showing the page does;
// returns the height of the laid out text.
qreal showLicense(const Document &document)
{
    TextWithAttributedString view(document.data());
    view.resize(pageTextArea);
    view.show();
    return view.textView()->document()->documentLayout()->documentSize().height();
}

constexpr LicenseShape shapes[] = {LicenseShape::Ordinary,        LicenseShape::OneWord,
                                   LicenseShape::OneParagraph,    LicenseShape::AlternatingRuns,
                                   LicenseShape::EqualRuns,       LicenseShape::EmptyParagraphs};

void loadAndLayOut(benchmark::State &state)
{
    const auto shape = static_cast<LicenseShape>(state.range(0));
    const auto bytes = static_cast<std::size_t>(state.range(1)) * 1024;
    QTemporaryDir folder;
    {
        const std::string rtf = generateShapedRtf(shape, bytes);
        std::ofstream(folder.filePath(QStringLiteral("VeltranoEULA.rtf")).toStdString(), std::ios::binary) << rtf;
    }
    state.SetLabel(std::string(shapeName(shape)));
    linesink::Capture quiet; // a refused document writes its one line here
    for (auto _ : state) {
        Document document([path = folder.path()] { return std::optional<QString>(path); });
        document.load(QStringLiteral("VeltranoEULA"));
        benchmark::DoNotOptimize(showLicense(document));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
}

void shapesAndSizes(benchmark::internal::Benchmark *benchmark)
{
    for (const LicenseShape shape : shapes)
        for (const int kilobytes : {512, 1024, 2048})
            benchmark->Args({static_cast<int>(shape), kilobytes});
}

// Reading, building the view's document and laying it out, each timed.
int printPhases(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    Document document([folder = QFileInfo(path).absolutePath()] { return std::optional<QString>(folder); });
    document.load(QFileInfo(path).completeBaseName());
    const qint64 read = timer.restart();
    TextWithAttributedString view(document.data());
    const qint64 built = timer.restart();
    view.resize(pageTextArea);
    view.show();
    const QSizeF size = view.textView()->document()->documentLayout()->documentSize();
    const qint64 laidOut = timer.restart();
    std::printf("%s: read %lld ms, view %lld ms, layout %lld ms; %d blocks, %.0f px wide, %.0f px high\n",
                qPrintable(path), read, built, laidOut, view.textView()->document()->blockCount(), size.width(),
                size.height());
    return 0;
}

} // namespace

BENCHMARK(loadAndLayOut)->Apply(shapesAndSizes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::string_view(argv[1]) == "--phases")
        return printPhases(QString::fromLocal8Bit(argv[2]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
