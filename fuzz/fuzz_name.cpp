// Arbitrary names through the name rules: a name that they take comes back whole, with the
// HFID written in front of it, from the device line that the tool prints for the adapter, as
// the discovery reader and QRegExp's reading both read it.
#include "device/adaptername.h"
#include "device/discovery.h"
#include "device/hfid.h"
#include "discoveryreference.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The manufacturer HFIDs of the tests' adapters; the first byte chooses one.
const char *const manufacturerHfids[] = {
    "PL500_FW1.02b05_FWDate_Jan 15 2014",
    "PL1200_FW2.00_FWDate_Mar 03 2015",
    "M_FW1_FWDate_2014",
    "Model07_FW1.02B05_FWDate_Jan 15 2014",
};

void check(bool holds, const QString &name, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "%s for the name: %s\n", what, qPrintable(name));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2 || size > 200)
        return 0;
    const QString manufacturerHfid = QString::fromLatin1(manufacturerHfids[data[0] % 4]);
    const QString name = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), int(size - 1));
    if (!nameRefusal(name, manufacturerHfid).isEmpty())
        return 0;
    const QString written = keptUserHfid(name, manufacturerHfid);
    // As the stand-in prints it, on Windows too.
    for (const QString &lineEnd : {QStringLiteral("\n"), QStringLiteral("\r\n")}) {
        const QString output = QStringLiteral("[discover_list] device 02:1A:7E:00:00:01 at 02:1A:7E:00:00:01 "
                                              "interface eth0 hfid: ") +
                               written + lineEnd + QStringLiteral("[discover_list] 1 device(s) found on ") +
                               QStringLiteral("02:00:00:00:00:0A") + lineEnd;
        const DiscoveryResult read = parseDiscoveryOutput(output);
        check(read.devices.size() == 1 && read.devices.first().hfid == written, name, "not read back whole");
        check(read.devices == parseDiscoveryOutputWithQRegExp(output).devices, name, "read unlike QRegExp");
    }
    check(name.isEmpty() || extractHfidPrefix(written) == name, name, "another name read back");
    return 0;
}
