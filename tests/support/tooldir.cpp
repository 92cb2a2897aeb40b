#include "tooldir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#include <windows.h>
// Needs the types of windows.h.
#include <tlhelp32.h>

#include <iterator>
#endif

QJsonObject simAdapter(const QString &address, const QString &interfaceAddress, const QString &userHfid,
                       const QString &manufacturerHfid)
{
    // Reached through 02:1A:7E:00:00:01, which most tests do not list: the stand-in then
    // compares its network key with no other, so a new password never hides it. Beside an
    // adapter 02:1A:7E:00:00:01 it shares that one's network only while their keys are equal.
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
    writeStateFile({{QStringLiteral("adapters"), adapters}, {QStringLiteral("faults"), faults}});
}

void ToolDir::writeStateFile(const QJsonObject &state)
{
    QFile file(filePath(QStringLiteral("pwlctl-sim.json")));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(QJsonDocument(state).toJson());
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
    QJsonObject faults = state().value(QStringLiteral("faults")).toObject();
    faults[key] = fault;
    setSetting(QStringLiteral("faults"), faults);
}

void ToolDir::setSetting(const QString &key, const QJsonValue &value)
{
    QJsonObject current = state();
    current[key] = value;
    writeStateFile(current);
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
    static const QRegularExpression stamp(
        QStringLiteral("^\\[\\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\\] "));
    // Read as text: the log is written in text mode, with CR LF line ends on Windows.
    QFile file(filePath(QStringLiteral("Tandrel.log")));
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        line.remove(stamp);
    return lines;
}

#ifdef Q_OS_WIN
int ToolDir::runningTools() const
{
    // Every process whose executable is this directory's pwlctl.exe.
    const QString tool =
        QDir::toNativeSeparators(QFileInfo(filePath(QStringLiteral("pwlctl.exe"))).absoluteFilePath());
    int count = 0;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof entry;
    for (bool more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (QString::fromWCharArray(entry.szExeFile)
                .compare(QLatin1String("pwlctl.exe"), Qt::CaseInsensitive) != 0)
            continue;
        const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        if (!process)
            continue;
        wchar_t path[MAX_PATH * 2];
        DWORD size = DWORD(std::size(path));
        if (QueryFullProcessImageNameW(process, 0, path, &size) &&
            QString::fromWCharArray(path, int(size)).compare(tool, Qt::CaseInsensitive) == 0) {
            DWORD code = 0;
            if (GetExitCodeProcess(process, &code) && code == STILL_ACTIVE)
                ++count;
        }
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    return count;
}

// Wine's memory counters of a process are not to be trusted: memory is measured on Linux.
qint64 residentBytes()
{
    return 0;
}
#else
qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

int ToolDir::runningTools() const
{
    // The tools that this process started and that still run: its children. A helper that a
    // tool's own runtime leaves behind for a moment (the leak checker of a sanitizer build
    // traces its process from a clone of it) is the tool's, not ours.
    const QString tool = QFileInfo(filePath(QStringLiteral("pwlctl.exe"))).canonicalFilePath();
    const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
    int count = 0;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : entries) {
        const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
        if (exe.isEmpty() || (exe != tool && exe != tool + QStringLiteral(" (deleted)")))
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "PID (NAME) STATE PPID ...": the name may hold blanks, so count from its end.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1) == self)
            ++count;
    }
    return count;
}
#endif
