#include "discovery.h"

#include "hfid.h"

namespace {

const QString tag = QStringLiteral("[discover_list]");
const QString lineStart = QStringLiteral("[discover_list] device ");
const QString atMarker = QStringLiteral(" at ");
const QString interfaceMarker = QStringLiteral(" interface ");
const QString hfidMarker = QStringLiteral("hfid: ");

// Where the " at " of a device line starting at `start` must lie so that an " interface "
// still follows it: the last " at " before the last " interface ", if it is late enough.
// Returns -1 when the text from `start` holds no whole device line.
int lastUsableAt(const QString &text, int start)
{
    const int interfaceAt = text.lastIndexOf(interfaceMarker);
    if (interfaceAt < 0 || interfaceAt - atMarker.size() < 0)
        return -1;
    const int at = text.lastIndexOf(atMarker, interfaceAt - atMarker.size());
    return at >= start + lineStart.size() ? at : -1;
}

// The segment rewritten as "ADDRESS\tAT\tHFID", or the segment itself when it holds no
// whole device line; `whole` says which.
QString rewriteSegment(const QString &segment, bool *whole)
{
    const int at = lastUsableAt(segment, 0);
    *whole = at >= 0;
    if (!*whole)
        return segment;
    const int interfaceAt = segment.lastIndexOf(interfaceMarker);
    const int hfidAt = segment.indexOf(hfidMarker, interfaceAt + interfaceMarker.size());
    const int address = lineStart.size();
    QString rewritten = segment.mid(address, at - address);
    rewritten += QLatin1Char('\t');
    rewritten += segment.midRef(at + atMarker.size(), interfaceAt - at - atMarker.size());
    rewritten += QLatin1Char('\t');
    if (hfidAt >= 0)
        rewritten += segment.midRef(hfidAt + hfidMarker.size());
    return rewritten;
}

} // namespace

DiscoveryResult parseDiscoveryOutput(const QString &output)
{
    DiscoveryResult result;
    // A device line may start anywhere up to this index; its " at " and " interface "
    // may lie beyond later tags.
    const int lastAt = lastUsableAt(output, 0);
    if (lastAt < 0)
        return result;
    const int lastStart = lastAt - lineStart.size();

    int start = output.indexOf(lineStart);
    if (start < 0 || start > lastStart)
        return result;
    result.hasDeviceLine = true;

    while (start >= 0) {
        // The search begins inside the tag at `start`, so it finds the next one.
        const int next = output.indexOf(tag, start + 10);
        const QString segment = output.mid(start, next < 0 ? -1 : next - start).trimmed();
        bool whole = false;
        const QString rewritten = rewriteSegment(segment, &whole);
        result.foundLines.append(rewritten);
        if (whole) {
            const QStringList parts = rewritten.split(QLatin1Char('\t'));
            result.devices.append({parts.value(0), parts.value(1), parts.value(2), QString()});
        }
        if (next < 0)
            break;
        start = output.indexOf(lineStart, next);
        if (start > lastStart)
            break;
    }
    return result;
}
