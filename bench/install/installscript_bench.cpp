// Composition of the install script for growing plans: the time per entry
// should stay flat, and the bytes per second show the text throughput.

#include "install/installscript.h"

#include <benchmark/benchmark.h>

namespace {

QStringList plan(int entries)
{
    QStringList elements;
    elements.reserve(entries);
    for (int i = 0; i < entries; ++i) {
        const QString product = QStringLiteral("/opt/bundle/Products/Softhaze %1").arg(3 + i % 2);
        elements.append(i % 2 ? product + QStringLiteral("/Softhaze Lightroom %1").arg(i)
                              : product + QStringLiteral("/Softhaze Plug-in %1").arg(i));
    }
    return elements;
}

void BM_Compose(benchmark::State &state)
{
    const Product::InstallTargets targets{QStringLiteral("/opt/Veltrano/"),
                                          QStringLiteral("/usr/local/share/Adobe/Plug-Ins/CC/Veltrano/"),
                                          QStringLiteral("/home/user/.local/share/Adobe/Lightroom/")};
    const QStringList elements = plan(int(state.range(0)));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QString script = installscript::compose(targets, elements);
        bytes = script.size();
        benchmark::DoNotOptimize(script);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["script_bytes"] = double(bytes);
}
BENCHMARK(BM_Compose)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
