#include "tooldir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>

QJsonObject simAdapter(const QString &address, const QString &interfaceAddress, const QString &userHfid,
                       const QString &manufacturerHfid)
{
    return QJsonObject{
        {QStringLiteral("address"), address},
        {QStringLiteral("at"), QStringLiteral("02:1A:7E:00:00:01")},
        {QStringLiteral("interface"), interfaceAddress},
        {QStringLiteral("interfaceName"), QStringLiteral("eth9")},
        {QStringLiteral("manufacturerHfid"), manufacturerHfid.isEmpty() ? userHfid : manufacturerHfid},
        {QStringLiteral("userHfid"), userHfid},
        {QStringLiteral("password"), QStringLiteral("HomePlugAV")},
        {QStringLiteral("nmk"), QStringLiteral("50d3e4933f855b7040784df815aa8db7")},
        {QStringLiteral("pairing"), QStringLiteral("idle")},
    };
}

ToolDir::ToolDir()
    : previous(QDir::currentPath())
{
    const QString tool = dir.filePath(QStringLiteral("pwlctl.exe"));
    valid = dir.isValid() && QFile::copy(QStringLiteral(PWLCTL_SIM), tool) && QDir::setCurrent(dir.path());
    // An empty set of adapters unless a test says otherwise; no demo adapters appear.
    if (valid)
        writeState(QJsonArray());
}

ToolDir::~ToolDir()
{
    QDir::setCurrent(previous);
}

void ToolDir::writeState(const QJsonArray &adapters, const QJsonObject &faults)
{
    QFile file(filePath(QStringLiteral("pwlctl-sim.json")));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(QJsonDocument(QJsonObject{{QStringLiteral("adapters"), adapters},
                                         {QStringLiteral("faults"), faults}})
                   .toJson());
}

QJsonObject ToolDir::state() const
{
    QFile file(filePath(QStringLiteral("pwlctl-sim.json")));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonObject ToolDir::adapter(const QString &address) const
{
    const QJsonArray adapters = state().value(QStringLiteral("adapters")).toArray();
    for (const QJsonValue &value : adapters) {
        if (value.toObject().value(QStringLiteral("address")).toString() == address)
            return value.toObject();
    }
    return QJsonObject();
}

void ToolDir::setFault(const QString &key, const QJsonObject &fault)
{
    const QJsonObject current = state();
    QJsonObject faults = current.value(QStringLiteral("faults")).toObject();
    faults[key] = fault;
    writeState(current.value(QStringLiteral("adapters")).toArray(), faults);
}

void ToolDir::removeTool()
{
    QFile::remove(filePath(QStringLiteral("pwlctl.exe")));
}

QList<QJsonObject> ToolDir::callRecords() const
{
    QList<QJsonObject> records;
    QFile file(filePath(QStringLiteral("pwlctl-sim.calls")));
    if (!file.open(QIODevice::ReadOnly))
        return records;
    while (!file.atEnd()) {
        const QJsonObject record = QJsonDocument::fromJson(file.readLine()).object();
        if (!record.isEmpty())
            records.append(record);
    }
    return records;
}

QList<QStringList> ToolDir::calls() const
{
    QList<QStringList> result;
    for (const QJsonObject &record : callRecords()) {
        if (record.contains(QStringLiteral("args"))) {
            QStringList args;
            for (const QJsonValue &value : record.value(QStringLiteral("args")).toArray())
                args.append(value.toString());
            result.append(args);
        }
    }
    return result;
}

QByteArray ToolDir::logBytes() const
{
    QFile file(filePath(QStringLiteral("Tandrel.log")));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QStringList ToolDir::log() const
{
    static const QRegularExpression stamp(QStringLiteral("^\\[\\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\\] "));
    QStringList lines = QString::fromUtf8(logBytes()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        line.remove(stamp);
    return lines;
}

int ToolDir::runningTools() const
{
    const QString tool = QFileInfo(filePath(QStringLiteral("pwlctl.exe"))).canonicalFilePath();
    int count = 0;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : entries) {
        const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
        if (!exe.isEmpty() && (exe == tool || exe == tool + QStringLiteral(" (deleted)")))
            ++count;
    }
    return count;
}
