#include "selection.h"

#include "hfid.h"

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
