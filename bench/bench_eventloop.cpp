// How long the event loop is held at most while a tool runs, measured from the lateness of a
// timer that should fire every 5 ms: during a quiet run of 10 s, and during a run that prints
// 16 MiB (the output cap) as fast as it can, the writing of its records included. Medians of
// five runs each.
#include "window/widget.h"
#include "tooldir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int tickMs = 5;

struct Holds
{
    double waitMs = 0;    // while the tool ran and its output was decoded
    double recordsMs = 0; // the writing of its log records after that included
};

// The longest gap between two ticks, less the tick, during one run of apsta_info.
Holds longestHolds(DeviceSession &session)
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
    ToolRun run;
    run.arguments = QStringList{interfaceA(), "apsta_info", "-m", "02:1A:7E:00:00:11"};
    run.timeLimitMs = 60000;
    session.runTool(run);
    const qint64 duringWait = longest;
    // The records written after the wait hold the loop too: one more tick counts them.
    QEventLoop settle;
    QTimer::singleShot(3 * tickMs, &settle, &QEventLoop::quit);
    settle.exec();
    timer.stop();
    const auto late = [](qint64 gap) { return std::max(0.0, double(gap) / 1e6 - tickMs); };
    return {late(duringWait), late(longest)};
}

Holds medianHolds(ToolDir &dir, DeviceSession &session, const QJsonObject &fault, int runs)
{
    dir.setFault(QStringLiteral("apsta_info"), fault);
    QList<double> waits;
    QList<double> records;
    for (int i = 0; i < runs; ++i) {
        const Holds holds = longestHolds(session);
        waits.append(holds.waitMs);
        records.append(holds.recordsMs);
    }
    std::sort(waits.begin(), waits.end());
    std::sort(records.begin(), records.end());
    return {waits.at(runs / 2), records.at(runs / 2)};
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

    const Holds quiet = medianHolds(dir, window.session(), {{QStringLiteral("delayMs"), 10000}}, 5);
    const Holds flood =
        medianHolds(dir, window.session(),
                    {{QStringLiteral("floodText"), QStringLiteral("[apsta_info] line of output\n")},
                     {QStringLiteral("floodBytes"), double(16 * 1024 * 1024)}},
                    5);
    std::printf("the longest hold of the event loop (medians of 5, aim at most 50 ms):\n"
                "                             run and output read   with the log records\n"
                "  a quiet run of 10 s        %6.1f ms             %6.1f ms\n"
                "  a run printing 16 MiB      %6.1f ms             %6.1f ms\n",
                quiet.waitMs, quiet.recordsMs, flood.waitMs, flood.recordsMs);
    return 0;
}
