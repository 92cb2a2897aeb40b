#include "adaptername.h"

#include "hfid.h"

std::optional<uint> firstOutsidePrintableAscii(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() >= 0x20 && c.unicode() <= 0x7e)
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            return QChar::surrogateToUcs4(c, text.at(i + 1));
        return c.unicode();
    }
    return std::nullopt;
}

QString describedCharacter(uint codePoint, bool withCode)
{
    const QString code = QStringLiteral("U+%1").arg(codePoint, 4, 16, QLatin1Char('0')).toUpper();
    // A control character or a lone half of a pair is named by its code.
    if (!QChar::isPrint(codePoint) || QChar::isSurrogate(codePoint))
        return code;
    const QString shown = QString::fromUcs4(&codePoint, 1);
    return withCode ? QStringLiteral("\"%1\" (%2)").arg(shown, code) : QStringLiteral("\"%1\"").arg(shown);
}

QString hfidWithoutName(const QString &hfid)
{
    const QString name = extractHfidPrefix(hfid);
    return name.isEmpty() ? hfid : hfid.mid(name.size() + 1);
}

NameChoice nameChoice(const QString &hfid)
{
    return {leftWholeCharacters(extractHfidPrefix(hfid), maxHfidBytes), hfidWithoutName(hfid)};
}

int nameRoom(const QString &manufacturerHfid)
{
    return qMax(0, maxHfidBytes - manufacturerHfid.toUtf8().size() - 1);
}

QString nameRefusal(const QString &name, const QString &manufacturerHfid)
{
    if (name.isEmpty())
        return QString();
    // Other tools and the adapters' own pages show nothing else.
    if (const std::optional<uint> untaken = firstOutsidePrintableAscii(name)) {
        return QStringLiteral("The name cannot hold %1: an adapter's name takes only printable ASCII "
                              "characters (letters, digits, blanks and the signs from ! to ~).")
            .arg(describedCharacter(*untaken, true));
    }
    const int room = nameRoom(manufacturerHfid);
    if (room == 0)
        return QStringLiteral("This adapter takes no name: its own HFID fills the %1 bytes that it "
                              "holds.")
            .arg(maxHfidBytes);
    if (name.size() > room)
        return QStringLiteral("The name is too long: this adapter takes a name of at most %1 %2.")
            .arg(room)
            .arg(room == 1 ? QStringLiteral("character") : QStringLiteral("characters"));
    return QString();
}

QString namePromptText(const QString &typed, const QString &manufacturerHfid)
{
    const QString question = QStringLiteral("The adapter's new name (an empty name removes it):\n");
    const QString name = typed.trimmed();
    const QString refusal = nameRefusal(name, manufacturerHfid);
    if (!refusal.isEmpty())
        return question + refusal;
    const int left = nameRoom(manufacturerHfid) - name.size();
    return question + (left == 1 ? QStringLiteral("1 character left.")
                                 : QStringLiteral("%1 characters left.").arg(left));
}
