// How long a scan over four interfaces takes beside one over a single interface, when
// every discovery takes one second: the runs start together, so four should cost about
// as much as one. Medians of five scans each, then their ratio.
#include "tooldir.h"
#include "window/widget.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {

double medianScanMs(Widget &window, const QList<QString> &interfaces, int scans)
{
    window.session().setLocalAddresses(interfaces);
    QList<qint64> times;
    for (int i = 0; i < scans; ++i) {
        QElapsedTimer timer;
        timer.start();
        window.scanDevices();
        times.append(timer.elapsed());
    }
    std::sort(times.begin(), times.end());
    return double(times.at(times.size() / 2));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ToolDir dir;
    if (!dir.isValid())
        return 1;
    const QList<QString> interfaces{"02:00:00:00:00:0A", "02:00:00:00:00:0B", "02:00:00:00:00:0C",
                                    "02:00:00:00:00:0D"};
    QJsonArray adapters;
    for (int i = 0; i < interfaces.size(); ++i)
        adapters.append(simAdapter(QStringLiteral("02:1A:7E:00:01:0%1").arg(i), interfaces.at(i),
                                   QStringLiteral("PL500_FW1.02b05_FWDate_Jan 15 2014")));
    dir.writeState(adapters);
    Widget window;
    dir.setFault(QStringLiteral("discover_list"), {{QStringLiteral("delayMs"), 1000}});

    const double one = medianScanMs(window, interfaces.mid(0, 1), 5);
    const double four = medianScanMs(window, interfaces, 5);
    std::printf("scan, each discovery taking 1 s (medians of 5):\n"
                "  1 interface   %6.0f ms\n  4 interfaces  %6.0f ms\n  ratio         %6.3f\n",
                one, four, four / one);
    return window.session().devices().size() == 4 ? 0 : 1;
}
