#include "selection.h"

#include "hfid.h"
#include "rowdelegate.h"

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
