// How long reading one discovery output takes, by its size.
//   bench_discovery --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "device/discovery.h"
#include "discoveryreference.h"

#include <benchmark/benchmark.h>

namespace {

QString deviceLines(int count)
{
    QString output;
    output.reserve(count * 110);
    for (int i = 0; i < count; ++i)
        output += QStringLiteral("[discover_list] device 02:1A:7E:%1:%2:%3 at 02:1A:7E:00:00:01 interface eth0 "
                                 "hfid: Arvelo_PL500_FW1.02b05_FWDate_Jan 15 2014\n")
                      .arg(i >> 16 & 0xff, 2, 16, QLatin1Char('0'))
                      .arg(i >> 8 & 0xff, 2, 16, QLatin1Char('0'))
                      .arg(i & 0xff, 2, 16, QLatin1Char('0'));
    return output + QStringLiteral("[discover_list] done\n");
}

void ours(benchmark::State &state)
{
    const QString output = deviceLines(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(parseDiscoveryOutput(output).devices.size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void oursOneLineThenText(benchmark::State &state)
{
    // One device line and then a megabyte without the tag: one long segment.
    const QString output = deviceLines(1) + QString(1 << 20, QLatin1Char('x')) + QStringLiteral(" interface z\n");
    for (auto _ : state)
        benchmark::DoNotOptimize(parseDiscoveryOutput(output).devices.size());
}

void withQRegExp(benchmark::State &state)
{
    const QString output = deviceLines(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(parseDiscoveryOutputWithQRegExp(output).devices.size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(ours)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(oursOneLineThenText)->Unit(benchmark::kMillisecond);
BENCHMARK(withQRegExp)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
