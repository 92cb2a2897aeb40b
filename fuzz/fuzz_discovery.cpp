// Arbitrary tool output into the discovery reader, checked against QRegExp's reading.
#include "device/discovery.h"
#include "discoveryreference.h"
#include "device/toolrun.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // QRegExp is slow on long texts; short ones find the differences just as well.
    if (size > 4096)
        return 0;
    const QString output = decodeToolOutput(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    const DiscoveryResult fast = parseDiscoveryOutput(output);
    const DiscoveryResult reference = parseDiscoveryOutputWithQRegExp(output);
    if (fast.hasDeviceLine != reference.hasDeviceLine || fast.foundLines != reference.foundLines
        || !(fast.devices == reference.devices)) {
        std::fprintf(stderr, "discovery differs from QRegExp for: %s\n", qPrintable(output));
        std::abort();
    }
    return 0;
}
