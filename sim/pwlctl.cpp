// A stand-in for the device tool: simulated powerline adapters whose state lives in
// pwlctl-sim.json in the working directory. It takes the tool's command lines and prints
// what the tool would. Faults can be asked for in the state file; every call is recorded
// in pwlctl-sim.calls, one JSON object a line.

#include "firmware.h"
#include "keys.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <optional>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

const QString stateFileName = QStringLiteral("pwlctl-sim.json");
const QString callsFileName = QStringLiteral("pwlctl-sim.calls");
const QString defaultPassword = QStringLiteral("HomePlugAV");

struct Output
{
    QByteArray text;
    int exitCode = 0;

    void line(const QString &text_) { text += text_.toUtf8() + '\n'; }
    void fail(const QString &text_, int code = 1)
    {
        line(text_);
        exitCode = code;
    }
};

// The state file, read and written only while the lock is held.
class StateFile
{
public:
    StateFile() : lock(stateFileName + QStringLiteral(".lock")) { lock.setStaleLockTime(60000); }
    bool acquire()
    {
        // QLockFile's own wait sleeps 100 ms and more between tries; simultaneous runs
        // hold the lock for a millisecond or two, so shorter naps keep them together.
        QElapsedTimer waited;
        waited.start();
        while (!lock.tryLock(0)) {
            if (waited.hasExpired(60000))
                return false;
            QThread::msleep(2);
        }
        return true;
    }
    void release() { lock.unlock(); }

    // Loads the state, creating the demo adapters when there is no file yet.
    bool load(QJsonObject *state, QString *error)
    {
        QFile file(stateFileName);
        if (!file.exists()) {
            loaded = QJsonObject();
            *state = demoState();
            return save(*state, error);
        }
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1").arg(stateFileName);
            return false;
        }
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
        if (!document.isObject()) {
            *error = QStringLiteral("%1 is damaged: %2").arg(stateFileName, parseError.errorString());
            return false;
        }
        *state = loaded = document.object();
        return true;
    }

    // Writes the state atomically, and only when it changed.
    bool save(const QJsonObject &state, QString *error)
    {
        if (state == loaded)
            return true;
        const QByteArray bytes = QJsonDocument(state).toJson(QJsonDocument::Indented);
        QSaveFile file(stateFileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
            *error = QStringLiteral("cannot write %1").arg(stateFileName);
            return false;
        }
        loaded = state;
        return true;
    }

private:
    // A demo adapter that its user named for the room it is in.
    static QJsonObject demoAdapter(const QString &address, const QString &interfaceAddress,
                                   const QString &interfaceName, const QString &name, const QString &model,
                                   const QString &version, const QString &date)
    {
        const QString manufacturer = QStringLiteral("%1_FW%2_FWDate_%3").arg(model, version, date);
        return QJsonObject{
            {QStringLiteral("address"), address},
            {QStringLiteral("at"), QStringLiteral("02:1A:7E:00:00:01")},
            {QStringLiteral("interface"), interfaceAddress},
            {QStringLiteral("interfaceName"), interfaceName},
            {QStringLiteral("manufacturerHfid"), manufacturer},
            {QStringLiteral("userHfid"), name + QLatin1Char('_') + manufacturer},
            {QStringLiteral("password"), defaultPassword},
            {QStringLiteral("nmk"), QString::fromLatin1(networkKeyFromPassword(defaultPassword).toHex())},
            {QStringLiteral("pairing"), QStringLiteral("idle")},
        };
    }

    // Three adapters behind the host's first interface that is up and not loopback, two of
    // them of one model.
    static QJsonObject demoState()
    {
        QNetworkInterface chosen;
        const auto interfaces = QNetworkInterface::allInterfaces();
        for (const QNetworkInterface &candidate : interfaces) {
            if (candidate.hardwareAddress().size() != 17)
                continue;
            const bool usable = candidate.flags().testFlag(QNetworkInterface::IsUp)
                                && !candidate.flags().testFlag(QNetworkInterface::IsLoopBack);
            if (usable || !chosen.isValid())
                chosen = candidate;
            if (usable)
                break;
        }
        const QString address = chosen.isValid() ? chosen.hardwareAddress() : QString();
        const QString interfaceName = chosen.isValid() ? chosen.name() : QStringLiteral("eth0");
        return QJsonObject{
            {QStringLiteral("adapters"),
             QJsonArray{demoAdapter(QStringLiteral("02:1A:7E:00:00:01"), address, interfaceName,
                                    QStringLiteral("Living room"), QStringLiteral("PL500"),
                                    QStringLiteral("1.02b05"), QStringLiteral("Jan 15 2014")),
                        demoAdapter(QStringLiteral("02:1A:7E:00:00:02"), address, interfaceName,
                                    QStringLiteral("Office"), QStringLiteral("PL1200E"),
                                    QStringLiteral("2.00b01"), QStringLiteral("Mar 03 2015")),
                        demoAdapter(QStringLiteral("02:1A:7E:00:00:03"), address, interfaceName,
                                    QStringLiteral("Kitchen"), QStringLiteral("PL500"),
                                    QStringLiteral("1.02b05"), QStringLiteral("Jan 15 2014"))}},
            {QStringLiteral("faults"), QJsonObject{}},
        };
    }

    QLockFile lock;
    QJsonObject loaded;
};

void recordCall(const QJsonObject &entry)
{
    QFile file(callsFileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n');
}

// The fault asked for this command line, consuming one of its counted runs.
std::optional<QJsonObject> takeFault(QJsonObject &state, const QStringList &args)
{
    QJsonObject faults = state.value(QStringLiteral("faults")).toObject();
    QStringList keys;
    if (args.size() > 2)
        keys << args.at(1) + QLatin1Char(' ') + args.at(2);
    if (args.size() > 1)
        keys << args.at(1);
    for (const QString &key : qAsConst(keys)) {
        if (!faults.contains(key))
            continue;
        QJsonObject fault = faults.value(key).toObject();
        if (fault.contains(QStringLiteral("runs"))) {
            const int runs = fault.value(QStringLiteral("runs")).toInt();
            if (runs <= 1)
                faults.remove(key);
            else
                fault[QStringLiteral("runs")] = runs - 1, faults[key] = fault;
            state[QStringLiteral("faults")] = faults;
            if (runs <= 0)
                continue;
        }
        return fault;
    }
    return std::nullopt;
}

// The HFID with a new firmware version and date in place of the old ones.
QString upgradedHfid(const QString &hfid, const QString &version, const QString &date)
{
    QString head = hfid.left(hfid.lastIndexOf(QLatin1String("_FWDate")));
    head = head.left(head.lastIndexOf(QLatin1String("_FW")));
    return QStringLiteral("%1_FW%2_FWDate_%3").arg(head, version, date);
}

qint64 now() { return QDateTime::currentMSecsSinceEpoch(); }

class Simulator
{
public:
    Simulator(QJsonObject &state, const QStringList &args) : state(state), args(args) {}

    Output run()
    {
        const QString command = args.value(1);
        if (args.size() < 2 || !QRegularExpression(QStringLiteral("^([0-9A-Fa-f]{2}:){5}[0-9A-Fa-f]{2}$"))
                                    .match(args.at(0))
                                    .hasMatch())
            return usage();
        if (command == QLatin1String("discover_list"))
            return discover();

        // Everything else ends in "-m DEVICE".
        if (args.size() < 4 || args.at(args.size() - 2) != QLatin1String("-m"))
            return usage();
        operands = args.mid(2, args.size() - 4);
        const QString device = args.last();
        const int index = findAdapter(device);
        const QString tag = QLatin1Char('[') + command + QLatin1Char(']');
        if (!isKnown(command))
            return usage();
        Output out;
        if (index < 0 || !inNetwork(adapterAt(index))) {
            out.fail(QStringLiteral("%1 Error: no device %2 answers on interface %3").arg(tag, device, args.at(0)));
            return out;
        }
        QJsonArray adapters = state.value(QStringLiteral("adapters")).toArray();
        QJsonObject adapter = adapters.at(index).toObject();
        // An adapter that restarts after new firmware answers no command for a while: for a
        // time, or for a number of commands.
        const int awayCalls = adapter.value(QStringLiteral("awayCalls")).toInt();
        if (awayCalls > 0 || adapter.value(QStringLiteral("awayUntil")).toDouble() > now()) {
            if (awayCalls > 0)
                adapter[QStringLiteral("awayCalls")] = awayCalls - 1;
            out.fail(QStringLiteral("%1 Error: no device %2 answers on interface %3").arg(tag, device, args.at(0)));
        } else {
            out = dispatch(command, tag, adapter);
        }
        adapters[index] = adapter;
        state[QStringLiteral("adapters")] = adapters;
        return out;
    }

private:
    static bool isKnown(const QString &command)
    {
        static const QStringList known{QStringLiteral("apsta_info"),       QStringLiteral("apfw_factory_reset"),
                                       QStringLiteral("upgrade_ggl"),      QStringLiteral("get_hfid"),
                                       QStringLiteral("set_hfid"),         QStringLiteral("apcm_sta_restart"),
                                       QStringLiteral("apcm_uke_cmd"),     QStringLiteral("set_npw")};
        return known.contains(command);
    }

    Output usage() const
    {
        Output out;
        out.fail(QStringLiteral("pwlctl: Error: unrecognised command line: %1").arg(args.join(QLatin1Char(' '))),
                 2);
        return out;
    }

    QJsonObject adapterAt(int index) const
    {
        return state.value(QStringLiteral("adapters")).toArray().at(index).toObject();
    }

    int findAdapter(const QString &device) const
    {
        const QJsonArray adapters = state.value(QStringLiteral("adapters")).toArray();
        for (int i = 0; i < adapters.size(); ++i) {
            const QJsonObject adapter = adapters.at(i).toObject();
            if (adapter.value(QStringLiteral("address")).toString().compare(device, Qt::CaseInsensitive) == 0
                && adapter.value(QStringLiteral("interface")).toString().compare(args.at(0), Qt::CaseInsensitive)
                       == 0)
                return i;
        }
        return -1;
    }

    // An adapter reached through another one (its "at") shares that one's network only while
    // their network keys are equal: otherwise it answers nothing there and no discovery lists
    // it. One that names itself, or an adapter that is not simulated, is this computer's own.
    bool inNetwork(const QJsonObject &adapter) const
    {
        const QString through = adapter.value(QStringLiteral("at")).toString();
        const QString interfaceAddress = adapter.value(QStringLiteral("interface")).toString();
        if (through.compare(adapter.value(QStringLiteral("address")).toString(), Qt::CaseInsensitive) == 0)
            return true;
        const QJsonArray adapters = state.value(QStringLiteral("adapters")).toArray();
        for (const QJsonValue &value : adapters) {
            const QJsonObject other = value.toObject();
            if (other.value(QStringLiteral("address")).toString().compare(through, Qt::CaseInsensitive) == 0
                && other.value(QStringLiteral("interface")).toString().compare(interfaceAddress, Qt::CaseInsensitive)
                       == 0)
                return other.value(QStringLiteral("nmk")).toString().compare(
                           adapter.value(QStringLiteral("nmk")).toString(), Qt::CaseInsensitive)
                       == 0;
        }
        return true;
    }

    Output discover() const
    {
        Output out;
        bool seconds = false;
        if (args.size() != 4 || args.at(2) != QLatin1String("-t") || (args.at(3).toInt(&seconds), !seconds))
            return usage();
        int found = 0;
        const QJsonArray adapters = state.value(QStringLiteral("adapters")).toArray();
        for (const QJsonValue &value : adapters) {
            const QJsonObject adapter = value.toObject();
            if (adapter.value(QStringLiteral("interface")).toString().compare(args.at(0), Qt::CaseInsensitive) != 0
                || !inNetwork(adapter))
                continue;
            out.line(QStringLiteral("[discover_list] device %1 at %2 interface %3 hfid: %4")
                         .arg(adapter.value(QStringLiteral("address")).toString(),
                              adapter.value(QStringLiteral("at")).toString(),
                              adapter.value(QStringLiteral("interfaceName")).toString(),
                              adapter.value(QStringLiteral("userHfid")).toString()));
            ++found;
        }
        out.line(QStringLiteral("[discover_list] %1 device(s) found on %2").arg(found).arg(args.at(0)));
        return out;
    }

    Output dispatch(const QString &command, const QString &tag, QJsonObject &adapter)
    {
        Output out;
        const auto wantOperands = [&](const QStringList &shape) {
            if (operands.size() != shape.size())
                return false;
            for (int i = 0; i < shape.size(); ++i) {
                if (!shape.at(i).isEmpty() && shape.at(i) != operands.at(i))
                    return false;
            }
            return true;
        };
        const auto text = [&](const char *key) { return adapter.value(QLatin1String(key)).toString(); };

        if (command == QLatin1String("apsta_info") && wantOperands({})) {
            const QByteArray key = QByteArray::fromHex(text("nmk").toLatin1());
            out.line(QStringLiteral("[apsta_info] querying %1").arg(text("address")));
            out.line(QStringLiteral("[apsta_info] Done."));
            out.line(QStringLiteral("Device address: %1").arg(text("address")));
            out.line(QStringLiteral("Manufacturer HFID: %1").arg(text("manufacturerHfid")));
            out.line(QStringLiteral("User HFID: %1").arg(text("userHfid")));
            out.line(QStringLiteral("Network password: %1")
                         .arg(text("password") == defaultPassword ? QStringLiteral("default")
                                                                  : QStringLiteral("custom")));
            out.line(QStringLiteral("Network key fingerprint: %1").arg(keyFingerprint(key)));
            out.line(QStringLiteral("Simple connect: %1").arg(text("pairing")));
        } else if (command == QLatin1String("apfw_factory_reset") && wantOperands({})) {
            adapter[QStringLiteral("userHfid")] = text("manufacturerHfid");
            adapter[QStringLiteral("password")] = defaultPassword;
            adapter[QStringLiteral("nmk")] = QString::fromLatin1(networkKeyFromPassword(defaultPassword).toHex());
            adapter[QStringLiteral("pairing")] = QStringLiteral("idle");
            out.line(QStringLiteral("%1 restoring factory defaults on %2").arg(tag, text("address")));
            out.line(QStringLiteral("%1 Done.").arg(tag));
        } else if (command == QLatin1String("upgrade_ggl") && wantOperands({QString()})) {
            upgrade(out, tag, adapter);
        } else if (command == QLatin1String("get_hfid") && wantOperands({QStringLiteral("manufacturer")})) {
            out.line(QStringLiteral("%1 manufacturer hfid: %2").arg(tag, text("manufacturerHfid")));
        } else if (command == QLatin1String("get_hfid") && wantOperands({QStringLiteral("user")})) {
            out.line(QStringLiteral("%1 user hfid: %2").arg(tag, text("userHfid")));
        } else if (command == QLatin1String("set_hfid") && wantOperands({QStringLiteral("user"), QString()})) {
            const QString hfid = operands.at(1);
            if (hfid.isEmpty() || hfid.toUtf8().size() > 64) {
                out.fail(QStringLiteral("%1 Error: an HFID takes 1 to 64 bytes").arg(tag));
            } else {
                adapter[QStringLiteral("userHfid")] = hfid;
                out.line(QStringLiteral("%1 Done.").arg(tag));
            }
        } else if (command == QLatin1String("apcm_sta_restart") && wantOperands({})) {
            adapter[QStringLiteral("pairing")] = QStringLiteral("idle");
            goAway(adapter, QStringLiteral("Restart"));
            out.line(QStringLiteral("%1 restarting %2").arg(tag, text("address")));
            out.line(QStringLiteral("%1 Done.").arg(tag));
        } else if (command == QLatin1String("apcm_uke_cmd") && wantOperands({QStringLiteral("randomize")})) {
            QByteArray key(16, '\0');
            QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(key.data()), 4);
            adapter[QStringLiteral("nmk")] = QString::fromLatin1(key.toHex());
            out.line(QStringLiteral("%1 randomize: new network key, fingerprint %2").arg(tag, keyFingerprint(key)));
            out.line(QStringLiteral("%1 action SUCCESS.").arg(tag));
        } else if (command == QLatin1String("apcm_uke_cmd") && wantOperands({QStringLiteral("start")})) {
            adapter[QStringLiteral("pairing")] = QStringLiteral("pairing");
            out.line(QStringLiteral("%1 start: simple connect running on %2").arg(tag, text("address")));
            out.line(QStringLiteral("%1 action SUCCESS.").arg(tag));
        } else if (command == QLatin1String("set_npw")
                   && wantOperands({QString(), QStringLiteral("secure"), QStringLiteral("set_key")})) {
            const QString password = operands.at(0);
            if (!isValidNetworkPassword(password)) {
                out.fail(QStringLiteral("[set_npw] Error: a network password takes 8 to 64 printable ASCII characters"));
            } else {
                const QByteArray key = networkKeyFromPassword(password);
                adapter[QStringLiteral("password")] = password;
                adapter[QStringLiteral("nmk")] = QString::fromLatin1(key.toHex());
                out.line(QStringLiteral("[set_npw] Done."));
                out.line(QStringLiteral("[set_key] network key set, fingerprint %1").arg(keyFingerprint(key)));
                out.line(QStringLiteral("[set_key] Done."));
            }
        } else {
            return usage();
        }
        return out;
    }

    // A real adapter answers nothing for a while as it starts again: for as long as the state
    // file's setting says ("awayMsAfterUpgrade"), or for as many commands ("awayCallsAfter..."),
    // every command for it answers as for an unknown device.
    void goAway(QJsonObject &adapter, const QString &after) const
    {
        const double awayMs = state.value(QStringLiteral("awayMsAfter") + after).toDouble();
        if (awayMs > 0)
            adapter[QStringLiteral("awayUntil")] = double(now()) + awayMs;
        const int awayCalls = state.value(QStringLiteral("awayCallsAfter") + after).toInt();
        if (awayCalls > 0)
            adapter[QStringLiteral("awayCalls")] = awayCalls;
    }

    void upgrade(Output &out, const QString &tag, QJsonObject &adapter)
    {
        const QString path = operands.at(0);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            out.fail(QStringLiteral("%1 Error: cannot open firmware file %2").arg(tag, path));
            return;
        }
        FirmwareImage image;
        QString error;
        if (!decodeFirmware(file.readAll(), &image, &error)) {
            out.fail(QStringLiteral("%1 Error: %2: %3").arg(tag, path, error));
            return;
        }
        const QString manufacturer =
            upgradedHfid(adapter.value(QStringLiteral("manufacturerHfid")).toString(), image.version, image.date);
        adapter[QStringLiteral("manufacturerHfid")] = manufacturer;
        // New firmware starts from its own HFID; keeping the configured one is the caller's business.
        adapter[QStringLiteral("userHfid")] = manufacturer;
        adapter[QStringLiteral("pairing")] = QStringLiteral("idle");
        goAway(adapter, QStringLiteral("Upgrade"));
        out.line(QStringLiteral("%1 writing %2 bytes of firmware %3 (%4)")
                     .arg(tag)
                     .arg(image.body.size())
                     .arg(image.version, image.date));
        out.line(QStringLiteral("%1 Done.").arg(tag));
    }

    QJsonObject &state;
    const QStringList args;
    QStringList operands;
};


#ifdef Q_OS_WIN
LONG WINAPI endWithException(EXCEPTION_POINTERS *)
{
    // The process ends with the exception's status, as a crash does, without asking for a
    // debugger or an error report.
    return EXCEPTION_EXECUTE_HANDLER;
}
#endif

[[noreturn]] void crash()
{
#ifdef Q_OS_WIN
    // abort() ends with exit code 3, a normal exit as far as the caller can tell; a real
    // crash ends with an exception status such as 0xC0000005.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(endWithException);
    *static_cast<volatile int *>(nullptr) = 0;
#else
    // A crash exit is the point, a core file is not.
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
#endif
    std::abort();
}

// Prints `text` over and over to `stream`, up to `bytes` in all, or without end when
// `bytes` is negative.
void flood(std::FILE *stream, const QByteArray &text, qint64 bytes)
{
    if (text.isEmpty())
        return;
    QByteArray chunk;
    while (chunk.size() < 65536)
        chunk += text;
    for (qint64 left = bytes; bytes < 0 || left > 0;) {
        const qint64 size = bytes < 0 ? chunk.size() : qMin<qint64>(left, chunk.size());
        if (std::fwrite(chunk.constData(), 1, size_t(size), stream) != size_t(size))
            return; // the reader is gone
        left -= size;
    }
    std::fflush(stream);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
#ifdef Q_OS_WIN
    // The same bytes on every platform: no line feed turns into CR LF on the way out.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    const QStringList args = application.arguments().mid(1);
    const qint64 pid = application.applicationPid();
    // A computer whose virus scanner looks at every new process starts programs slowly; the
    // tests are run that way too.
    const int startDelayMs = qEnvironmentVariableIntValue("PWLCTL_SIM_START_DELAY_MS");
    if (startDelayMs > 0)
        QThread::msleep(ulong(startDelayMs));

    StateFile stateFile;
    if (!stateFile.acquire()) {
        std::fputs("pwlctl: Error: the adapters are busy\n", stdout);
        return 3;
    }
    QJsonObject state;
    QString error;
    if (!stateFile.load(&state, &error)) {
        std::printf("pwlctl: Error: %s\n", qPrintable(error));
        return 3;
    }
    recordCall({{QStringLiteral("pid"), pid},
                {QStringLiteral("start"), now()},
                {QStringLiteral("args"), QJsonArray::fromStringList(args)}});
    const std::optional<QJsonObject> fault = takeFault(state, args);
    if (!stateFile.save(state, &error)) {
        std::printf("pwlctl: Error: %s\n", qPrintable(error));
        return 3;
    }
    // The lock is not held across the delay, so simultaneous runs really overlap.
    stateFile.release();

    const QJsonObject knobs = fault.value_or(QJsonObject{});
    if (knobs.contains(QStringLiteral("delayMs")))
        QThread::msleep(ulong(knobs.value(QStringLiteral("delayMs")).toInt()));

    Output out;
    if (!stateFile.acquire() || !stateFile.load(&state, &error)) {
        out.fail(QStringLiteral("pwlctl: Error: %1").arg(error.isEmpty() ? QStringLiteral("the adapters are busy") : error), 3);
    } else {
        out = Simulator(state, args).run();
        // A command that failed changed nothing but an adapter's count of commands it is away for.
        if (!stateFile.save(state, &error) && out.exitCode == 0)
            out.fail(QStringLiteral("pwlctl: Error: %1").arg(error), 3);
        recordCall({{QStringLiteral("pid"), pid}, {QStringLiteral("end"), now()}});
    }
    // A tool that hangs or prints without end holds no other run up.
    stateFile.release();

    if (knobs.contains(QStringLiteral("stdoutHex")))
        out.text = QByteArray::fromHex(knobs.value(QStringLiteral("stdoutHex")).toString().toLatin1());
    else if (knobs.contains(QStringLiteral("stdout")))
        out.text = knobs.value(QStringLiteral("stdout")).toString().toUtf8();
    std::fwrite(out.text.constData(), 1, size_t(out.text.size()), stdout);
    std::fflush(stdout);
    if (knobs.contains(QStringLiteral("floodText"))) {
        const bool toStderr = knobs.value(QStringLiteral("floodStream")).toString() == QLatin1String("stderr");
        flood(toStderr ? stderr : stdout, knobs.value(QStringLiteral("floodText")).toString().toUtf8(),
              qint64(knobs.value(QStringLiteral("floodBytes")).toDouble(-1)));
    }

    if (knobs.value(QStringLiteral("crash")).toBool())
        crash();
    if (knobs.value(QStringLiteral("hang")).toBool()) {
        for (;;)
            QThread::sleep(3600);
    }
    if (knobs.contains(QStringLiteral("exitCode")))
        return knobs.value(QStringLiteral("exitCode")).toInt();
    return out.exitCode;
}
