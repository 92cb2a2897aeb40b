#include "discoveryreference.h"

#include <QRegExp>

DiscoveryResult parseDiscoveryOutputWithQRegExp(const QString &output)
{
    const QString tag = QStringLiteral("[discover_list]");
    const QRegExp deviceLine(QStringLiteral("\\[discover_list\\] device .* at .* interface .*"));
    const QRegExp capture(
        QStringLiteral("\\[discover_list\\] device (.*) at (.*) interface .*(hfid: (.*))?"));

    DiscoveryResult result;
    int start = deviceLine.indexIn(output);
    if (start < 0)
        return result;
    result.hasDeviceLine = true;
    int next = output.indexOf(tag, start + 10);
    while (start >= 0) {
        const QString segment = output.mid(start, next < 0 ? -1 : next - start).trimmed();
        QString rewritten = segment;
        rewritten.replace(capture, QStringLiteral("\\1\t\\2\t\\4"));
        result.foundLines.append(rewritten);
        QRegExp probe = capture;
        if (probe.indexIn(segment) >= 0) {
            const QStringList parts = rewritten.split(QLatin1Char('\t'));
            result.devices.append({parts.value(0), parts.value(1), parts.value(2), QString()});
        }
        if (next < 0)
            break;
        start = deviceLine.indexIn(output, next);
        if (start < 0)
            break;
        next = output.indexOf(tag, start + 10);
    }
    return result;
}
