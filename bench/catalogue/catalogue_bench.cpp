// Product discovery and install planning over generated bundles, reported per
// entry so that linear growth shows as a flat time per item.

#include "catalogue/discovery.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A bundle with `products` product folders of `foldersEach` folders each,
// plus a loose file per product.
class GeneratedBundle
{
public:
    GeneratedBundle(int products, int foldersEach)
    {
        QDir root(m_dir.path());
        for (int p = 0; p < products; ++p) {
            const QString product = QStringLiteral("Products/Product %1").arg(p, 6, 10, QChar(u'0'));
            root.mkpath(product);
            for (int f = 0; f < foldersEach; ++f)
                root.mkpath(product + QStringLiteral("/Folder %1").arg(f));
        }
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

void BM_DiscoverProducts(benchmark::State &state)
{
    const int products = int(state.range(0));
    const GeneratedBundle bundle(products, 0);
    for (auto _ : state) {
        const ProductMap map = discoverProducts(bundle.path());
        benchmark::DoNotOptimize(map);
    }
    state.SetItemsProcessed(state.iterations() * products);
    state.counters["seconds_per_product"] =
        benchmark::Counter(double(state.iterations() * products), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DiscoverProducts)->Arg(1000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_PlanElements(benchmark::State &state)
{
    const int products = int(state.range(0));
    const GeneratedBundle bundle(products, 10);
    const ProductMap map = discoverProducts(bundle.path());
    for (auto _ : state) {
        const InstallPlan plan = planInstall(map);
        benchmark::DoNotOptimize(plan);
    }
    state.SetItemsProcessed(state.iterations() * products * 10);
    state.counters["seconds_per_element"] = benchmark::Counter(double(state.iterations() * products * 10),
                                                          benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PlanElements)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
