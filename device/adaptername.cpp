#include "adaptername.h"

#include "discovery.h"
#include "hfid.h"

#include <QCoreApplication>

namespace {

// The parts of a device line that the discovery reader cuts it at: a name that holds one
// would be read wrongly by every later scan.
QString unreadablePart(const QString &name)
{
    if (name.contains(QLatin1String("[discover_list]")))
        return QStringLiteral("[discover_list]");
    // The blank in front of a leading "interface " is the one after "hfid:".
    if (name.startsWith(QLatin1String("interface ")))
        return QStringLiteral("interface ");
    if (name.contains(QLatin1String(" interface ")))
        return QStringLiteral(" interface ");
    return QString();
}

} // namespace

QString hfidAsListed(const QString &hfid)
{
    const QString address = QStringLiteral("02:00:00:00:00:01");
    // As the tool prints it, with the line that ends its list after it.
    const QString output = QStringLiteral("[discover_list] device ") + address + QStringLiteral(" at ") +
                           address + QStringLiteral(" interface eth0 hfid: ") + hfid +
                           QStringLiteral("\n[discover_list] 1 device(s) found on 02:00:00:00:00:00\n");
    const DeviceList read = parseDiscoveryOutput(output).devices;
    if (read.size() != 1 || read.first().address != address || read.first().at != address)
        return QString();
    return read.first().hfid;
}

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

QString describedCharacter(uint codePoint)
{
    const QString code = QStringLiteral("U+%1").arg(codePoint, 4, 16, QLatin1Char('0')).toUpper();
    // A control character or a lone half of a pair is named by its code.
    if (!QChar::isPrint(codePoint) || QChar::isSurrogate(codePoint))
        return code;
    const QString shown = QString::fromUcs4(&codePoint, 1);
    return QStringLiteral("\"%1\" (%2)").arg(shown, code);
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

QString nameRefusal(const QString &name, const QString &manufacturerHfid, bool translated)
{
    if (name.isEmpty())
        return QString();
    // No catalogue has the empty context: the English source, with its %n filled in.
    const auto said = [translated](const char *source, int n = -1) {
        return QCoreApplication::translate(translated ? "AdapterName" : "", source, nullptr, n);
    };
    // Other tools and the adapters' own pages show nothing else.
    if (const std::optional<uint> untaken = firstOutsidePrintableAscii(name)) {
        return said(QT_TRANSLATE_NOOP("AdapterName",
                                      "The name cannot hold %1: an adapter's name takes only printable ASCII "
                                      "characters (letters, digits, blanks and the signs from ! to ~)."))
            .arg(describedCharacter(*untaken));
    }
    const int room = nameRoom(manufacturerHfid);
    if (room == 0)
        return said(QT_TRANSLATE_NOOP("AdapterName", "This adapter takes no name: its own HFID fills the %1 "
                                                     "bytes that it holds."))
            .arg(maxHfidBytes);
    if (hfidAsListed(keptUserHfid(name, manufacturerHfid)) != keptUserHfid(name, manufacturerHfid)) {
        const QString part = unreadablePart(name);
        if (part.isEmpty())
            return said(QT_TRANSLATE_NOOP("AdapterName",
                                          "The list of adapters would not read this name back whole: "
                                          "the adapter would be shown there without its name and model."));
        return said(QT_TRANSLATE_NOOP("AdapterName",
                                      "The name cannot hold \"%1\": the list of adapters would read it "
                                      "wrongly, and show the adapter without its name and model."))
            .arg(part);
    }
    if (name.size() > room)
        return said(
            QT_TRANSLATE_N_NOOP("AdapterName",
                                "The name is too long: this adapter takes a name of at most %n characters."),
            room);
    return QString();
}

QString namePromptText(const QString &typed, const QString &manufacturerHfid)
{
    const QString name = typed.trimmed();
    const QString refusal = nameRefusal(name, manufacturerHfid);
    if (!refusal.isEmpty())
        return QCoreApplication::translate("NamePrompt",
                                           "The adapter's new name (an empty name removes it):\n%1")
            .arg(refusal);
    // Without a model the list holds no HFID that Tandrel could count from: the adapter's own
    // is read before anything is written.
    if (modelName(manufacturerHfid).isEmpty())
        return QCoreApplication::translate(
            "NamePrompt", "The adapter's new name (an empty name removes it):\nThe list shows no "
                          "model for this adapter, so Tandrel cannot tell how many characters its "
                          "name may have.");
    const int left = nameRoom(manufacturerHfid) - name.size();
    return QCoreApplication::translate(
        "NamePrompt", "The adapter's new name (an empty name removes it):\n%n characters left.", nullptr,
        left);
}
