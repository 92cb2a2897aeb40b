// How long the event loop is held at most while a tool runs, measured from the lateness of a
// timer that should fire every 5 ms: during a quiet run of 10 s, and during a run that prints
// 16 MiB (the output cap) as fast as it can. Medians of five runs each.
#include "tooldir.h"
#include "widgetprobe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int tickMs = 5;

// The longest gap between two ticks, less the tick, during one run of apsta_info.
double longestHoldMs(WidgetProbe &probe)
{
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(tickMs);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    timer.start();
    ToolProcess process;
    ToolRun run;
    run.arguments = QStringList{interfaceA(), "apsta_info", "-m", "02:1A:7E:00:00:11"};
    run.timeLimitMs = 60000;
    probe.runTool(process, run);
    timer.stop();
    return std::max(0.0, double(longest) / 1e6 - tickMs);
}

double medianHoldMs(ToolDir &dir, WidgetProbe &probe, const QJsonObject &fault, int runs)
{
    dir.setFault(QStringLiteral("apsta_info"), fault);
    QList<double> holds;
    for (int i = 0; i < runs; ++i)
        holds.append(longestHoldMs(probe));
    std::sort(holds.begin(), holds.end());
    return holds.at(holds.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ToolDir dir;
    if (!dir.isValid())
        return 1;
    dir.writeState({simAdapter(QStringLiteral("02:1A:7E:00:00:11"), interfaceA(),
                               QStringLiteral("PL500_FW1.02b05_FWDate_Jan 15 2014"))});
    Widget window;
    window.show();
    WidgetProbe probe(window);

    const double quiet = medianHoldMs(dir, probe, {{QStringLiteral("delayMs"), 10000}}, 5);
    const double flood = medianHoldMs(dir, probe,
                                      {{QStringLiteral("floodText"), QStringLiteral("[apsta_info] line of output\n")},
                                       {QStringLiteral("floodBytes"), double(16 * 1024 * 1024)}},
                                      5);
    std::printf("the longest hold of the event loop during a run (medians of 5, aim at most 50 ms):\n"
                "  a quiet run of 10 s        %6.1f ms\n  a run printing 16 MiB      %6.1f ms\n",
                quiet, flood);
    return 0;
}
