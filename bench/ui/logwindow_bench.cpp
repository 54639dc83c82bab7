// Opening and closing the log window on an 11 MB log, as a failed run with a
// very chatty command leaves it: the window as it is, against the selectable
// label in a scroll area it used before, in the same run. One round is: fill
// the window, show it, paint it once, then close it again.

#include "state/appsettings.h"
#include "support/fakeenvironment.h"
#include "ui/alerts/logdetailswindow.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype logSize = 11 * 1024 * 1024;

QString manyLines()
{
    QString log;
    log.reserve(logSize + 200);
    for (int i = 0; log.size() < logSize; ++i)
        log += QStringLiteral("cp: cannot create regular file '/opt/Veltrano/Softhaze 3 Plug-in/Textures/grain%1.tif'"
                              ": No space left on device\n")
                   .arg(i);
    return log;
}

QString oneLine() { return QString(logSize, QLatin1Char('x')); }

void showAndPaint(QWidget &window)
{
    window.resize(500, 400);
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
}

void logWindow(benchmark::State &state, const QString &log)
{
    FakeWorld world;
    AppSettings settings(world.environment());
    settings.setLogDetailsStr(log);
    for (auto _ : state) {
        auto *window = new LogDetailsWindow(settings);
        showAndPaint(*window);
        delete window;
        QCoreApplication::processEvents();
    }
}

// The earlier log area: the whole text in one selectable label.
void labelInScrollArea(benchmark::State &state, const QString &log)
{
    for (auto _ : state) {
        auto *area = new QScrollArea;
        auto *label = new QLabel;
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setText(log);
        area->setWidgetResizable(true);
        area->setWidget(label);
        showAndPaint(*area);
        delete area;
        QCoreApplication::processEvents();
    }
}

void BM_LogWindowManyLines(benchmark::State &state) { logWindow(state, manyLines()); }
void BM_LogWindowOneLine(benchmark::State &state) { logWindow(state, oneLine()); }
void BM_LabelManyLines(benchmark::State &state) { labelInScrollArea(state, manyLines()); }

} // namespace

BENCHMARK(BM_LogWindowManyLines)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_LogWindowOneLine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_LabelManyLines)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
