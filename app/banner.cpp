#include "banner.h"

#include "rowdelegate.h"
#include "tool/hfid.h"

QString fillBanner(const QString &bannerTemplate, const QString &hfid)
{
    // One pass over the template, and the values as plain text: an HFID holding "%2" or
    // markup must show as it is, not fill another placeholder or turn into formatting.
    // A value of megabytes would hold the label's every paint: it shows shortened.
    const auto shown = [](const QString &value) { return shortenedText(value).toHtmlEscaped(); };
    return bannerTemplate.arg(shown(modelName(hfid)), shown(firmwareVersion(hfid)),
                              shown(firmwareDate(hfid)));
}
