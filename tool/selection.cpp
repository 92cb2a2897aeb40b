#include "selection.h"

#include "discovery.h"
#include "rowdelegate.h"

QString firmwareDate(const QString &hfid)
{
    // The marker, then one separator character, then an 11-character date.
    return hfid.mid(hfid.lastIndexOf(QLatin1String("_FWDate")) + 8).left(11);
}

QString firmwareVersion(const QString &hfid)
{
    QString version = hfidBeforeDate(hfid);
    version = version.mid(version.lastIndexOf(QLatin1String("_FW")) + 3);
    const int build = version.indexOf(QLatin1Char('b'), 0, Qt::CaseInsensitive);
    return build < 0 ? version : version.left(build);
}

QString rowAddress(const QString &rowText)
{
    const int separator = rowText.indexOf(QLatin1String(" - "));
    return separator < 0 ? rowText : rowText.left(separator);
}

int lastRowOf(const QStringList &rows, const QString &address)
{
    // The selection keeps the last record of an address, so its row is the last one too.
    for (int row = rows.size() - 1; row >= 0; --row) {
        if (rowAddress(rows.at(row)) == address)
            return row;
    }
    return -1;
}

QString fillBanner(const QString &bannerTemplate, const QString &hfid)
{
    // One pass over the template, and the values as plain text: an HFID holding "%2" or
    // markup must show as it is, not fill another placeholder or turn into formatting.
    // A value of megabytes would hold the label's every paint: it shows shortened.
    const auto shown = [](const QString &value) { return shortenedText(value).toHtmlEscaped(); };
    return bannerTemplate.arg(shown(modelName(hfid)), shown(firmwareVersion(hfid)),
                              shown(firmwareDate(hfid)));
}
