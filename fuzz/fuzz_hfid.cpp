// Arbitrary HFIDs through the cutting of model name, firmware version, date and prefix.
#include "device/adaptername.h"
#include "device/banner.h"
#include "device/hfid.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString hfid = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QString model = modelName(hfid);
    const QString version = firmwareVersion(hfid);
    const QString date = firmwareDate(hfid);
    const QString prefix = extractHfidPrefix(hfid);
    // Every piece is cut out of the HFID; the date has at most 11 characters; the prefix
    // leads the HFID and, with its "_", stands in front of the model name.
    if (!hfid.contains(model) || !hfid.contains(version) || !hfid.contains(date) || date.size() > 11
        || !hfid.startsWith(prefix))
        std::abort();
    if (!prefix.isEmpty() && !hfid.mid(prefix.size()).startsWith(QLatin1Char('_') + model))
        std::abort();
    // A rename keeps all of the HFID behind its name; a name that the rules take is printable
    // ASCII and fits in front of it.
    const QString rest = hfidWithoutName(hfid);
    if (keptUserHfid(prefix, rest) != hfid)
        std::abort();
    if (nameRefusal(hfid, rest).isEmpty() && !hfid.isEmpty()) {
        if (keptUserHfid(hfid, rest).toUtf8().size() > maxHfidBytes)
            std::abort();
        for (const QChar c : hfid) {
            if (c.unicode() < 0x20 || c.unicode() > 0x7e)
                std::abort();
        }
    }
    const QString banner = fillBanner(QStringLiteral("%1|%2|%3"), hfid);
    if (banner.count(QLatin1Char('|')) < 2)
        std::abort();
    return 0;
}
