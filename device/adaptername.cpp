#include "adaptername.h"

#include "hfid.h"

namespace {

// A character as the user is told of it: itself in quotes where it can be seen, and its
// code point.
QString describedCharacter(uint codePoint)
{
    const QString code = QStringLiteral("U+%1").arg(codePoint, 4, 16, QLatin1Char('0')).toUpper();
    const QString shown = QString::fromUcs4(&codePoint, 1);
    if (!QChar::isPrint(codePoint) || QChar::isSurrogate(codePoint))
        return code;
    return QStringLiteral("\"%1\" (%2)").arg(shown, code);
}

} // namespace

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

QString hfidWithoutName(const QString &hfid)
{
    const QString name = extractHfidPrefix(hfid);
    return name.isEmpty() ? hfid : hfid.mid(name.size() + 1);
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
            .arg(describedCharacter(*untaken));
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
