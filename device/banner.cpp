#include "banner.h"

#include "device/hfid.h"
#include "device/texts.h"

#include <QCoreApplication>

QString fillBanner(const QString &bannerTemplate, const QString &hfid)
{
    // One pass over the template, and the values as plain text: an HFID holding "%2" or
    // markup must show as it is, not fill another placeholder or turn into formatting.
    // A value of megabytes would hold the label's every paint: it shows shortened.
    const auto shown = [](const QString &value) { return shortenedText(value).toHtmlEscaped(); };
    QString banner =
        bannerTemplate.arg(shown(modelName(hfid)), shown(firmwareVersion(hfid)), shown(firmwareDate(hfid)));
    const QString name = extractHfidPrefix(hfid);
    if (!name.isEmpty()) {
        const QString body = QStringLiteral("<body>");
        const int at = banner.indexOf(body);
        banner.insert(at < 0 ? 0 : at + body.size(), QStringLiteral("<p><b>%1</b></p>").arg(shown(name)));
    }
    return banner;
}

QString adapterHeard(const QString &hfid, const QString &address)
{
    const QString name = shortenedText(extractHfidPrefix(hfid));
    const QString model = shortenedText(modelName(hfid));
    if (name.isEmpty())
        return QCoreApplication::translate("Banner", "Model %1, address %2")
            .arg(model, shortenedText(address));
    //: %1 is the adapter's own name
    return QCoreApplication::translate("Banner", "%1, model %2, address %3")
        .arg(name, model, shortenedText(address));
}
