#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Interface addresses that no real machine has: the tests' adapters answer only there.
inline QString interfaceA()
{
    return QStringLiteral("02:00:00:00:00:0A");
}
inline QString interfaceB()
{
    return QStringLiteral("02:00:00:00:00:0B");
}

// The resident memory of this process, in bytes; 0 under wine, where it is not measured.
qint64 residentBytes();

// One simulated adapter for the state file.
QJsonObject simAdapter(const QString &address, const QString &interfaceAddress, const QString &userHfid,
                       const QString &manufacturerHfid = QString());

// A fresh working directory holding the stand-in tool as pwlctl.exe; it is the current
// directory for as long as the object lives.
class ToolDir
{
public:
    ToolDir();
    ~ToolDir();
    ToolDir(const ToolDir &) = delete;
    ToolDir &operator=(const ToolDir &) = delete;

    bool isValid() const { return valid; }
    QString path() const { return dir.path(); }
    QString filePath(const QString &name) const { return dir.filePath(name); }

    void writeState(const QJsonArray &adapters, const QJsonObject &faults = QJsonObject());
    QJsonObject state() const;
    QJsonObject adapter(const QString &address) const;
    void setFault(const QString &key, const QJsonObject &fault);
    // A value at the top of the state file, beside the adapters and the faults.
    void setSetting(const QString &key, const QJsonValue &value);
    void removeTool();

    // The tool's own record: every call's arguments, in the order the calls started.
    QList<QStringList> calls() const;
    QList<QJsonObject> callRecords() const;

    // Tandrel.log as lines, the time stamps of the records cut off.
    QStringList log() const;
    QByteArray logBytes() const;

    // Tool processes of this directory that this process started and that still run.
    int runningTools() const;

private:
    void writeStateFile(const QJsonObject &state);

    QTemporaryDir dir;
    QString previous;
    bool valid = false;
};
