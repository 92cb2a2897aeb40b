#include "hfid.h"

namespace {

// The HFID before its last "_FWDate".
QString hfidBeforeDate(const QString &hfid)
{
    return hfid.left(hfid.lastIndexOf(QLatin1String("_FWDate")));
}

// That part before its last "_FW": the prefix, if any, and the model.
QString hfidBeforeFirmware(const QString &hfid)
{
    const QString beforeDate = hfidBeforeDate(hfid);
    return beforeDate.left(beforeDate.lastIndexOf(QLatin1String("_FW")));
}

} // namespace

QString modelName(const QString &hfid)
{
    const QString name = hfidBeforeFirmware(hfid);
    return name.mid(name.lastIndexOf(QLatin1Char('_')) + 1);
}

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

QString extractHfidPrefix(const QString &hfid)
{
    const QString head = hfidBeforeFirmware(hfid);
    const int beforeModel = head.lastIndexOf(QLatin1Char('_'));
    return beforeModel < 0 ? QString() : head.left(beforeModel);
}

QString reportedHfid(const QString &output)
{
    const QString marker = QStringLiteral("hfid: ");
    const int at = output.indexOf(marker);
    return at < 0 ? QString() : output.mid(at + marker.size()).trimmed();
}

QString keptUserHfid(const QString &hfidPrefix, const QString &manufacturerHfid)
{
    return hfidPrefix.isEmpty() ? manufacturerHfid : hfidPrefix + QLatin1Char('_') + manufacturerHfid;
}

FittedHfid fittedUserHfid(const QString &hfidPrefix, const QString &manufacturerHfid)
{
    const QString whole = keptUserHfid(hfidPrefix, manufacturerHfid);
    if (hfidPrefix.isEmpty() || whole.toUtf8().size() <= maxHfidBytes)
        return {whole, false};
    // Room for the prefix once the manufacturer HFID and its "_" are in.
    const int room = maxHfidBytes - manufacturerHfid.toUtf8().size() - 1;
    return {keptUserHfid(leftWithinUtf8Bytes(hfidPrefix, room), manufacturerHfid), true};
}

QString leftWholeCharacters(const QString &text, int maxChars)
{
    if (text.size() <= maxChars)
        return text;
    QString shown = text.left(qMax(0, maxChars));
    if (!shown.isEmpty() && shown.at(shown.size() - 1).isHighSurrogate())
        shown.chop(1);
    return shown;
}

QString leftWithinUtf8Bytes(const QString &text, int maxBytes)
{
    int end = 0;
    int room = maxBytes;
    while (end < text.size() && room > 0) {
        const int length = text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
        const int bytes = text.midRef(end, length).toUtf8().size();
        if (bytes > room)
            break;
        room -= bytes;
        end += length;
    }
    return text.left(end);
}
